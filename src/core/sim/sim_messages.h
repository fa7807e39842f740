#pragma once

#include <string>

// The texts of the simulation and its energy budget.

namespace orv {

// A run that the watchdog or a limit stopped; the points found so far are shown.
inline constexpr const char* kSimulationFailedMessage =
    "The simulation failed.  Check the season schedule parameters.\nPoints that were calculated will be displayed.";

// Why a budget counts only part of the events, and the line that says so.
inline constexpr const char* kStoppedByTimeLimit = "the simulation was stopped by its time limit";
std::string partialBudgetLine(const std::string& reason);
// The heading of the budget's per-season ledger.
inline constexpr const char* kBudgetLedgerHeading =
    "By season (nominal, without sleep, beacon and self-discharge):";

// A deployment date and years that end after the collar's 32-bit clock.
std::string pastCollarClockMessage(double years);

}  // namespace orv
