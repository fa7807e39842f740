#pragma once

#include <QWidget>

class QTableWidget;

namespace orv {

struct ParameterRecord;

// The Schedule Table tab's grid: the "Parameter" column on the left stays in
// view while the twelve season columns scroll sideways beside it. Read-only;
// refilled from the record every time it is shown.
class ScheduleTableView : public QWidget {
    Q_OBJECT
public:
    explicit ScheduleTableView(const ParameterRecord& record, QWidget* parent = nullptr);

    // Every cell again from the record.
    void refill();

    QTableWidget* parameterColumn() const { return parameters; }
    QTableWidget* seasonColumns() const { return seasons; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ParameterRecord& record;
    QTableWidget* parameters;
    QTableWidget* seasons;
};

}  // namespace orv
