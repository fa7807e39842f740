#include "sim/chart_display.h"

#include <algorithm>
#include <string_view>

#include "app/format_text.h"
#include "model/lists.h"
#include "sim/sim_date.h"

namespace orv {

namespace {

using G = ChartGeometry;

// Distances between labels and the lines they belong to.
constexpr double kLabelGap = 0.005;
constexpr double kRowGap = 0.012;
constexpr double kUpperRowRise = 0.028;
constexpr double kCaptionDrop = 0.026;
constexpr double kTickRise = 0.025;
// Each day column leaves this share of its width free on either side.
constexpr double kColumnGap = 0.15;

constexpr double kLowerRowY = G::stripTop(kChartGpsStrip) - kRowGap;
constexpr double kUpperRowY = kLowerRowY - kUpperRowRise;

SimDate dateOf(std::int64_t time) {
    return simDate(static_cast<std::uint32_t>(std::max<std::int64_t>(time, 0)));
}

std::string monthName(int month) {
    std::string_view name = monthAbbreviations()[static_cast<std::size_t>(month - 1)];
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return std::string(name);
}

std::string lowerLabel(std::int64_t tick, int g) {
    const SimDate date = dateOf(tick);
    switch (g) {
        case GranularityMonth:
            return monthName(date.month);
        case GranularityWeek:
            return formatText("%d", date.day);
        case GranularityDay:
            return formatText("%2d", date.day);
        default:
            return formatText("%d:00", date.hour);
    }
}

// The first label of the row carries the full date, the later ones the short form.
std::string upperLabel(std::int64_t tick, int g, bool full) {
    const SimDate date = dateOf(tick);
    if (g == GranularityMonth) return formatText("%s %d", monthName(date.month).c_str(), date.year);
    if (full) return formatText("%d/%d/%02d", date.month, date.day, date.year % 100);
    return g == GranularityWeek ? formatText("%d", date.day) : formatText("%2d", date.day);
}

// A time's place across the chart.
double xOf(const SimulationChart& chart, std::int64_t time) {
    return G::plotLeft + static_cast<double>(time - chart.viewStart()) /
                             static_cast<double>(chart.viewSpan()) * (G::plotRight - G::plotLeft);
}
bool inPlot(double x) {
    return x >= G::plotLeft && x <= G::plotRight;
}
// A lower-row label stands centred between its tick and the next.
double labelCentre(const SimulationChart& chart, std::int64_t tick, int granularity) {
    return (xOf(chart, tick) + xOf(chart, tickAfter(tick, granularity))) / 2;
}

bool inView(const SimulationChart& chart, std::uint32_t t) {
    return t >= chart.viewStart() && t < chart.viewEnd();
}

// An event's place: its day column's left edge as a share of the plot width,
// and its height in the strip measured down from the top.
ChartMark placeMark(const SimulationChart& chart, std::uint32_t t) {
    const std::uint32_t secondOfDay = t % kSecondsPerDay;
    return {t,
            static_cast<double>(static_cast<std::int64_t>(t - secondOfDay) - chart.viewStart()) /
                static_cast<double>(chart.viewSpan()),
            (1 - static_cast<double>(secondOfDay) / kSecondsPerDay) - 0.001};
}

class ChartBuilder {
public:
    explicit ChartBuilder(const SimulationChart& chart) : chart(chart) {}

    double xOf(std::int64_t time) const { return orv::xOf(chart, time); }

    void text(double x, double y, std::string value, ChartFont font, ChartAlign h, ChartAlign v) {
        display.texts.push_back({x, y, std::move(value), font, h, v});
    }

    void lowerRow() {
        const int g = chart.granularity();
        // A grid line for every tick in the plot, a label for those centred in it.
        for (std::int64_t tick = tickAtOrBefore(chart.viewStart(), g); tick < chart.viewEnd();
             tick = tickAfter(tick, g)) {
            const double x = xOf(tick);
            if (inPlot(x))
                display.lines.push_back(
                    {x, kLowerRowY - kTickRise, x, G::stripBottom(kChartTransmitterStrip), ChartPen::Grid});
        }
        for (ChartTick& tick : chartLowerTicks(chart))
            text(labelCentre(chart, tick.time, g), kLowerRowY, std::move(tick.label), ChartFont::Regular175,
                 ChartAlign::Centre, ChartAlign::End);
        text(G::plotLeft - kLabelGap, kLowerRowY, axisCaption(g), ChartFont::SemiBold175, ChartAlign::End,
             ChartAlign::End);
        display.lines.push_back({G::plotLeft, G::stripTop(kChartGpsStrip), G::plotRight,
                                 G::stripTop(kChartGpsStrip), ChartPen::Axis});
    }

    void upperRow() {
        for (ChartTick& tick : chartUpperLabels(chart)) {
            const double x = xOf(tick.time);
            if (inPlot(x))
                display.lines.push_back(
                    {x, kUpperRowY - kTickRise, x, G::stripTop(kChartGpsStrip), ChartPen::Axis});
            text(std::max(x, G::plotLeft) + kLabelGap, kUpperRowY, std::move(tick.label),
                 ChartFont::SemiBold200, ChartAlign::Start, ChartAlign::End);
        }
    }

