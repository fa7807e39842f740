#include "widgets/link_label.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace orv {

LinkLabel::LinkLabel(const QString& text, const QString& target, QWidget* parent)
    : QLabel(text, parent), linkTarget(target) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    // Blue before and after a visit.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(palette);
    setCursor(Qt::PointingHandCursor);
    open = [](const QString& where) { return QDesktopServices::openUrl(QUrl::fromUserInput(where)); };
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    const bool succeeded = open && open(target());
    if (!succeeded) QApplication::beep();
    Q_EMIT opened(succeeded);
}

}  // namespace orv
