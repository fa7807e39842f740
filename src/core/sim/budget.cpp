#include "sim/budget.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "app/format_text.h"
#include "sim/sim_date.h"
#include "sim/sim_messages.h"

namespace orv {

namespace {

constexpr double kDaysPerYear = 365;
// Beyond any battery: keeps a projection of a near-zero draw a number.
constexpr double kLongestProjection = 1e12;

// 00:00 UTC of the k-th anniversary of a deployment date (29 February falls
// on 1 March in other years).
std::int64_t anniversary(std::uint32_t start, int k) {
    const std::time_t time = start;
    std::tm date{};
    gmtime_r(&time, &date);
    date.tm_year += k;
    date.tm_hour = date.tm_min = date.tm_sec = 0;
    return timegm(&date);
}

// The mean charge of a fix attempt at a success share: a failed attempt keeps
// the receiver on until the fix timeout.
struct AttemptCost {
    double success;  // mAs of the part that succeeds
    double failure;  // mAs of the part that fails
    double total() const { return success + failure; }
};
AttemptCost attemptCost(const Budget& budget, double successPercent) {
    const double s = successPercent / 100;
    return {s * budget.energy.gpsFixMas, (1 - s) * budget.fixTimeoutSeconds * budget.energy.gpsReceiverMa};
}

// One fix success: the charge of each day, the battery end, the projection.
BudgetCase workCase(const Budget& budget, const DeploymentCount& count, double successPercent) {
    BudgetCase result;
    result.fixSuccessPercent = successPercent;
    const AttemptCost cost = attemptCost(budget, successPercent);
    const EnergySettings& e = budget.energy;
    const double sleepMas = kSecondsPerDay * e.sleepUa / 1000;
    const double beaconMas = budget.beaconEnabled ? kSecondsPerDay * e.beaconUa / 1000 : 0;
    const auto days = static_cast<std::size_t>(budget.days);
    result.dailyMas.resize(days);
    double attempts = 0, transmissions = 0, spent = 0;
    for (std::size_t d = 0; d < days; ++d) {
        const double a = count.attempts[d], x = count.transmissions[d];
        attempts += a;
        transmissions += x;
        result.dailyMas[d] = a * cost.total() + x * e.transmissionMas + sleepMas + beaconMas;
        spent += result.dailyMas[d];
        const double left = budget.usableMas - budget.selfDischargeMas(static_cast<double>(d + 1));
        if (!result.batteryEndDay && spent > left) result.batteryEndDay = static_cast<int>(d);
    }
    result.chargeMas = spent;
    if (budget.days > 0) {
        const double n = budget.days;
        result.meanDailyMas = {attempts * cost.success / n, attempts * cost.failure / n,
                               transmissions * e.transmissionMas / n, sleepMas, beaconMas};
    }
    const double draw = result.meanDailyMas.total() + budget.selfDischargeMas(1);
    if (draw > 0)
        result.projectedDays =
            static_cast<std::int64_t>(std::min(kLongestProjection, std::floor(budget.usableMas / draw)));
    return result;
}

void countYears(Budget& budget, const DeploymentCount& count) {
    for (int k = 0;; ++k) {
        const std::int64_t from = anniversary(budget.start, k);
        if (from >= budget.periodEnd()) break;
        const std::int64_t to = std::min<std::int64_t>(anniversary(budget.start, k + 1), budget.periodEnd());
        BudgetYear year;
        year.year = k + 1;
        for (auto d = static_cast<std::size_t>((from - budget.start) / kSecondsPerDay);
             d < static_cast<std::size_t>((to - budget.start) / kSecondsPerDay); ++d) {
            year.fixes += count.attempts[d];
            year.transmissions += count.transmissions[d];
            year.chargeMas += budget.dailyMas[d];
        }
        budget.perYear.push_back(year);
    }
}

void countSeasons(Budget& budget, const DeploymentCount& count) {
    const double attemptMas = attemptCost(budget, budget.fixSuccessPercent).total();
    for (int s = 0; s < kSeasons; ++s) {
        const auto i = static_cast<std::size_t>(s);
        const std::int64_t attempts = count.seasonAttempts[i], transmissions = count.seasonTransmissions[i];
        if ((count.seasonsEntered & (1u << s)) == 0 && attempts == 0 && transmissions == 0) continue;
        budget.perSeason.push_back({s + 1, attempts, transmissions,
                                    static_cast<double>(attempts) * attemptMas +
                                        static_cast<double>(transmissions) * budget.energy.transmissionMas});
    }
}

std::string oneDecimal(double value) {
    return formatText("%.1f", value);
}
std::string twoDecimals(double value) {
    return formatText("%.2f", value);
}

// "Nominal (85 % of fixes succeed): battery ends 2027-03-05, projected life 1234 days"
std::string caseLine(const Budget& budget, const BudgetCase& figures, const char* name) {
    std::string end =
        figures.batteryEndDay ? "battery ends " + budgetDate(budget.dayStart(*figures.batteryEndDay))
        : budget.days > 0     ? "battery lasts beyond " + budgetDate(budget.dayStart(budget.days - 1))
                              : std::string("no period");
    const std::string life =
        figures.projectedDays > 0
            ? formatText("projected life %lld days", static_cast<long long>(figures.projectedDays))
            : std::string("no charge is drawn");
    return formatText("%s, %s %% of fixes succeed: %s mAh used, %s, %s", name,
                      energyValueText(figures.fixSuccessPercent).c_str(),
                      oneDecimal(figures.chargeMas / kMasPerMah).c_str(), end.c_str(), life.c_str());
}

}  // namespace

double Budget::selfDischargeMas(double dayCount) const {
    return energy.batteryMah * kMasPerMah * energy.selfDischargePercent / 100 * dayCount / kDaysPerYear;
}

std::string budgetDate(std::uint32_t time) {
    const SimDate date = simDate(time);
    return formatText("%04d-%02d-%02d", date.year, date.month, date.day);
}

Budget computeBudget(const SimulationJob& run, double years, const EnergySettings& energy) {
    const DeploymentCount& count = run.count;
    Budget budget;
    budget.energy = energy;
    budget.start = simulationStartOf(run.startTime);
    budget.days = std::min(deploymentDays(budget.start, years), count.days);
    budget.usableMas = energy.batteryMah * energy.usablePercent / 100 * kMasPerMah;
    budget.fixTimeoutSeconds = count.fixTimeoutSeconds;
    budget.beaconEnabled = count.beaconEnabled;
    for (int d = 0; d < budget.days; ++d) {
        budget.fixes += count.attempts[static_cast<std::size_t>(d)];
        budget.transmissions += count.transmissions[static_cast<std::size_t>(d)];
    }
    static_cast<BudgetCase&>(budget) = workCase(budget, count, energy.fixSuccessPercent);
    budget.pessimistic = workCase(budget, count, energy.pessimisticFixSuccessPercent);
    countYears(budget, count);
    countSeasons(budget, count);
    if (run.stopped) {
        budget.partial = true;
        budget.partialReason = kStoppedByTimeLimit;
    }
    return budget;
}

std::vector<std::string> budgetLines(const Budget& budget) {
    std::vector<std::string> lines;
    const double days = std::max(1, budget.days);
    const EnergySettings& e = budget.energy;
    lines.push_back(formatText("Over %d days: %s fix attempts and %s transmissions per day", budget.days,
                               oneDecimal(static_cast<double>(budget.fixes) / days).c_str(),
                               oneDecimal(static_cast<double>(budget.transmissions) / days).c_str()));
    lines.push_back(formatText(
        "Usable capacity: %s mAh (%s mAh, %s %% usable, %s %% a year self-discharge)",
        oneDecimal(budget.usableMas / kMasPerMah).c_str(), energyValueText(e.batteryMah).c_str(),
        energyValueText(e.usablePercent).c_str(), energyValueText(e.selfDischargePercent).c_str()));
    lines.push_back(caseLine(budget, budget, "Nominal"));
    lines.push_back(caseLine(budget, budget.pessimistic, "Pessimistic"));
    const DailyCharge& mean = budget.meanDailyMas;
    lines.push_back(formatText(
        "Mean charge per day (nominal): %s mAh: fixes %s, failed fixes %s, transmissions %s, sleep %s, "
        "beacon %s",
        twoDecimals(mean.total() / kMasPerMah).c_str(), twoDecimals(mean.fixes / kMasPerMah).c_str(),
        twoDecimals(mean.failedFixes / kMasPerMah).c_str(),
        twoDecimals(mean.transmissions / kMasPerMah).c_str(), twoDecimals(mean.sleep / kMasPerMah).c_str(),
        twoDecimals(mean.beacon / kMasPerMah).c_str()));
    if (budget.partial) lines.push_back(partialBudgetLine(budget.partialReason));
    return lines;
}

std::vector<std::vector<std::string>> budgetLedger(const Budget& budget) {
    std::vector<std::vector<std::string>> rows{{"Season", "Fix attempts", "Transmissions", "mAh"}};
    for (const BudgetSeason& season : budget.perSeason)
        rows.push_back({std::to_string(season.season), std::to_string(season.attempts),
                        std::to_string(season.transmissions), oneDecimal(season.chargeMas / kMasPerMah)});
    return rows;
}

namespace {

void caseLineAcross(const SimulationChart& chart, const Budget& budget, const BudgetCase& figures, int strip,
                    ChartPen pen, std::vector<ChartLine>& lines) {
    const double top = ChartGeometry::stripTop(strip);
    const double bottom = ChartGeometry::stripBottom(strip);
    const double left = ChartGeometry::plotLeft;
    const double width = ChartGeometry::plotRight - ChartGeometry::plotLeft;
    const auto xOf = [&](std::int64_t time) {
        return left +
               static_cast<double>(time - chart.viewStart()) / static_cast<double>(chart.viewSpan()) * width;
    };
    // What is left at the end of a number of days: the usable charge less the
    // charge drawn and the battery's own loss.
    const auto yOf = [&](double spent, int daysPassed) {
        const double rest = budget.usableMas - spent - budget.selfDischargeMas(daysPassed);
        const double remaining = std::clamp(rest / budget.usableMas, 0.0, 1.0);
        return bottom - remaining * (bottom - top);
    };
    double spent = 0;
    for (int d = 0; d < budget.days; ++d) {
        const double before = spent;
        spent += figures.dailyMas[static_cast<std::size_t>(d)];
        const std::int64_t from = budget.dayStart(d);
        const std::int64_t to = from + kSecondsPerDay;
        if (to <= chart.viewStart()) continue;
        if (from >= chart.viewEnd()) break;
        // The day's stretch, cut to the view where it reaches past an edge.
        const double x0 = xOf(from), x1 = xOf(to);
        const double y0 = yOf(before, d), y1 = yOf(spent, d + 1);
        const auto at = [&](double x) { return y0 + (y1 - y0) * (x - x0) / (x1 - x0); };
        const double a = std::max(x0, left), b = std::min(x1, ChartGeometry::plotRight);
        lines.push_back({a, at(a), b, at(b), pen});
    }
}

}  // namespace

std::vector<ChartLine> batteryLine(const SimulationChart& chart, const Budget& budget, int strip) {
    std::vector<ChartLine> lines;
    if (budget.days <= 0 || budget.usableMas <= 0) return lines;
    caseLineAcross(chart, budget, budget, strip, ChartPen::BatteryLine, lines);
    caseLineAcross(chart, budget, budget.pessimistic, strip, ChartPen::PessimisticBatteryLine, lines);
    return lines;
}

}  // namespace orv
