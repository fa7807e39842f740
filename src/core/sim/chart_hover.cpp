#include "sim/chart_hover.h"

#include <algorithm>
#include <cmath>

#include "app/format_text.h"
#include "sim/chart_display.h"
#include "sim/sim_date.h"

namespace orv {

namespace {

using G = ChartGeometry;

// The vertical place of a time of day in a strip, as chartDisplay draws it.
constexpr double kInset = 0.001;

double markY(int strip, std::uint32_t secondOfDay) {
    const double top = G::stripTop(strip);
    const double bottom = G::stripBottom(strip);
    return bottom - kInset - (bottom - top - 2 * kInset) * secondOfDay / kSecondsPerDay;
}

std::optional<ChartHit> hitInStrip(const SimulationChart& chart, int strip, const ChartStripEvents& events,
                                   double x, double y, double tolerance) {
    if (!events.enabled || y < G::stripTop(strip) - tolerance || y > G::stripBottom(strip) + tolerance)
        return std::nullopt;
    const double share = (x - G::plotLeft) / (G::plotRight - G::plotLeft);
    if (share < 0 || share >= 1) return std::nullopt;
    const std::int64_t at =
        chart.viewStart() + static_cast<std::int64_t>(std::floor(share * chart.viewSpan()));
    const std::int64_t day = at - SimulationChart::floorMod(at, kSecondsPerDay);
    // The day's events, then the one drawn nearest the point.
    const auto first = std::lower_bound(events.times.begin(), events.times.end(),
                                        std::max<std::int64_t>(day, chart.viewStart()));
    const auto last = std::lower_bound(first, events.times.end(),
                                       std::min<std::int64_t>(day + kSecondsPerDay, chart.viewEnd()));
    std::optional<ChartHit> best;
    double bestDistance = tolerance;
    for (auto it = first; it != last; ++it) {
        const double distance = std::abs(markY(strip, *it % kSecondsPerDay) - y);
        if (distance > bestDistance) continue;
        bestDistance = distance;
        const auto index = static_cast<std::size_t>(it - events.times.begin());
        best = ChartHit{strip, *it, index < events.seasons.size() ? events.seasons[index] : 0};
    }
    return best;
}

}  // namespace

std::optional<ChartHit> chartHitAt(const SimulationChart& chart, const ChartStripEvents& gps,
                                   const ChartStripEvents& transmitter, double x, double y,
                                   double tolerance) {
    if (auto hit = hitInStrip(chart, kChartGpsStrip, gps, x, y, tolerance)) return hit;
    return hitInStrip(chart, kChartTransmitterStrip, transmitter, x, y, tolerance);
}

std::string chartHitText(const ChartHit& hit) {
    const SimDate date = simDate(hit.time);
    std::string text = formatText("%s\n%04d-%02d-%02d %02d:%02d:%02d UTC",
                                  hit.strip == kChartGpsStrip ? "GPS fix" : "Transmission", date.year,
                                  date.month, date.day, date.hour, date.minute, date.second);
    if (hit.season > 0) text += formatText("\nSeason %d", hit.season);
    return text;
}

}  // namespace orv
