#pragma once

// The battery and event budget of a schedule: from the simulated events of the
// deployment period, the charge each day draws, when the usable charge is
// spent, the projected life, and the figures per deployment year.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/energy_settings.h"
#include "sim/chart_display.h"
#include "sim/run_simulation.h"

namespace orv {

struct BudgetYear {
    int year = 0;  // 1 = the first year from the deployment date
    std::int64_t fixes = 0;
    std::int64_t transmissions = 0;
    double chargeMas = 0;
};

struct Budget {
    std::uint32_t start = 0;  // 00:00 UTC of the deployment date
    int days = 0;             // D: the simulated period, years x 365 days
    std::int64_t fixes = 0;
    std::int64_t transmissions = 0;
    double chargeMas = 0;  // over the period
    double usableMas = 0;
    std::optional<int> batteryEndDay;  // the day at whose end the usable charge is spent
    std::int64_t projectedDays = 0;
    bool partial = false;
    std::string partialReason;  // why, when partial
    EnergySettings energy;
    std::vector<double> dailyMas;  // the charge of each day of the period
    std::vector<BudgetYear> perYear;

    std::uint32_t dayStart(int day) const { return start + static_cast<std::uint32_t>(day) * 86400u; }
    std::uint32_t periodEnd() const { return dayStart(days); }
};

inline constexpr double kMasPerMah = 3600;

// The budget of a run of `years` simulated years (the record's "Simulation
// Years") with the energy figures given.
Budget computeBudget(const SimulationJob& run, double years, const EnergySettings& energy);

// "YYYY-MM-DD" of a time, UTC.
std::string budgetDate(std::uint32_t time);

// The budget as lines of text, as the Simulation tab's panel and the printed
// simulation report show it: means per day, charge used, usable capacity,
// battery end (or "lasts beyond"), projected life, and the partial note.
std::vector<std::string> budgetLines(const Budget& budget);

// The battery remaining, day by day, as a line across the plot in a strip:
// 100 % at the strip's top, 0 % at its bottom; only inside the view and the
// simulated period.
std::vector<ChartLine> batteryLine(const SimulationChart& chart, const Budget& budget, int strip);

}  // namespace orv
