#include "widgets/section_date_edit.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace orv {

SectionDateEdit::SectionDateEdit(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
    lineEdit()->installEventFilter(this);
}

bool SectionDateEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        !lineEdit()->hasSelectedText()) {
        // After the click has placed the caret: the part it stands in.
        QTimer::singleShot(0, this, [this] {
            if (hasFocus() && !lineEdit()->hasSelectedText()) setSelectedSection(currentSection());
        });
    }
    return QDateEdit::eventFilter(watched, event);
}

}  // namespace orv
