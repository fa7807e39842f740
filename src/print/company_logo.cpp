#include "company_logo.h"

#include <QFont>
#include <QPainter>

namespace orv {

QImage companyLogo() {
    QImage image(213, 93, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The mark: a collar ring seen at an angle under a satellite, in a disc.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 50, 90));
    painter.drawEllipse(QRectF(4, 6, 80, 80));
    painter.setPen(QPen(QColor(200, 140, 40), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(20, 48, 48, 18));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 230, 230));
    painter.drawRect(QRectF(39, 18, 10, 10));
    painter.setBrush(QColor(120, 170, 230));
    painter.drawRect(QRectF(25, 20, 12, 5));
    painter.drawRect(QRectF(51, 20, 12, 5));

    // The name beside it.
    QFont name("Arial");
    name.setPixelSize(30);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(20, 50, 90));
    painter.drawText(QRectF(90, 14, 123, 40), Qt::AlignLeft | Qt::AlignVCenter, "Halvorn");
    QFont line("Arial");
    line.setPixelSize(13);
    painter.setFont(line);
    painter.drawText(QRectF(92, 54, 121, 24), Qt::AlignLeft | Qt::AlignVCenter, "GPS Systems");
    return image;
}

QImage beepPatternPicture(int height) {
    const int cell = height;
    QImage image(cell * 4, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    // Two beeps (bars), then two pauses (a base line only).
    for (int i = 0; i < 2; ++i) painter.drawRect(QRectF(i * cell + cell * 0.15, 0, cell * 0.7, height * 0.8));
    painter.drawRect(QRectF(0, height * 0.85, cell * 4, height * 0.15));
    return image;
}

}  // namespace orv
