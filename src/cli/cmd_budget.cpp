// orvctl budget: the battery and event budget of the schedule over the
// simulated years, as text or JSON, with the [Energy] figures of ./Orv3.cfg.
// A budget the watchdog cut short is printed, marked partial, and exits 3.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/energy_settings.h"
#include "app/format_text.h"
#include "cli_messages.h"
#include "json_text.h"
#include "sim/budget.h"
#include "sim/sim_messages.h"
#include "sim_options.h"

namespace orv::cli {

namespace {

std::string mah(double mas) {
    return formatText("%.1f", mas / kMasPerMah);
}
std::string mahTwoDecimals(double mas) {
    return formatText("%.2f", mas / kMasPerMah);
}

std::string batteryEndJson(const Budget& budget, const BudgetCase& figures) {
    return figures.batteryEndDay ? "\"" + budgetDate(budget.dayStart(*figures.batteryEndDay)) + "\"" : "null";
}

std::string budgetJson(const Budget& budget) {
    std::string out = "{\n";
    out += "  \"start\": \"" + budgetDate(budget.start) + "\",\n";
    out += "  \"days\": " + std::to_string(budget.days) + ",\n";
    out += "  \"fixes\": " + std::to_string(budget.fixes) + ",\n";
    out += "  \"transmissions\": " + std::to_string(budget.transmissions) + ",\n";
    out += "  \"charge_mAh\": " + mah(budget.chargeMas) + ",\n";
    out += "  \"usable_mAh\": " + mah(budget.usableMas) + ",\n";
    out += "  \"battery_end\": " + batteryEndJson(budget, budget) + ",\n";
    out += "  \"projected_days\": " + std::to_string(budget.projectedDays) + ",\n";
    out += std::string("  \"partial\": ") + (budget.partial ? "true" : "false") + ",\n";
    out += "  \"fix_success_percent\": " + jsonNumber(budget.fixSuccessPercent) + ",\n";
    const BudgetCase& low = budget.pessimistic;
    out += "  \"pessimistic\": {\"fix_success_percent\": " + jsonNumber(low.fixSuccessPercent) +
           ", \"charge_mAh\": " + mah(low.chargeMas) + ", \"battery_end\": " + batteryEndJson(budget, low) +
           ", \"projected_days\": " + std::to_string(low.projectedDays) + "},\n";
    const DailyCharge& daily = budget.meanDailyMas;
    out += "  \"daily_mAh\": {\"fixes\": " + mahTwoDecimals(daily.fixes) +
           ", \"failed_fixes\": " + mahTwoDecimals(daily.failedFixes) +
           ", \"transmissions\": " + mahTwoDecimals(daily.transmissions) +
           ", \"sleep\": " + mahTwoDecimals(daily.sleep) + ", \"beacon\": " + mahTwoDecimals(daily.beacon) +
           "},\n";
    out += "  \"per_year\": [";
    for (std::size_t i = 0; i < budget.perYear.size(); ++i) {
        const BudgetYear& year = budget.perYear[i];
        out += i == 0 ? "\n    " : ",\n    ";
        out += "{\"year\": " + std::to_string(year.year) + ", \"fixes\": " + std::to_string(year.fixes) +
               ", \"transmissions\": " + std::to_string(year.transmissions) +
               ", \"charge_mAh\": " + mah(year.chargeMas) + "}";
    }
    out += budget.perYear.empty() ? "],\n" : "\n  ],\n";
    out += "  \"per_season\": [";
    for (std::size_t i = 0; i < budget.perSeason.size(); ++i) {
        const BudgetSeason& season = budget.perSeason[i];
        out += i == 0 ? "\n    " : ",\n    ";
        out += "{\"season\": " + std::to_string(season.season) +
               ", \"attempts\": " + std::to_string(season.attempts) +
               ", \"transmissions\": " + std::to_string(season.transmissions) +
               ", \"charge_mAh\": " + mah(season.chargeMas) + "}";
    }
    out += budget.perSeason.empty() ? "]\n" : "\n  ]\n";
    return out + "}\n";
}

// The ledger's cells in columns, numbers to the right.
std::string ledgerText(const Budget& budget) {
    const auto rows = budgetLedger(budget);
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) line += "  ";
            line += std::string(widths[c] - row[c].size(), ' ') + row[c];
        }
        out += line + "\n";
    }
    return out;
}

std::string budgetText(const Budget& budget) {
    std::string out = "Budget from " + budgetDate(budget.start) + " over " + std::to_string(budget.days) +
                      " days: " + std::to_string(budget.fixes) + " fix attempts, " +
                      std::to_string(budget.transmissions) + " transmissions\n";
    for (const std::string& line : budgetLines(budget)) out += line + "\n";
    for (const BudgetYear& year : budget.perYear)
        out += formatText("Year %d: %lld fix attempts, %lld transmissions, %s mAh\n", year.year,
                          static_cast<long long>(year.fixes), static_cast<long long>(year.transmissions),
                          mah(year.chargeMas).c_str());
    if (!budget.perSeason.empty()) out += std::string(kBudgetLedgerHeading) + "\n" + ledgerText(budget);
    return out;
}

int runBudget(Session& session, const Args& args) {
    SimulationOptions options;
    if (int rc = readSimulationOptions("budget", args, options); rc != kExitOk) return rc;
    const std::string format = args.value("format").value_or("text");
    if (format != "text" && format != "json") return usageError(clitext::budgetFormatUnknown(format));
    SimulationJob job;
    if (int rc = simulateConfiguration(session, args, options, job); rc != kExitOk) return rc;
    const EnergySettings energy = readEnergySettings(session.settingsFile, session.log);
    const Budget budget = computeBudget(job, session.record.general(GeneralRow::SimulationYears), energy);
    const std::string out = format == "json" ? budgetJson(budget) : budgetText(budget);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return job.stopped ? kExitWatchdog : kExitOk;
}

}  // namespace

ORV_CLI_COMMAND("budget", runBudget, {"start", "years", "format"});

}  // namespace orv::cli
