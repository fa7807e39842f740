#pragma once

// What a change does to the deployment: the schedule simulated over the
// record's "Simulation Years" from today, counted by the battery and event
// budget, for the configuration before and after.

#include <cstdint>
#include <string>
#include <vector>

#include "app/energy_settings.h"

namespace orv {

class MessageLog;
struct ParameterRecord;

struct ImpactFigures {
    bool known = false;    // the simulation ran (a firmware it knows, a schedule it could start)
    bool partial = false;  // the budget counted only part of the period
    double fixesPerYear = 0;
    double transmissionsPerYear = 0;
    std::int64_t projectedDays = 0;
};

struct ChangeImpact {
    ImpactFigures before;
    ImpactFigures after;
};

// The figures of one configuration from the day of `now` (seconds since 1970, UTC).
ImpactFigures impactOf(const ParameterRecord& record, std::int64_t now, const EnergySettings& energy,
                       MessageLog& log);

ChangeImpact changeImpact(const ParameterRecord& before, const ParameterRecord& after, std::int64_t now,
                          const EnergySettings& energy, MessageLog& log);

// "Fix attempts per year: OLD -> NEW", the transmissions and the projected
// battery life the same way.
std::vector<std::string> impactLines(const ChangeImpact& impact);

}  // namespace orv
