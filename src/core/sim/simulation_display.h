#pragma once

// The simulation chart's display list as the Simulation tab paints it and the
// printed simulation report prints it: the marks of the enabled strips and,
// when a budget is given, its battery line over the upper strip drawn.

#include <cstdint>
#include <span>

#include "sim/budget.h"
#include "sim/chart_display.h"
#include "sim/simulation_chart.h"

namespace orv {

// battery: the budget whose lines are drawn; nullptr when they are switched off.
// fit: the window's text (none on a printed page).
ChartDisplay simulationDisplay(const SimulationChart& chart, std::span<const std::uint32_t> fixes,
                               bool gpsEnabled, std::span<const std::uint32_t> transmissions,
                               bool transmitterEnabled, const Budget* battery, const ChartTextFit& fit = {});

}  // namespace orv
