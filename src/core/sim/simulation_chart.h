#pragma once

// The state of the simulation chart: which stretch of time it shows, at which
// zoom level, and the tick table of its date axis.

#include <cstdint>
#include <string>

namespace orv {

inline constexpr std::int64_t kChartSpanLevel0 = 3024000;  // 35 days
inline constexpr std::int64_t kChartSpanLevel1 = 1209600;  // 14 days
inline constexpr std::int64_t kChartSpanLevel2 = 172800;   // 2 days
inline constexpr std::int64_t kSecondsPerWeek = 604800;
// The chart shows the times the simulation lists, from 1970 to the end of the
// collar's 32-bit clock: no view starts later than this (its widest span then
// ends on the clock's last second).
inline constexpr std::int64_t kChartLatestViewStart = 0xFFFFFFFFLL - kChartSpanLevel0;

// Tick granularities, by index.
enum ChartGranularity : int {
    GranularityMonth = 0,  // labels only
    GranularityWeek = 1,
    GranularityDay = 2,
    GranularityFourHours = 3,
    GranularityHour = 4,
};

class SimulationChart {
public:
    // The chart opens on today, 00:00 UTC, at zoom level 0.
    explicit SimulationChart(std::int64_t now);

    std::int64_t viewStart() const { return start; }
    std::int64_t viewSpan() const { return span; }
    std::int64_t viewEnd() const { return start + span; }
    int zoomLevel() const { return level; }
    int granularity() const { return tickGranularity; }
    std::int64_t scrollStep() const;

    void zoomIn();
    void zoomOut();
    void scrollForward() { setViewStart(start + scrollStep()); }
    void scrollBackward() { setViewStart(start - scrollStep()); }
    // Every run shows its deployment date from 00:00 UTC, keeping the zoom level.
    void showRunFrom(std::int64_t deployment) { setViewStart(deployment - floorMod(deployment, 86400)); }
    // Any moment, as the "Deploy Date:" button sets the present one.
    void setViewStart(std::int64_t time);

    static std::int64_t floorMod(std::int64_t value, std::int64_t unit) {
        return ((value % unit) + unit) % unit;
    }

private:
    std::int64_t start;
    std::int64_t span = kChartSpanLevel0;
    int level = 0;
    int tickGranularity = GranularityDay;
};

// Seconds per tick of a granularity (0 for months, which vary).
std::int64_t tickSeconds(int granularity);
// The tick at or before time: weeks begin on Sunday 00:00 UTC, months on the 1st.
std::int64_t tickAtOrBefore(std::int64_t time, int granularity);
// The tick after one.
std::int64_t tickAfter(std::int64_t tick, int granularity);
// "Month", "Week", "Date", "4 Hours", "Hour".
const char* axisCaption(int granularity);

}  // namespace orv
