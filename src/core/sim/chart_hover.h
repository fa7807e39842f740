#pragma once

// Which mark of the chart lies under a point, for the hover text: the event's
// channel, its time and the season that scheduled it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "sim/simulation_chart.h"

namespace orv {

struct ChartStripEvents {
    bool enabled = false;
    std::span<const std::uint32_t> times;   // in time order
    std::span<const std::uint8_t> seasons;  // 1..12 per event; may be empty
};

struct ChartHit {
    int strip = 0;  // kChartGpsStrip or kChartTransmitterStrip
    std::uint32_t time = 0;
    int season = 0;  // 0 when unknown
};

// The event whose mark is nearest the point (x, y, fractions of the chart's
// rectangle), if one lies within tolerance (a fraction of the chart's height)
// of it vertically and inside its day column.
std::optional<ChartHit> chartHitAt(const SimulationChart& chart, const ChartStripEvents& gps,
                                   const ChartStripEvents& transmitter, double x, double y, double tolerance);

// "GPS fix" or "Transmission", the UTC date and time, the season:
// "GPS fix\n2026-03-01 06:00:00 UTC\nSeason 2".
std::string chartHitText(const ChartHit& hit);

}  // namespace orv
