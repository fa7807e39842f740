#include "widgets/marker_label.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "binding/field_converter.h"

namespace orv {

MarkerLabel::MarkerLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

int MarkerLabel::markerWidth() const {
    return fontMetrics().horizontalAdvance(QString(kLabelMarker));
}

// As wide as the marker and the caption side by side, marked or not.
QSize MarkerLabel::sizeHint() const {
    const QString marker(kLabelMarker);
    const QString caption = text().startsWith(marker) ? text().mid(marker.size()) : text();
    const int frame = 2 * (margin() + frameWidth());
    const QFontMetrics metrics = fontMetrics();
    return {markerWidth() + metrics.horizontalAdvance(caption) + frame,
            std::max(QLabel::sizeHint().height(), metrics.height() + frame)};
}

QSize MarkerLabel::minimumSizeHint() const {
    return sizeHint();
}

void MarkerLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString marker(kLabelMarker);
    const bool marked = text().startsWith(marker);
    const QString caption = marked ? text().mid(marker.size()) : text();
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags =
        static_cast<int>(alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft | Qt::TextSingleLine;
    if (marked)
        style()->drawItemText(&painter, area, flags, palette(), isEnabled(), marker, foregroundRole());
    style()->drawItemText(&painter, area.adjusted(markerWidth(), 0, 0, 0), flags, palette(), isEnabled(),
                          caption, foregroundRole());
}

}  // namespace orv
