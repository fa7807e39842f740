#include "sim/simulation_chart.h"

#include <algorithm>
#include <limits>

#include "sim/sim_date.h"

namespace orv {

namespace {

constexpr std::int64_t kDay = kSecondsPerDay;
constexpr std::int64_t kLatestStart = kChartLatestViewStart;
constexpr std::int64_t kLastTime = std::numeric_limits<std::uint32_t>::max();

std::int64_t floorTo(std::int64_t time, std::int64_t unit) {
    return time - SimulationChart::floorMod(time, unit);
}

std::int64_t monthStart(std::int64_t time) {
    const SimDate date = simDate(static_cast<std::uint32_t>(std::clamp<std::int64_t>(time, 0, kLastTime)));
    return static_cast<std::int64_t>(date.dayNumber - (date.day - 1)) * kDay;
}

}  // namespace

SimulationChart::SimulationChart(std::int64_t now) {
    showRunFrom(now);
}

std::int64_t SimulationChart::scrollStep() const {
    static constexpr std::int64_t kSteps[] = {1209600, 518400, 57600};  // 14 days, 6 days, 16 hours
    return kSteps[level];
}

void SimulationChart::setViewStart(std::int64_t time) {
    start = std::clamp<std::int64_t>(time, 0, kLatestStart);
}

void SimulationChart::zoomIn() {
    if (level == 0) {
        level = 1;
        span = kChartSpanLevel1;
        tickGranularity = GranularityDay;
    } else if (level == 1) {
        level = 2;
        span = kChartSpanLevel2;
        tickGranularity = GranularityFourHours;
    }
}

void SimulationChart::zoomOut() {
    if (level == 2) {
        level = 1;
        span = kChartSpanLevel1;
        tickGranularity = GranularityDay;
        setViewStart(floorTo(start, kDay));
    } else if (level == 1) {
        level = 0;
        span = kChartSpanLevel0;
        tickGranularity = GranularityDay;
        setViewStart(floorTo(start, kSecondsPerWeek));
    }
}

std::int64_t tickSeconds(int granularity) {
    switch (granularity) {
        case GranularityWeek:
            return kSecondsPerWeek;
        case GranularityDay:
            return kDay;
        case GranularityFourHours:
            return 14400;
        case GranularityHour:
            return 3600;
        default:
            return 0;
    }
}

std::int64_t tickAtOrBefore(std::int64_t time, int granularity) {
    if (granularity == GranularityMonth) return monthStart(time);
    if (granularity == GranularityWeek) {
        // 1 January 1970 was a Thursday: three days on, weeks begin on Sunday.
        constexpr std::int64_t kThreeDays = 3 * kDay;
        return floorTo(time - kThreeDays, kSecondsPerWeek) + kThreeDays;
    }
    return floorTo(time, tickSeconds(granularity));
}

std::int64_t tickAfter(std::int64_t tick, int granularity) {
    if (granularity == GranularityMonth) {
        // The month after the clock's last one begins after every view ends:
        // the next tick always lies after this one.
        const std::int64_t inNextMonth = monthStart(tick) + 32 * kDay;
        return inNextMonth > kLastTime ? inNextMonth : monthStart(inNextMonth);
    }
    return tick + tickSeconds(granularity);
}

const char* axisCaption(int granularity) {
    static constexpr const char* kCaptions[] = {"Month", "Week", "Date", "4 Hours", "Hour"};
    return granularity >= 0 && granularity < 5 ? kCaptions[granularity] : "";
}

}  // namespace orv
