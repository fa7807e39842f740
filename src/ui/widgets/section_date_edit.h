#pragma once

// A date edit whose day, month or year is selected when the user clicks into
// it, as a Tab into the edit selects its first part: digits typed then replace
// that part. (Typed into a part that is already full, without a selection,
// the digits would be refused and the typed date lost.)

#include <QDateEdit>

namespace orv {

class SectionDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit SectionDateEdit(const QDate& date, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orv
