#pragma once

// Paints the simulation chart's display list onto any QPainter device (a
// widget, an image, a printer page, a PDF or SVG file) inside a rectangle of
// the painter's coordinates.
//
// The list's fonts and pens are sized in chart units; one unit is
// chartUnitScale(area) of the painter's coordinates, so the chart keeps its
// proportions at any size. Only Qt Gui is needed: it draws offscreen as well.

#include <QColor>
#include <QRectF>

#include "sim/chart_display.h"

class QPainter;

struct ChartColours {
    QColor text = Qt::black;    // axes, grid, frames, labels
    QColor window = Qt::white;  // the background and the strips' hatching
};

// The window-text and window colours of the running application's palette;
// black on white when there is no GUI application.
ChartColours applicationChartColours();

// Painter coordinates per chart unit for a rectangle.
double chartUnitScale(const QRectF& area);

// The whole chart in the application's colours (black on white without one).
void DrawChart(QPainter& painter, const QRectF& area, const orv::ChartDisplay& display);
// The same in chosen colours (a printed page is black on white whatever the screen's theme).
void DrawChart(QPainter& painter, const QRectF& area, const orv::ChartDisplay& display,
               const ChartColours& colours);