    void strip(int index, const char* title, std::span<const std::uint32_t> events, ChartPen markPen) {
        const double top = G::stripTop(index);
        const double bottom = G::stripBottom(index);
        const double height = bottom - top;
        display.rects.push_back(
            {G::plotLeft, top, G::plotRight, bottom, ChartPen::Frame,
             index == kChartGpsStrip ? ChartBrush::HatchHorizontal : ChartBrush::HatchVertical});
        text(kMarginX, G::titleY(index), title, ChartFont::SemiBold200, ChartAlign::Start,
             ChartAlign::Centre);
        text(kMarginX, G::titleY(index) + kCaptionDrop, "Hour (UTC)", ChartFont::Regular175,
             ChartAlign::Start, ChartAlign::Centre);
        for (int hour = 0; hour < 24; hour += 6) {
            const double y = bottom - height * hour / 24;
            if (hour > 0) display.lines.push_back({G::plotLeft, y, G::plotRight, y, ChartPen::Grid});
            text(G::plotLeft - kLabelGap, y, formatText("%2d", hour), ChartFont::Regular175, ChartAlign::End,
                 ChartAlign::Centre);
        }
        text(G::plotLeft - kLabelGap, top, formatText("(%2d)", 24), ChartFont::Regular175, ChartAlign::End,
             ChartAlign::Centre);
        marks(top, bottom, events, markPen);
    }

    // One short stroke per event in view: in the column of its day, as high in
    // the strip as the time of day (UTC) it falls on, midnight at the bottom.
    void marks(double top, double bottom, std::span<const std::uint32_t> events, ChartPen pen) {
        const double plotWidth = G::plotRight - G::plotLeft;
        const double dayWidth =
            static_cast<double>(kSecondsPerDay) / static_cast<double>(chart.viewSpan()) * plotWidth;
        const double gap = dayWidth * kColumnGap;
        const double inset = 0.001;
        display.lines.reserve(display.lines.size() + static_cast<std::size_t>(std::count_if(
                                                         events.begin(), events.end(),
                                                         [&](std::uint32_t t) { return inView(chart, t); })));
        for (const std::uint32_t t : events) {
            if (!inView(chart, t)) continue;
            const ChartMark mark = placeMark(chart, t);
            const std::uint32_t secondOfDay = mark.time % kSecondsPerDay;
            const double column = G::plotLeft + mark.x * plotWidth;
            const double y = bottom - inset - (bottom - top - 2 * inset) * secondOfDay / kSecondsPerDay;
            display.lines.push_back({std::max(column + gap, G::plotLeft), y,
                                     std::min(column + dayWidth - gap, G::plotRight), y, pen});
        }
    }

    static constexpr double kMarginX = G::kMargin;
    const SimulationChart& chart;
    ChartDisplay display;
};

}  // namespace

std::vector<ChartTick> chartLowerTicks(const SimulationChart& chart) {
    const int g = chart.granularity();
    std::vector<ChartTick> ticks;
    for (std::int64_t tick = tickAtOrBefore(chart.viewStart(), g); tick < chart.viewEnd();
         tick = tickAfter(tick, g))
        if (inPlot(labelCentre(chart, tick, g))) ticks.push_back({tick, lowerLabel(tick, g)});
    return ticks;
}

std::vector<ChartTick> chartUpperLabels(const SimulationChart& chart) {
    static constexpr int kCoarse[] = {GranularityMonth, GranularityWeek, GranularityDay};
    const int g = kCoarse[chart.zoomLevel()];
    std::vector<ChartTick> ticks;
    for (std::int64_t tick = tickAtOrBefore(chart.viewStart(), g); tick < chart.viewEnd();
         tick = tickAfter(tick, g))
        ticks.push_back({tick, upperLabel(tick, g, ticks.empty())});
    return ticks;
}

std::vector<ChartMark> chartMarks(const SimulationChart& chart, std::span<const std::uint32_t> events) {
    std::vector<ChartMark> marks;
    for (const std::uint32_t t : events)
        if (inView(chart, t)) marks.push_back(placeMark(chart, t));
    return marks;
}

ChartPenStyle chartPenStyle(ChartPen pen) {
    switch (pen) {
        case ChartPen::Axis:
            return {false, 1, true, 0, 0, 0};
        case ChartPen::Grid:
            return {true, 1, true, 0, 0, 0};
        case ChartPen::Frame:
            return {false, 30, true, 0, 0, 0};
        case ChartPen::GpsMark:
            return {false, 50, false, 0, 0, 255};
        case ChartPen::TransmitterMark:
            return {false, 50, false, 255, 176, 0};
        case ChartPen::BatteryLine:
            return {false, 20, false, 200, 0, 0};
    }
    return {false, 1, true, 0, 0, 0};
}

ChartFontStyle chartFontStyle(ChartFont font) {
    switch (font) {
        case ChartFont::Regular200:
            return {"Arial", 200, 400};
        case ChartFont::SemiBold200:
            return {"Arial", 200, 600};
        case ChartFont::Regular175:
            return {"Arial", 175, 400};
        case ChartFont::SemiBold175:
            return {"Arial", 175, 600};
    }
    return {"Arial", 200, 400};
}

ChartDisplay chartDisplay(const SimulationChart& chart, std::span<const std::uint32_t> fixes, bool gpsEnabled,
                          std::span<const std::uint32_t> transmissions, bool transmitterEnabled) {
    ChartBuilder builder(chart);
    // The axis and its grid first, so that the marks are painted over them.
    builder.lowerRow();
    builder.upperRow();
    if (gpsEnabled) builder.strip(kChartGpsStrip, "GPS Fixes", fixes, ChartPen::GpsMark);
    if (transmitterEnabled)
        builder.strip(kChartTransmitterStrip, "Transmitter", transmissions, ChartPen::TransmitterMark);
    return std::move(builder.display);
}

}  // namespace orv
