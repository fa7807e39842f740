#pragma once

// The simulation chart as a display list: lines, rectangles and texts placed
// in fractions (0..1) of the chart's rectangle, x from its left edge, y from
// its top edge. The window and the printed report only paint the list, in
// order: rectangles, then lines, then texts.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sim/simulation_chart.h"

namespace orv {

enum class ChartPen {
    Axis,                    // solid, 1 unit, window-text colour
    Grid,                    // dotted, 1 unit, window-text colour
    Frame,                   // solid, 30 units
    GpsMark,                 // solid, 50 units, blue (0, 0, 255)
    TransmitterMark,         // solid, 50 units, orange (255, 176, 0)
    BatteryLine,             // solid, 20 units, red (200, 0, 0)
    PessimisticBatteryLine,  // dashed, 20 units, red (200, 0, 0)
};

enum class ChartBrush {
    Window,
    HatchHorizontal,
    HatchVertical,
    HatchForwardDiagonal,
    HatchBackwardDiagonal,
    HatchCross,
    HatchDiagonalCross
};

enum class ChartFont {
    Regular200,
    SemiBold200,
    Regular175,
    SemiBold175
};  // "Arial", heights in logical units

enum class ChartAlign { Start, Centre, End };

struct ChartPenStyle {
    bool dotted;
    int width;        // logical units
    bool textColour;  // the window-text colour; otherwise red, green, blue
    int red, green, blue;
    bool dashed = false;
};
struct ChartFontStyle {
    const char* family;
    int height;  // logical units
    int weight;  // 400 regular, 600 semi-bold
};
ChartPenStyle chartPenStyle(ChartPen pen);
ChartFontStyle chartFontStyle(ChartFont font);

struct ChartLine {
    double x0, y0, x1, y1;
    ChartPen pen;
};

struct ChartRect {
    double left, top, right, bottom;
    ChartPen pen;
    ChartBrush brush;  // in the window colour
};

// A text anchored at (x, y): horizontally its start, centre or end; vertically
// its top, middle or bottom.
struct ChartText {
    double x, y;
    std::string text;
    ChartFont font;
    ChartAlign horizontal;
    ChartAlign vertical;
};

struct ChartDisplay {
    std::vector<ChartRect> rects;
    std::vector<ChartLine> lines;
    std::vector<ChartText> texts;
    // The height of a line of the regular (175) text as a share of the chart's
    // height, the larger fonts in proportion; 0: the fonts' own heights in
    // chart units.
    double textHeight = 0;
};

// The window's text on the chart: a line of it as a share of the chart's
// height and a digit as a share of its width. The axis is laid out for it:
// rows far enough apart, and labels thinned where they would run into each
// other. Zero (a printed page): the chart's own text sizes, which scale with it.
struct ChartTextFit {
    double fontHeight = 0;  // the regular font's size
    double lineHeight = 0;  // a line of it, with its descent and leading
    double digitWidth = 0;
    bool fitted() const { return lineHeight > 0 && digitWidth > 0; }
};

// The geometry the list is drawn on: the plot area (where time runs from left
// to right) and the two strips, GPS fixes above the transmitter.
struct ChartGeometry {
    static constexpr double kMargin = 0.01;
    static constexpr double plotLeft = kMargin + 0.16;
    static constexpr double plotRight = 1 - kMargin - 0.015;
    // Each strip has half the chart as its band and spans 0.05 .. 0.71 of the
    // band's height from its bottom; the band's top part above the GPS strip
    // holds the date axis.
    static constexpr double stripTop(int strip) { return 0.5 * strip + 0.5 * (1 - 0.71); }
    static constexpr double stripBottom(int strip) { return 0.5 * strip + 0.5 * (1 - 0.05); }
    // The titles stand at 0.446 (GPS Fixes) and 0.314 (Transmitter) of their band's height from its bottom.
    static constexpr double titleY(int strip) {
        return 0.5 * strip + 0.5 * (1 - (strip == 0 ? 0.446 : 0.314));
    }
};

inline constexpr int kChartGpsStrip = 0;
inline constexpr int kChartTransmitterStrip = 1;

// A labelled tick of the date axis: its time and its label.
struct ChartTick {
    std::int64_t time;
    std::string label;
};

// The lower row: every tick whose label stands inside the plot, in time order.
// With a text fit, every second (third, ...) one when one a tick would not fit.
std::vector<ChartTick> chartLowerTicks(const SimulationChart& chart, const ChartTextFit& fit = {});
// The upper row: every coarse tick up to the view's end; the first one carries
// the full date. A week or day that begins before the view start is named by
// the first day shown, over which its label stands. With a text fit, a first
// label that would run into the next one is left out (the next one is full).
std::vector<ChartTick> chartUpperLabels(const SimulationChart& chart, const ChartTextFit& fit = {});

// An event inside the view, placed: x is the left edge of its day column as a
// fraction of the plot width, (day start - view start) / span; h is the time of
// day measured down from the strip's top, (1 - (t mod 86400) / 86400) - 0.001,
// so that midnight sits at the bottom and the evening near the top.
struct ChartMark {
    std::uint32_t time;
    double x;
    double h;
};
// The events of a list inside the view, in the list's (time) order.
std::vector<ChartMark> chartMarks(const SimulationChart& chart, std::span<const std::uint32_t> events);

// The whole chart for the events of both channels; a disabled strip is left out.
ChartDisplay chartDisplay(const SimulationChart& chart, std::span<const std::uint32_t> fixes, bool gpsEnabled,
                          std::span<const std::uint32_t> transmissions, bool transmitterEnabled,
                          const ChartTextFit& fit = {});

// The share of a day column's width left free on either side of its marks:
// columns stand apart when the days are narrow, and the marks fill the day
// at the closer zoom levels.
double chartColumnGap(int zoomLevel);

}  // namespace orv
