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
#include "files/configuration_json.h"
#include "json_layout.h"
#include "sim/budget.h"
#include "sim/sim_messages.h"
#include "sim_options.h"

namespace orv::cli {

namespace {

std::string mah(double mas) {
    return formatText("%.1f", mas / kMasPerMah);
}

using Json = nlohmann::ordered_json;

// mAh as the text shows them, to one decimal (two for the daily figures).
Json mahJson(double mas, int decimals = 1) {
    return std::stod(formatText("%.*f", decimals, mas / kMasPerMah));
}

Json batteryEndJson(const Budget& budget, const BudgetCase& figures) {
    return figures.batteryEndDay ? Json(budgetDate(budget.dayStart(*figures.batteryEndDay))) : Json(nullptr);
}

std::string budgetJson(const Budget& budget) {
    const BudgetCase& low = budget.pessimistic;
    const DailyCharge& daily = budget.meanDailyMas;
    Json perYear = Json::array();
    for (const BudgetYear& year : budget.perYear)
        perYear.push_back({{"year", year.year},
                           {"fixes", year.fixes},
                           {"transmissions", year.transmissions},
                           {"charge_mAh", mahJson(year.chargeMas)}});
    Json perSeason = Json::array();
    for (const BudgetSeason& season : budget.perSeason)
        perSeason.push_back({{"season", season.season},
                             {"attempts", season.attempts},
                             {"transmissions", season.transmissions},
                             {"charge_mAh", mahJson(season.chargeMas)}});
    const Json out = {{"start", budgetDate(budget.start)},
                      {"days", budget.days},
                      {"fixes", budget.fixes},
                      {"transmissions", budget.transmissions},
                      {"charge_mAh", mahJson(budget.chargeMas)},
                      {"usable_mAh", mahJson(budget.usableMas)},
                      {"battery_end", batteryEndJson(budget, budget)},
                      {"projected_days", budget.projectedDays},
                      {"partial", budget.partial},
                      {"fix_success_percent", numberJson(budget.fixSuccessPercent)},
                      {"pessimistic",
                       {{"fix_success_percent", numberJson(low.fixSuccessPercent)},
                        {"charge_mAh", mahJson(low.chargeMas)},
                        {"battery_end", batteryEndJson(budget, low)},
                        {"projected_days", low.projectedDays}}},
                      {"daily_mAh",
                       {{"fixes", mahJson(daily.fixes, 2)},
                        {"failed_fixes", mahJson(daily.failedFixes, 2)},
                        {"transmissions", mahJson(daily.transmissions, 2)},
                        {"sleep", mahJson(daily.sleep, 2)},
                        {"beacon", mahJson(daily.beacon, 2)}}},
                      {"per_year", std::move(perYear)},
                      {"per_season", std::move(perSeason)}};
    return jsonLines(out);
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
