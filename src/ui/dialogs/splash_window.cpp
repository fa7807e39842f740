#include "dialogs/splash_window.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QScreen>

#include "widgets/logo.h"

namespace orv {

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 200;
constexpr int kLogoSize = 150;
}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(kSplashTitle);
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void SplashWindow::showAndPaint() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents();
}

void SplashWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(245, 242, 232));
    painter.setPen(QPen(QColor(20, 50, 90), 2));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    const int margin = (kHeight - kLogoSize) / 2;
    painter.drawPixmap(margin, margin, drawOrvLogo(kLogoSize));
    QFont font = painter.font();
    font.setPointSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(20, 50, 90));
    const QRect textArea(kLogoSize + 2 * margin, 0, kWidth - kLogoSize - 3 * margin, kHeight);
    painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, kSplashTitle);
}

}  // namespace orv
