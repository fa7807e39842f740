#pragma once

// What every printed report shares: the page's margins, the fonts, and the
// header with the title, the application line, the rule and the logo.

#include <QFont>
#include <QRectF>
#include <string>
#include <vector>

#include "reports/printed_spr.h"

class QPainter;
class QPaintDevice;

namespace orv {

struct ReportPage {
    double resolution = 600;  // dots per inch of the device
    QRectF sheet;             // the whole sheet
    // The printable frame: 0.7 inch from the left and right edges, 0.5 inch
    // from the top and the bottom.
    double left = 0, right = 0, top = 0, bottom = 0;
    QFont title;            // 9 pt bold
    QFont heading;          // 6 pt bold: group headings and identity labels
    QFont body;             // 6 pt
    double lineHeight = 0;  // of the body font, with its leading

    // A length given in the units of a 600-dot-per-inch printer, on this device.
    double units(double printerUnits) const { return printerUnits * resolution / 600.0; }
};

// The frame for a device whose sheet starts at its origin (no unprintable offset).
ReportPage reportPage(const QPaintDevice& device);

// Draws the header (title centred over the part left of the logo, the
// application line, the title suffix when there is one, the rule, the logo in
// the top right corner) and returns where the body may begin.
double drawReportHeader(QPainter& painter, const ReportPage& page, const char* header,
                        const std::string& titleSuffix = "");

// Draws groups of label-value lines in one column from y; returns the y below them.
double drawGroups(QPainter& painter, const ReportPage& page, const std::vector<PrintedGroup>& groups,
                  double left, double right, double y);

// Draws the groups in two columns between the margins from y (split where
// printedColumnSplit says); returns the y below the longer column.
double drawGroupColumns(QPainter& painter, const ReportPage& page, const std::vector<PrintedGroup>& groups,
                        double y);

// The text cut with "..." to fit width in the painter's font.
QString fitted(const QPainter& painter, const std::string& text, double width);

}  // namespace orv
