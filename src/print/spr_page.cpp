// The printed programming report: header, two columns of label-value groups,
// the season parameters and the schedule table across the page.

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "report_drawing.h"
#include "report_page.h"
#include "reports/schedule_table.h"

namespace orv {

namespace {

// Draws the schedule table's header and the rule under it; returns the y below.
double drawScheduleHeader(QPainter& painter, const ReportPage& page, const ScheduleTable& table,
                          const ScheduleColumns& columns, double y) {
    const QFontMetricsF metrics(page.heading, painter.device());
    painter.setFont(page.heading);
    for (std::size_t c = 0; c < 4; ++c) {
        if (table.header[c].empty()) continue;
        const QRectF cell(columns.left[c], y, columns.right[c] - columns.left[c], page.lineHeight);
        const int align = c < 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        const QRectF inset = c < 2 ? cell : cell.adjusted(columns.textInset, 0, 0, 0);
        painter.drawText(inset, align | Qt::AlignTop, fitted(painter, table.header[c], inset.width()));
    }
    y += page.lineHeight + metrics.descent();
    painter.setPen(QPen(Qt::black, page.units(1)));
    painter.drawLine(QPointF(page.left, y), QPointF(page.right, y));
    return y + page.units(20);
}

// A column's width for its text: the GPS and transmitter texts start inside theirs.
double textWidth(const ScheduleColumns& columns, std::size_t c) {
    return columns.right[c] - columns.left[c] - (c < 2 ? 0 : columns.textInset);
}

// The lines of one cell: each text broken at blanks where it is wider than the
// column (a date range goes on two lines), so nothing is cut off.
std::vector<QString> cellLines(const QFontMetricsF& metrics, const std::vector<std::string>& texts,
                               double width) {
    std::vector<QString> lines;
    for (const std::string& text : texts) {
        QString line;
        for (const QString& word : QString::fromStdString(text).split(' ')) {
            const QString longer = line.isEmpty() ? word : line + ' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.push_back(metrics.elidedText(line, Qt::ElideRight, width));
    }
    return lines;
}

using RowCells = std::array<std::vector<QString>, 4>;

RowCells rowCells(const QFontMetricsF& metrics, const ScheduleRow& row, const ScheduleColumns& columns) {
    RowCells cells;
    for (std::size_t c = 0; c < 4; ++c) cells[c] = cellLines(metrics, row.columns[c], textWidth(columns, c));
    return cells;
}

std::size_t rowLines(const RowCells& cells) {
    std::size_t lines = 1;
    for (const auto& cell : cells) lines = std::max(lines, cell.size());
    return lines;
}

void drawScheduleRow(QPainter& painter, const ReportPage& page, const RowCells& cells,
                     const ScheduleColumns& columns, double y) {
    painter.setFont(page.body);
    for (std::size_t c = 0; c < 4; ++c) {
        double lineY = y;
        for (const QString& text : cells[c]) {
            const QRectF cell(columns.left[c], lineY, columns.right[c] - columns.left[c], page.lineHeight);
            if (c < 2) {
                painter.drawText(cell, Qt::AlignHCenter | Qt::AlignTop, text);
            } else {
                painter.drawText(cell.adjusted(columns.textInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                                 text);
            }
            lineY += page.lineHeight;
        }
    }
}

}  // namespace

void drawSprReport(QPainter& painter, QPagedPaintDevice& device, const ParameterRecord& record,
                   const std::string& titleSuffix) {
    const ReportPage page = reportPage(device);
    painter.setPen(QPen(Qt::black, page.units(1)));
    double y = drawReportHeader(painter, page, kPrintedSprHeader, titleSuffix);

    const std::vector<PrintedGroup> groups = printedSprGroups(record);
    y = drawGroupColumns(painter, page, groups, y) + page.lineHeight;

    const QFontMetricsF metrics(page.body, painter.device());
    painter.setFont(page.heading);
    painter.drawText(QPointF(page.left, y + metrics.ascent()), "Season Parameters:");
    y += page.lineHeight;
    if (const std::string warning = printedSeasonWarning(record); !warning.empty()) {
        painter.drawText(QPointF(page.left, y + metrics.ascent()),
                         fitted(painter, warning, page.right - page.left));
        y += page.lineHeight;
    }
    y += page.lineHeight / 2;

    const ScheduleTable table = scheduleTable(record);
    const ScheduleColumns columns = scheduleColumns(page.left, page.right, [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    });
    y = drawScheduleHeader(painter, page, table, columns, y);
    for (const ScheduleRow& row : table.rows) {
        const RowCells cells = rowCells(metrics, row, columns);
        const double height = static_cast<double>(rowLines(cells)) * page.lineHeight;
        if (y + height > page.bottom) {
            // The seasons that do not fit go on to the next page under the same header.
            device.newPage();
            y = drawScheduleHeader(painter, page, table, columns, page.top);
        }
        drawScheduleRow(painter, page, cells, columns, y);
        y += height + page.units(12);
    }
}

}  // namespace orv
