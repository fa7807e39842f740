// orvctl budget: the battery and event budget of the schedule over the
// simulated years, as text or JSON, with the [Energy] figures of ./Orv3.cfg.
// A budget the watchdog cut short is printed, marked partial, and exits 3.

#include <cstdio>
#include <string>

#include "app/energy_settings.h"
#include "app/format_text.h"
#include "cli_messages.h"
#include "json_text.h"
#include "sim/budget.h"
#include "sim_options.h"

namespace orv::cli {

namespace {

std::string mah(double mas) {
    return formatText("%.1f", mas / kMasPerMah);
}

std::string budgetJson(const Budget& budget) {
    std::string out = "{\n";
    out += "  \"start\": \"" + budgetDate(budget.start) + "\",\n";
    out += "  \"days\": " + std::to_string(budget.days) + ",\n";
    out += "  \"fixes\": " + std::to_string(budget.fixes) + ",\n";
    out += "  \"transmissions\": " + std::to_string(budget.transmissions) + ",\n";
    out += "  \"charge_mAh\": " + mah(budget.chargeMas) + ",\n";
    out += "  \"usable_mAh\": " + mah(budget.usableMas) + ",\n";
    out +=
        "  \"battery_end\": " +
        (budget.batteryEndDay ? "\"" + budgetDate(budget.dayStart(*budget.batteryEndDay)) + "\"" : "null") +
        ",\n";
    out += "  \"projected_days\": " + std::to_string(budget.projectedDays) + ",\n";
    out += std::string("  \"partial\": ") + (budget.partial ? "true" : "false") + ",\n";
    out += "  \"per_year\": [";
    for (std::size_t i = 0; i < budget.perYear.size(); ++i) {
        const BudgetYear& year = budget.perYear[i];
        out += i == 0 ? "\n    " : ",\n    ";
        out += "{\"year\": " + std::to_string(year.year) + ", \"fixes\": " + std::to_string(year.fixes) +
               ", \"transmissions\": " + std::to_string(year.transmissions) +
               ", \"charge_mAh\": " + mah(year.chargeMas) + "}";
    }
    out += budget.perYear.empty() ? "]\n" : "\n  ]\n";
    return out + "}\n";
}

std::string budgetText(const Budget& budget) {
    std::string out = "Budget from " + budgetDate(budget.start) + " over " + std::to_string(budget.days) +
                      " days: " + std::to_string(budget.fixes) + " fixes, " +
                      std::to_string(budget.transmissions) + " transmissions\n";
    for (const std::string& line : budgetLines(budget)) out += line + "\n";
    for (const BudgetYear& year : budget.perYear)
        out += formatText("Year %d: %lld fixes, %lld transmissions, %s mAh\n", year.year,
                          static_cast<long long>(year.fixes), static_cast<long long>(year.transmissions),
                          mah(year.chargeMas).c_str());
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
