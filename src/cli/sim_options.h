#pragma once

// What the simulation commands (simulate, chart, budget) share: the
// deployment date and years options, and the run on the loaded configuration.

#include <cstdint>
#include <string>

#include "cli.h"
#include "sim/run_simulation.h"

namespace orv::cli {

// "YYYY-MM-DD" as 00:00 UTC of that day; false for anything else.
bool parseDate(const std::string& text, std::uint32_t& time);

struct SimulationOptions {
    std::uint32_t start = 0;
    int years = 0;  // 0: the configuration's "Simulation Years"
};

// --start (required) and --years (1..8); the command takes no positional
// argument. Returns an exit status.
int readSimulationOptions(const std::string& command, const Args& args, SimulationOptions& options);

// Loads the configuration, applies the years and runs the simulation. A run
// the watchdog stopped still returns kExitOk: job.stopped says so.
int simulateConfiguration(Session& session, const Args& args, const SimulationOptions& options,
                          SimulationJob& job);

}  // namespace orv::cli
