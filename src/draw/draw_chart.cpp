#include "draw/draw_chart.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLineF>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// The chart as drawn at scale 1: 16,000 by 8,000 units. The area's smaller
// relative side decides the scale, so that labels always fit their rows.
constexpr double kUnitWidth = 16000;
constexpr double kUnitHeight = 8000;
// Far enough for any label: texts are placed by their anchor, never clipped.
constexpr double kTextReach = 100000;

QColor penColour(const orv::ChartPenStyle& style, const ChartColours& colours) {
    return style.textColour ? colours.text : QColor(style.red, style.green, style.blue);
}

// A pen of whole device pixels (pixels: device pixels per painter unit), so
// that every stroke of it is equally thick wherever it falls.
QPen chartPen(orv::ChartPen pen, double scale, double pixels, const ChartColours& colours) {
    const orv::ChartPenStyle style = orv::chartPenStyle(pen);
    QPen qpen(penColour(style, colours));
    const double devicePixels = std::round(style.width * scale * pixels);
    if (devicePixels < 1) {
        // Thinner than a pixel would vanish: a hairline of one device pixel.
        qpen.setCosmetic(true);
        qpen.setWidthF(1);
    } else {
        qpen.setWidthF(devicePixels / pixels);
    }
    qpen.setStyle(style.dotted ? Qt::DotLine : style.dashed ? Qt::DashLine : Qt::SolidLine);
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
}

Qt::BrushStyle hatchStyle(orv::ChartBrush brush) {
    switch (brush) {
        case orv::ChartBrush::Window:
            return Qt::NoBrush;
        case orv::ChartBrush::HatchHorizontal:
            return Qt::HorPattern;
        case orv::ChartBrush::HatchVertical:
            return Qt::VerPattern;
        case orv::ChartBrush::HatchForwardDiagonal:
            return Qt::FDiagPattern;
        case orv::ChartBrush::HatchBackwardDiagonal:
            return Qt::BDiagPattern;
        case orv::ChartBrush::HatchCross:
            return Qt::CrossPattern;
        case orv::ChartBrush::HatchDiagonalCross:
            return Qt::DiagCrossPattern;
    }
    return Qt::NoBrush;
}

// The hatching is in the window colour, shaded a little towards the text so
// that it shows as a faint texture on the window background.
QColor hatchColour(const ChartColours& colours) {
    const auto mix = [](int window, int text) { return (window * 92 + text * 8) / 100; };
    return QColor(mix(colours.window.red(), colours.text.red()),
                  mix(colours.window.green(), colours.text.green()),
                  mix(colours.window.blue(), colours.text.blue()));
}

QFont chartFont(orv::ChartFont font) {
    const orv::ChartFontStyle style = orv::chartFontStyle(font);
    QFont qfont(QString::fromLatin1(style.family));
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPixelSize(style.height);
    qfont.setWeight(style.weight >= 600 ? QFont::DemiBold : QFont::Normal);
    return qfont;
}

Qt::Alignment alignment(orv::ChartAlign horizontal, orv::ChartAlign vertical) {
    Qt::Alignment flags;
    switch (horizontal) {
        case orv::ChartAlign::Start:
            flags |= Qt::AlignLeft;
            break;
        case orv::ChartAlign::Centre:
            flags |= Qt::AlignHCenter;
            break;
        case orv::ChartAlign::End:
            flags |= Qt::AlignRight;
            break;
    }
    switch (vertical) {
        case orv::ChartAlign::Start:
            flags |= Qt::AlignTop;
            break;
        case orv::ChartAlign::Centre:
            flags |= Qt::AlignVCenter;
            break;
        case orv::ChartAlign::End:
            flags |= Qt::AlignBottom;
            break;
    }
    return flags;
}

// The rectangle, in units around the anchor, that puts the anchor where the
// alignment wants it.
QRectF anchoredBox(orv::ChartAlign horizontal, orv::ChartAlign vertical) {
    const auto span = [](orv::ChartAlign align) {
        switch (align) {
            case orv::ChartAlign::Start:
                return std::pair<double, double>(0, kTextReach);
            case orv::ChartAlign::Centre:
                return std::pair<double, double>(-kTextReach / 2, kTextReach / 2);
            case orv::ChartAlign::End:
                break;
        }
        return std::pair<double, double>(-kTextReach, 0);
    };
    const auto [left, right] = span(horizontal);
    const auto [top, bottom] = span(vertical);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

}  // namespace

