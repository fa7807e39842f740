#include "sim/deployment_count.h"

#include <algorithm>
#include <cmath>

#include "sim/simulation_image.h"

namespace orv {

int deploymentDays(std::uint32_t start, double years) {
    const double span = std::isnan(years) ? 0 : std::floor(std::max(0.0, years) * 365);
    const double room = std::floor((4294967295.0 - start) / kSecondsPerDay);
    return static_cast<int>(std::min(span, room));
}

void DeploymentCount::reset(std::uint32_t from, int dayCount) {
    start = from;
    days = std::max(0, dayCount);
    attempts.assign(static_cast<std::size_t>(days), 0);
    transmissions.assign(static_cast<std::size_t>(days), 0);
    seasonAttempts.fill(0);
    seasonTransmissions.fill(0);
    seasonsEntered = 0;
}

void DeploymentCount::add(int channel, std::uint32_t time, int season) {
    addRun(channel, time, 0, 1, season);
}

void DeploymentCount::addRun(int channel, std::uint32_t first, std::uint32_t step, std::uint32_t n,
                             int season) {
    std::vector<std::uint32_t>& perDay = channel == kSimGps ? attempts : transmissions;
    auto& perSeason = channel == kSimGps ? seasonAttempts : seasonTransmissions;
    perSeason[static_cast<std::size_t>(season)] += n;
    // Day by day: the events of the run that fall on each day.
    std::uint64_t time = first;
    while (n > 0) {
        const std::uint64_t day = (time - start) / kSecondsPerDay;
        const std::uint64_t dayEnd = start + (day + 1) * kSecondsPerDay;
        const std::uint64_t onDay =
            step == 0 ? n : std::min<std::uint64_t>(n, (dayEnd - 1 - time) / step + 1);
        perDay[day] += static_cast<std::uint32_t>(onDay);
        time += onDay * step;
        n -= static_cast<std::uint32_t>(onDay);
    }
}

}  // namespace orv
