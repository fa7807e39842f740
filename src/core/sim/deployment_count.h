#pragma once

// What the battery and event budget takes from a simulation run: every fix
// attempt and transmission of the deployment period counted by day and by
// season, however many there are (the chart's event lists stop at their point
// limits; this count does not), and the record's figures the budget needs.

#include <array>
#include <cstdint>
#include <vector>

#include "model/definitions.h"
#include "sim/sim_date.h"

namespace orv {

// The days of a deployment of `years` 365-day years from `start` (00:00 UTC),
// kept inside the collar's clock (seconds since 1970 in 32 bits).
int deploymentDays(std::uint32_t start, double years);

struct DeploymentCount {
    std::uint32_t start = 0;                   // 00:00 UTC of the deployment date
    int days = 0;                              // the period counted
    std::vector<std::uint32_t> attempts;       // fix attempts of each day
    std::vector<std::uint32_t> transmissions;  // transmissions of each day
    // By the season (index 0 for season 1) that scheduled the event.
    std::array<std::int64_t, kSeasons> seasonAttempts{};
    std::array<std::int64_t, kSeasons> seasonTransmissions{};
    std::uint16_t seasonsEntered = 0;  // bit s - 1: season s was entered before the period's end
    // From the record: the fix timeout ("Fix Timeout (mm:ss)") and whether the VHF beacon is on.
    double fixTimeoutSeconds = 0;
    bool beaconEnabled = false;

    std::uint64_t end() const { return start + static_cast<std::uint64_t>(days) * kSecondsPerDay; }
    // An empty count of a period.
    void reset(std::uint32_t from, int dayCount);
    // One event of a channel (kSimGps or kSimTransmitter) inside the period.
    void add(int channel, std::uint32_t time, int season);
    // n events of a channel, step seconds apart from first, all inside the period.
    void addRun(int channel, std::uint32_t first, std::uint32_t step, std::uint32_t n, int season);
};

}  // namespace orv