ChartColours applicationChartColours() {
    ChartColours colours;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        const QPalette palette = QGuiApplication::palette();
        colours.text = palette.color(QPalette::WindowText);
        colours.window = palette.color(QPalette::Window);
    }
    return colours;
}

double chartUnitScale(const QRectF& area) {
    return std::max(0.0, std::min(area.width() / kUnitWidth, area.height() / kUnitHeight));
}

void DrawChart(QPainter& painter, const QRectF& area, const orv::ChartDisplay& display) {
    DrawChart(painter, area, display, applicationChartColours());
}

void DrawChart(QPainter& painter, const QRectF& area, const orv::ChartDisplay& display,
               const ChartColours& colours) {
    const double scale = chartUnitScale(area);
    if (scale <= 0) return;
    // Texts at the list's own height when it gives one (the window's font).
    const double textScale = display.textHeight > 0 ? display.textHeight * area.height() / 175 : scale;
    const auto at = [&area](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.top() + y * area.height());
    };

    // Horizontal strokes are put on the device's pixel rows, so that marks of
    // one pen are all equally thick (a stroke between two rows would cover one
    // more row than its neighbours).
    const QTransform toDevice = painter.deviceTransform();
    const bool axisAligned = toDevice.type() <= QTransform::TxScale;
    const double pixels = axisAligned ? std::abs(toDevice.m22()) : 1;
    const QTransform fromDevice = toDevice.inverted();
    const auto onPixelRows = [&](const QLineF& line, double width) {
        if (!axisAligned || line.y1() != line.y2()) return line;
        const double y = toDevice.map(line.p1()).y();
        const double odd = static_cast<int>(width) % 2 == 1 ? 0.5 : 0.0;
        const double snapped = fromDevice.map(QPointF(0, std::floor(y - odd + 0.5) + odd)).y();
        return QLineF(line.x1(), snapped, line.x2(), snapped);
    };

    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    // Every stroke runs along an axis: without antialiasing they stay crisp.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, colours.window);

    for (const orv::ChartRect& rect : display.rects) {
        const QRectF box(at(rect.left, rect.top), at(rect.right, rect.bottom));
        painter.fillRect(box, colours.window);
        const Qt::BrushStyle hatch = hatchStyle(rect.brush);
        if (hatch != Qt::NoBrush) painter.fillRect(box, QBrush(hatchColour(colours), hatch));
        painter.setPen(chartPen(rect.pen, scale, pixels, colours));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
    // Lines go out in runs of one pen (the marks come in their thousands). A
    // line that lands on the device's pixels of the one before it (events
    // seconds apart in one day's column) would paint nothing new: it is left out.
    std::vector<QLineF> run;
    for (std::size_t i = 0; i < display.lines.size();) {
        const orv::ChartPen pen = display.lines[i].pen;
        const QPen qpen = chartPen(pen, scale, pixels, colours);
        const double width = qpen.isCosmetic() ? 1 : std::round(qpen.widthF() * pixels);
        run.clear();
        QLine previous;
        for (; i < display.lines.size() && display.lines[i].pen == pen; ++i) {
            const orv::ChartLine& line = display.lines[i];
            const QLineF placed = onPixelRows(QLineF(at(line.x0, line.y0), at(line.x1, line.y1)), width);
            const QLine covered = toDevice.map(placed).toLine();
            if (!run.empty() && covered == previous) continue;
            previous = covered;
            run.push_back(placed);
        }
        painter.setPen(qpen);
        painter.drawLines(run.data(), static_cast<int>(run.size()));
    }
    painter.setPen(colours.text);
    for (const orv::ChartText& text : display.texts) {
        painter.save();
        painter.translate(at(text.x, text.y));
        painter.scale(textScale, textScale);
        painter.setFont(chartFont(text.font));
        painter.drawText(anchoredBox(text.horizontal, text.vertical),
                         static_cast<int>(alignment(text.horizontal, text.vertical) | Qt::TextDontClip |
                                          Qt::TextSingleLine),
                         QString::fromStdString(text.text));
        painter.restore();
    }
    painter.restore();
}
