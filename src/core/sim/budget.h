#pragma once

// The battery and event budget of a schedule: from every fix attempt and
// transmission of the deployment period (the run's count), the charge each
// day draws, when the charge left to use is spent, the projected life, and
// the figures per deployment year and per season. Everything is worked out
// twice: at the nominal fix success and at the pessimistic one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/energy_settings.h"
#include "sim/chart_display.h"
#include "sim/run_simulation.h"

namespace orv {

// A mean day's charge by what draws it, mAs.
struct DailyCharge {
    double fixes = 0;        // fix attempts that get a position
    double failedFixes = 0;  // the others: the receiver on until the fix timeout
    double transmissions = 0;
    double sleep = 0;
    double beacon = 0;
    double total() const { return fixes + failedFixes + transmissions + sleep + beacon; }
};

// The figures at one fix success.
struct BudgetCase {
    double fixSuccessPercent = 100;
    double chargeMas = 0;              // over the period
    std::optional<int> batteryEndDay;  // the day at whose end the charge drawn passes the charge left
    std::int64_t projectedDays = 0;    // 0 when nothing draws charge
    std::vector<double> dailyMas;      // the charge of each day of the period
    DailyCharge meanDailyMas;          // over the period
};

struct BudgetYear {
    int year = 0;  // 1 = the first year from the deployment date
    std::int64_t fixes = 0;
    std::int64_t transmissions = 0;
    double chargeMas = 0;  // nominal
};

// A season's events over the period and their nominal charge (without sleep,
// beacon and self-discharge).
struct BudgetSeason {
    int season = 0;  // 1..12
    std::int64_t attempts = 0;
    std::int64_t transmissions = 0;
    double chargeMas = 0;
};

// The nominal figures are the budget's own (the base); the pessimistic ones beside them.
struct Budget : BudgetCase {
    std::uint32_t start = 0;  // 00:00 UTC of the deployment date
    int days = 0;             // the period: years x 365 days
    std::int64_t fixes = 0;   // fix attempts
    std::int64_t transmissions = 0;
    double usableMas = 0;
    bool partial = false;       // the watchdog stopped the run: the figures count the events found
    std::string partialReason;  // why, when partial
    EnergySettings energy;
    double fixTimeoutSeconds = 0;
    bool beaconEnabled = false;
    BudgetCase pessimistic;
    std::vector<BudgetYear> perYear;
    std::vector<BudgetSeason> perSeason;  // the seasons entered, in season order

    std::uint32_t dayStart(int day) const { return start + static_cast<std::uint32_t>(day) * 86400u; }
    std::uint32_t periodEnd() const { return dayStart(days); }
    // The battery's own loss over a number of days (self-discharge), mAs.
    double selfDischargeMas(double dayCount) const;
};

inline constexpr double kMasPerMah = 3600;

// The budget of a run over `years` simulated years (the record's "Simulation
// Years"; the run's count bounds it) with the energy figures given.
Budget computeBudget(const SimulationJob& run, double years, const EnergySettings& energy);

// "YYYY-MM-DD" of a time, UTC.
std::string budgetDate(std::uint32_t time);

// The budget as lines of text, as the Simulation tab's panel, the printed
// simulation report and orvctl show it: events per day, capacity, the nominal
// and pessimistic battery end and projected life, the mean daily charge by
// what draws it, and the partial note.
std::vector<std::string> budgetLines(const Budget& budget);

// The per-season ledger as text cells: a heading row, then one row per season
// entered (season, attempts, transmissions, mAh).
std::vector<std::vector<std::string>> budgetLedger(const Budget& budget);

// The battery remaining, day by day, as lines across the plot in a strip:
// 100 % at the strip's top, 0 % at its bottom; only inside the view and the
// simulated period. The nominal line, then the pessimistic one (dashed).
std::vector<ChartLine> batteryLine(const SimulationChart& chart, const Budget& budget, int strip);

}  // namespace orv
