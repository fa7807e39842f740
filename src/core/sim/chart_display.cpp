#include "sim/chart_display.h"

#include <algorithm>
#include <cmath>
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
// The upper row's and the titles' font against the regular one.
constexpr double kLargeFont = 200.0 / 175.0;

// Where the axis rows stand: the chart's own distances, or wider ones that
// keep the window's text apart.
struct AxisLayout {
    double lowerRowY;
    double upperRowY;
    double tickRise;
    double captionDrop;
};
AxisLayout axisLayout(const ChartTextFit& fit) {
    const double line = fit.fitted() ? fit.lineHeight : 0;
    AxisLayout layout{};
    layout.lowerRowY = G::stripTop(kChartGpsStrip) - std::max(kRowGap, 0.3 * line);
    layout.upperRowY = layout.lowerRowY - std::max(kUpperRowRise, 1.2 * kLargeFont * line);
    layout.tickRise = std::max(kTickRise, 1.1 * line);
    layout.captionDrop = std::max(kCaptionDrop, 1.1 * line);
    return layout;
}

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

// Lower-row labels: one every `stride` ticks, counted from 1970 so that a
// scroll keeps the same ones, when a label is wider than a tick's column.
int labelStride(const SimulationChart& chart, const ChartTextFit& fit) {
    const int g = chart.granularity();
    const std::int64_t seconds = tickSeconds(g);
    if (!fit.fitted() || seconds <= 0) return 1;
    const double characters = g >= GranularityFourHours ? 5 : 2;
    const double needed = (characters + 1.5) * fit.digitWidth;
    const double column =
        static_cast<double>(seconds) / static_cast<double>(chart.viewSpan()) * (G::plotRight - G::plotLeft);
    return std::max(1, static_cast<int>(std::ceil(needed / column - 1e-9)));
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
    ChartBuilder(const SimulationChart& chart, const ChartTextFit& fit)
        : chart(chart), fit(fit), layout(axisLayout(fit)) {}

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
                display.lines.push_back({x, layout.lowerRowY - layout.tickRise, x,
                                         G::stripBottom(kChartTransmitterStrip), ChartPen::Grid});
        }
        for (ChartTick& tick : chartLowerTicks(chart, fit))
            text(labelCentre(chart, tick.time, g), layout.lowerRowY, std::move(tick.label),
                 ChartFont::Regular175, ChartAlign::Centre, ChartAlign::End);
        text(G::plotLeft - kLabelGap, layout.lowerRowY, axisCaption(g), ChartFont::SemiBold175,
             ChartAlign::End, ChartAlign::End);
        display.lines.push_back({G::plotLeft, G::stripTop(kChartGpsStrip), G::plotRight,
                                 G::stripTop(kChartGpsStrip), ChartPen::Axis});
    }

    void upperRow() {
        for (ChartTick& tick : chartUpperLabels(chart, fit)) {
            const double x = xOf(tick.time);
            if (inPlot(x))
                display.lines.push_back(
                    {x, layout.upperRowY - layout.tickRise, x, G::stripTop(kChartGpsStrip), ChartPen::Axis});
            text(std::max(x, G::plotLeft) + kLabelGap, layout.upperRowY, std::move(tick.label),
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
        text(kMarginX, G::titleY(index) + layout.captionDrop, "Hour (UTC)", ChartFont::Regular175,
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
        const double gap = dayWidth * chartColumnGap(chart.zoomLevel());
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
    const ChartTextFit& fit;
    AxisLayout layout;
    ChartDisplay display;
};

}  // namespace

std::vector<ChartTick> chartLowerTicks(const SimulationChart& chart, const ChartTextFit& fit) {
    const int g = chart.granularity();
    const int stride = labelStride(chart, fit);
    const std::int64_t seconds = std::max<std::int64_t>(1, tickSeconds(g));
    std::vector<ChartTick> ticks;
    for (std::int64_t tick = tickAtOrBefore(chart.viewStart(), g); tick < chart.viewEnd();
         tick = tickAfter(tick, g))
        if (inPlot(labelCentre(chart, tick, g)) && SimulationChart::floorMod(tick / seconds, stride) == 0)
            ticks.push_back({tick, lowerLabel(tick, g)});
    return ticks;
}

std::vector<ChartTick> chartUpperLabels(const SimulationChart& chart, const ChartTextFit& fit) {
    static constexpr int kCoarse[] = {GranularityMonth, GranularityWeek, GranularityDay};
    const int g = kCoarse[chart.zoomLevel()];
    const std::int64_t firstDay =
        chart.viewStart() - SimulationChart::floorMod(chart.viewStart(), kSecondsPerDay);
    std::vector<ChartTick> ticks;
    for (std::int64_t tick = tickAtOrBefore(chart.viewStart(), g); tick < chart.viewEnd();
         tick = tickAfter(tick, g)) {
        // A week begun before the view: its label stands over the first day
        // shown, so it names that day.
        const std::int64_t named = g == GranularityWeek ? std::max(tick, firstDay) : tick;
        ticks.push_back({named, upperLabel(named, g, ticks.empty())});
    }
    if (fit.fitted() && ticks.size() > 1) {
        const double start = std::max(xOf(chart, ticks[0].time), G::plotLeft) + kLabelGap;
        const double width = static_cast<double>(ticks[0].label.size()) * fit.digitWidth * kLargeFont;
        if (start + width + fit.digitWidth > xOf(chart, ticks[1].time)) {
            ticks.erase(ticks.begin());
            ticks[0].label = upperLabel(ticks[0].time, g, true);
        }
    }
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
        case ChartPen::PessimisticBatteryLine:
            return {false, 20, false, 200, 0, 0, true};
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

double chartColumnGap(int zoomLevel) {
    static constexpr double kGaps[] = {0.15, 0.04, 0.005};
    return kGaps[std::clamp(zoomLevel, 0, 2)];
}

ChartDisplay chartDisplay(const SimulationChart& chart, std::span<const std::uint32_t> fixes, bool gpsEnabled,
                          std::span<const std::uint32_t> transmissions, bool transmitterEnabled,
                          const ChartTextFit& fit) {
    ChartBuilder builder(chart, fit);
    builder.display.textHeight = fit.fitted() ? fit.fontHeight : 0;
    // The axis and its grid first, so that the marks are painted over them.
    builder.lowerRow();
    builder.upperRow();
    if (gpsEnabled) builder.strip(kChartGpsStrip, "GPS Fixes", fixes, ChartPen::GpsMark);
    if (transmitterEnabled)
        builder.strip(kChartTransmitterStrip, "Transmitter", transmissions, ChartPen::TransmitterMark);
    return std::move(builder.display);
}

}  // namespace orv
