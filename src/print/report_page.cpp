#include "report_page.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "company_logo.h"

namespace orv {

namespace {

constexpr double kSideMargin = 0.7;  // inches
constexpr double kTopMargin = 0.5;
constexpr double kRuleEndBeforeRight = 1500;  // printer units
constexpr double kLogoWidth = 1278;
constexpr double kLogoHeight = 558;

QFont arial(double points, bool bold, const QPaintDevice& device) {
    // Where Arial is not installed, the font configuration puts a
    // metric-compatible face in its place (Liberation Sans).
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    (void)device;
    return font;
}

}  // namespace

ReportPage reportPage(const QPaintDevice& device) {
    ReportPage page;
    page.resolution = device.logicalDpiY();
    page.sheet = QRectF(0, 0, device.width(), device.height());
    page.left = kSideMargin * page.resolution;
    page.right = page.sheet.width() - page.left;
    page.top = kTopMargin * page.resolution;
    page.bottom = page.sheet.height() - page.top;
    page.title = arial(9, true, device);
    page.heading = arial(6, true, device);
    page.body = arial(6, false, device);
    const QFontMetricsF metrics(page.body, const_cast<QPaintDevice*>(&device));
    page.lineHeight = metrics.height() + metrics.leading();
    return page;
}

QString fitted(const QPainter& painter, const std::string& text, double width) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    return metrics.elidedText(QString::fromStdString(text), Qt::ElideRight, std::max(0.0, width));
}

double drawReportHeader(QPainter& painter, const ReportPage& page, const char* header,
                        const std::string& titleSuffix) {
    const double logoWidth = page.units(kLogoWidth);
    const double logoHeight = page.units(kLogoHeight);
    const QRectF logo(page.right - logoWidth, page.top, logoWidth, logoHeight);
    painter.drawImage(logo, companyLogo());

    const double textRight = logo.left() - page.units(60);
    painter.setFont(page.title);
    const QFontMetricsF titleMetrics(page.title, painter.device());
    double y = page.top;
    painter.drawText(QRectF(page.left, y, textRight - page.left, titleMetrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, fitted(painter, header, textRight - page.left));
    y += titleMetrics.height() + titleMetrics.leading();
    painter.setFont(page.body);
    painter.drawText(QRectF(page.left, y, textRight - page.left, page.lineHeight),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(printedApplicationTitle()));
    y += page.lineHeight;
    if (!titleSuffix.empty()) {
        // The report's purpose ("DEVICE PROGRAMMING REPORT"), as the text report's first line carries it.
        painter.setFont(page.heading);
        painter.drawText(QRectF(page.left, y, textRight - page.left, page.lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop,
                         fitted(painter, "-- " + titleSuffix + " --", textRight - page.left));
        y += page.lineHeight;
    }
    y += page.lineHeight / 2;
    painter.setPen(QPen(Qt::black, page.units(1)));
    painter.drawLine(QPointF(page.left, y), QPointF(page.right - page.units(kRuleEndBeforeRight), y));
    return std::max(y, logo.bottom()) + page.lineHeight;
}

namespace {

void drawEntry(QPainter& painter, const ReportPage& page, const PrintedLine& line, double left, double right,
               double y) {
    const QFontMetricsF metrics(page.body, painter.device());
    // The unit word stands after the value; the values end at one edge.
    const double unitWidth = metrics.horizontalAdvance("ticks** ");
    const double valueEdge = right - unitWidth;
    const double space = metrics.horizontalAdvance(' ');

    painter.setFont(line.boldLabel ? page.heading : page.body);
    const double labelRoom = (valueEdge - left) * 0.75;
    const QString label = fitted(painter, line.label, labelRoom);
    const double labelEnd = left + QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(label);
    painter.drawText(QPointF(left, y + metrics.ascent()), label);

    painter.setFont(page.body);
    const QString value = fitted(painter, line.value, valueEdge - labelEnd - 2 * space);
    const double valueStart = valueEdge - metrics.horizontalAdvance(value);
    painter.drawText(QPointF(valueStart, y + metrics.ascent()), value);
    if (!line.unit.empty())
        painter.drawText(QPointF(valueEdge + space, y + metrics.ascent()), QString::fromStdString(line.unit));

    if (line.leader && valueStart - labelEnd > 4 * space) {
        // Round dots a little apart, whatever the device's resolution.
        QPen dotted(Qt::black, page.units(4), Qt::CustomDashLine, Qt::RoundCap);
        dotted.setDashPattern({0.01, 6});
        painter.setPen(dotted);
        const double baseline = y + metrics.ascent();
        painter.drawLine(QPointF(labelEnd + space, baseline), QPointF(valueStart - space, baseline));
        painter.setPen(QPen(Qt::black, page.units(1)));
    }
}

}  // namespace

double drawGroups(QPainter& painter, const ReportPage& page, const std::vector<PrintedGroup>& groups,
                  double left, double right, double y) {
    const QFontMetricsF metrics(page.body, painter.device());
    const double indent = metrics.horizontalAdvance("   ");
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const PrintedGroup& group = groups[g];
        if (g > 0) y += page.lineHeight;
        double lineLeft = left;
        if (!group.heading.empty()) {
            painter.setFont(page.heading);
            painter.drawText(QPointF(left, y + metrics.ascent()),
                             fitted(painter, group.heading, right - left));
            y += page.lineHeight;
            lineLeft = left + indent;
        }
        for (const PrintedLine& line : group.lines) {
            painter.setFont(page.body);
            if (line.kind == PrintedLine::Kind::Entry) {
                drawEntry(painter, page, line, lineLeft, right, y);
            } else {
                const QString text = fitted(painter, line.label, right - lineLeft);
                painter.drawText(QPointF(lineLeft, y + metrics.ascent()), text);
                if (line.kind == PrintedLine::Kind::BeepNote) {
                    const double x = lineLeft + metrics.horizontalAdvance(text);
                    const double h = metrics.ascent() * 0.8;
                    painter.drawImage(QRectF(x, y + metrics.ascent() - h, h * 4, h), beepPatternPicture(32));
                }
            }
            y += page.lineHeight;
        }
    }
    return y;
}

double drawGroupColumns(QPainter& painter, const ReportPage& page, const std::vector<PrintedGroup>& groups,
                        double y) {
    const auto split = static_cast<std::ptrdiff_t>(printedColumnSplit(groups));
    const double gap = page.units(240);
    const double middle = (page.left + page.right) / 2;
    const double leftBottom =
        drawGroups(painter, page, {groups.begin(), groups.begin() + split}, page.left, middle - gap / 2, y);
    const double rightBottom =
        drawGroups(painter, page, {groups.begin() + split, groups.end()}, middle + gap / 2, page.right, y);
    return std::max(leftBottom, rightBottom);
}

}  // namespace orv
