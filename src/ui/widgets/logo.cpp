#include "widgets/logo.h"

#include <QPainter>
#include <QPainterPath>

namespace orv {

QPixmap drawOrvLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    // Background disc.
    QRadialGradient sky(QPointF(s * 0.5, s * 0.35), s * 0.6);
    sky.setColorAt(0.0, QColor(70, 130, 190));
    sky.setColorAt(1.0, QColor(20, 50, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawEllipse(QRectF(s * 0.02, s * 0.02, s * 0.96, s * 0.96));

    // The collar: a thick ring seen at an angle, with its electronics box.
    QPen collarPen(QColor(200, 140, 40), s * 0.07);
    painter.setPen(collarPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(s * 0.22, s * 0.55, s * 0.56, s * 0.22));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRoundedRect(QRectF(s * 0.42, s * 0.70, s * 0.16, s * 0.12), s * 0.02, s * 0.02);

    // The satellite: a body and two panels.
    painter.setBrush(QColor(230, 230, 230));
    painter.drawRect(QRectF(s * 0.46, s * 0.16, s * 0.08, s * 0.08));
    painter.setBrush(QColor(120, 170, 230));
    painter.drawRect(QRectF(s * 0.28, s * 0.18, s * 0.16, s * 0.04));
    painter.drawRect(QRectF(s * 0.56, s * 0.18, s * 0.16, s * 0.04));

    // Signal arcs from the collar up to the satellite.
    QPen arcPen(QColor(255, 255, 255, 200), s * 0.025);
    arcPen.setCapStyle(Qt::RoundCap);
    painter.setPen(arcPen);
    for (int i = 0; i < 3; ++i) {
        const qreal r = s * (0.08 + 0.07 * i);
        painter.drawArc(QRectF(s * 0.5 - r, s * 0.52 - r, 2 * r, 2 * r), 50 * 16, 80 * 16);
    }
    return pixmap;
}

}  // namespace orv
