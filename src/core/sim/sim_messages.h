#pragma once

// The texts of the simulation.

namespace orv {

// A run that the watchdog or a limit stopped; the points found so far are shown.
inline constexpr const char* kSimulationFailedMessage =
    "The simulation failed.  Check the season schedule parameters.\nPoints that were calculated will be displayed.";

}  // namespace orv
