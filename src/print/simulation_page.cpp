// The printed schedule simulation report: the header, the identity lines and
// the chart twice, one panel under the other, each as the Simulation tab
// paints it (with the battery line when the snapshot carries a budget).

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "draw/draw_chart.h"
#include "report_drawing.h"
#include "report_page.h"
#include "sim/simulation_display.h"

namespace orv {

namespace {

constexpr int kScrollStepsBetweenPanels = 2;

void drawPanel(QPainter& painter, const QRectF& area, const SimulationChart& chart,
               const SimulationSnapshot& s) {
    const ChartDisplay display = simulationDisplay(chart, s.fixes, s.gpsEnabled, s.transmissions,
                                                   s.transmitterEnabled, s.battery.get());
    painter.save();
    DrawChart(painter, area, display, ChartColours{Qt::black, Qt::white});
    painter.restore();
}

// The table under the notes: the first column to the left, the others (numbers)
// to the right of columns as wide as their widest cell.
void drawTable(QPainter& painter, const ReportPage& page, const std::vector<std::vector<std::string>>& rows,
               double top) {
    if (rows.size() < 2) return;  // a heading alone says nothing
    const QFontMetricsF metrics(page.body, painter.device());
    const double gap = metrics.horizontalAdvance(QStringLiteral("    "));
    std::vector<double> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(QString::fromStdString(row[c])));
    double y = top;
    for (const auto& row : rows) {
        double x = page.left;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            const QString cell = QString::fromStdString(row[c]);
            const double inset = c == 0 ? 0 : widths[c] - metrics.horizontalAdvance(cell);
            painter.drawText(QPointF(x + inset, y + metrics.ascent()), cell);
            x += widths[c] + gap;
        }
        y += page.lineHeight;
    }
}

}  // namespace

void drawSimulationReport(QPainter& painter, QPagedPaintDevice& device, const ParameterRecord& record,
                          const SimulationSnapshot& simulation) {
    const ReportPage page = reportPage(device);
    painter.setPen(QPen(Qt::black, page.units(1)));
    double y = drawReportHeader(painter, page, kPrintedSimulationHeader);

    const std::vector<PrintedGroup> groups = printedIdentityGroups(record);
    y = drawGroupColumns(painter, page, groups, y) + page.lineHeight / 2;
    painter.setPen(QPen(Qt::black, page.units(1)));
    painter.drawLine(QPointF(page.left, y), QPointF(page.right, y));

    // The panels fill the width between the margins, each half as high as wide,
    // from a fifth of the way down the sheet (lower when the notes run long),
    // the second right under the first; flatter when both would not fit.
    const double width = page.right - page.left;
    const double top = std::max(page.sheet.height() / 5, y + page.lineHeight);
    const double notesHeight =
        static_cast<double>(simulation.notes.size() + simulation.table.size()) * page.lineHeight;
    const double height = std::min(width / 2, (page.bottom - top - notesHeight) / 2);
    const QRectF first(page.left, top, width, height);
    drawPanel(painter, first, simulation.chart, simulation);

    // The second panel two scroll steps on, from a copy: the window's chart keeps its view.
    SimulationChart later = simulation.chart;
    for (int step = 0; step < kScrollStepsBetweenPanels; ++step) later.scrollForward();
    const QRectF second(page.left, first.bottom(), width, height);
    drawPanel(painter, second, later, simulation);

    // The notes of the run under the charts.
    painter.setFont(page.body);
    const QFontMetricsF metrics(page.body, painter.device());
    double noteY = second.bottom();
    for (const std::string& note : simulation.notes) {
        painter.drawText(QPointF(page.left, noteY + metrics.ascent()), fitted(painter, note, width));
        noteY += page.lineHeight;
    }
    drawTable(painter, page, simulation.table, noteY);
}

}  // namespace orv
