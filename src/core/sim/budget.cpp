#include "sim/budget.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "app/format_text.h"
#include "sim/sim_date.h"
#include "sim/sim_messages.h"

namespace orv {

namespace {

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

// Counts one channel's events into the days of the period.
std::int64_t countByDay(std::span<const std::uint32_t> events, const Budget& budget,
                        std::vector<std::int64_t>& perDay) {
    std::int64_t counted = 0;
    for (const std::uint32_t t : events) {
        if (t < budget.start || t >= budget.periodEnd()) continue;
        ++perDay[(t - budget.start) / kSecondsPerDay];
        ++counted;
    }
    return counted;
}

// A channel stopped by its point limit inside the period lists fewer events than the schedule makes.
bool cutByLimit(std::span<const std::uint32_t> events, std::size_t limit, const Budget& budget) {
    return events.size() > limit && events.back() < budget.periodEnd();
}

std::string oneDecimal(double value) {
    return formatText("%.1f", value);
}

}  // namespace

std::string budgetDate(std::uint32_t time) {
    const SimDate date = simDate(time);
    return formatText("%04d-%02d-%02d", date.year, date.month, date.day);
}

Budget computeBudget(const SimulationJob& run, double years, const EnergySettings& energy) {
    Budget budget;
    budget.energy = energy;
    budget.start = simulationStartOf(run.startTime);
    const double span = std::floor(std::max(0.0, years) * 365);
    // The period stays inside the collar's clock (seconds since 1970 in 32 bits).
    const double room = std::floor((4294967295.0 - budget.start) / kSecondsPerDay);
    budget.days = static_cast<int>(std::min(span, room));
    budget.usableMas = energy.batteryMah * energy.usablePercent / 100 * kMasPerMah;

    const auto days = static_cast<std::size_t>(budget.days);
    std::vector<std::int64_t> fixes(days, 0), transmissions(days, 0);
    budget.fixes = countByDay(run.fixes, budget, fixes);
    budget.transmissions = countByDay(run.transmissions, budget, transmissions);

    const double sleepMas = kSecondsPerDay * energy.sleepUa / 1000;
    budget.dailyMas.resize(days);
    double spent = 0;
    for (std::size_t d = 0; d < days; ++d) {
        budget.dailyMas[d] = static_cast<double>(fixes[d]) * energy.gpsFixMas +
                             static_cast<double>(transmissions[d]) * energy.transmissionMas + sleepMas;
        spent += budget.dailyMas[d];
        if (!budget.batteryEndDay && spent > budget.usableMas) budget.batteryEndDay = static_cast<int>(d);
    }
    budget.chargeMas = spent;
    if (budget.days > 0 && spent > 0) {
        const double meanDaily = spent / budget.days;
        budget.projectedDays = static_cast<std::int64_t>(std::floor(budget.usableMas / meanDaily));
    }

    for (int k = 0;; ++k) {
        const std::int64_t from = anniversary(budget.start, k);
        if (from >= budget.periodEnd()) break;
        const std::int64_t to = std::min<std::int64_t>(anniversary(budget.start, k + 1), budget.periodEnd());
        BudgetYear year;
        year.year = k + 1;
        for (auto d = static_cast<std::size_t>((from - budget.start) / kSecondsPerDay);
             d < static_cast<std::size_t>((to - budget.start) / kSecondsPerDay); ++d) {
            year.fixes += fixes[d];
            year.transmissions += transmissions[d];
            year.chargeMas += budget.dailyMas[d];
        }
        budget.perYear.push_back(year);
    }

    if (run.stopped) {
        budget.partial = true;
        budget.partialReason = kStoppedByTimeLimit;
    } else if (cutByLimit(run.fixes, kFixPointLimit, budget) ||
               cutByLimit(run.transmissions, kTransmissionPointLimit, budget)) {
        budget.partial = true;
        budget.partialReason = kReachedEventLimit;
    }
    return budget;
}

std::vector<std::string> budgetLines(const Budget& budget) {
    std::vector<std::string> lines;
    const double days = std::max(1, budget.days);
    lines.push_back("Fix attempts per day: " + oneDecimal(static_cast<double>(budget.fixes) / days));
    lines.push_back("Transmissions per day: " + oneDecimal(static_cast<double>(budget.transmissions) / days));
    lines.push_back(formatText("Charge used over %d days: %s mAh", budget.days,
                               oneDecimal(budget.chargeMas / kMasPerMah).c_str()));
    lines.push_back("Usable capacity: " + oneDecimal(budget.usableMas / kMasPerMah) + " mAh (" +
                    energyValueText(budget.energy.batteryMah) + " mAh, " +
                    energyValueText(budget.energy.usablePercent) + " % usable)");
    if (budget.batteryEndDay)
        lines.push_back("Battery ends: " + budgetDate(budget.dayStart(*budget.batteryEndDay)));
    else if (budget.days > 0)
        lines.push_back("Battery lasts beyond " + budgetDate(budget.dayStart(budget.days - 1)));
    lines.push_back(budget.chargeMas > 0 ? formatText("Projected life: %lld days",
                                                      static_cast<long long>(budget.projectedDays))
                                         : std::string("Projected life: no charge is drawn"));
    if (budget.partial) lines.push_back(partialBudgetLine(budget.partialReason));
    return lines;
}

std::vector<ChartLine> batteryLine(const SimulationChart& chart, const Budget& budget, int strip) {
    std::vector<ChartLine> lines;
    if (budget.days <= 0 || budget.usableMas <= 0) return lines;
    const double top = ChartGeometry::stripTop(strip);
    const double bottom = ChartGeometry::stripBottom(strip);
    const double left = ChartGeometry::plotLeft;
    const double width = ChartGeometry::plotRight - ChartGeometry::plotLeft;
    const auto xOf = [&](std::int64_t time) {
        return left +
               static_cast<double>(time - chart.viewStart()) / static_cast<double>(chart.viewSpan()) * width;
    };
    const auto yOf = [&](double spent) {
        const double remaining = std::clamp(1 - spent / budget.usableMas, 0.0, 1.0);
        return bottom - remaining * (bottom - top);
    };
    double spent = 0;
    for (int d = 0; d < budget.days; ++d) {
        const double before = spent;
        spent += budget.dailyMas[static_cast<std::size_t>(d)];
        const std::int64_t from = budget.dayStart(d);
        const std::int64_t to = from + kSecondsPerDay;
        if (to <= chart.viewStart()) continue;
        if (from >= chart.viewEnd()) break;
        // The day's stretch, cut to the view where it reaches past an edge.
        const double x0 = xOf(from), x1 = xOf(to);
        const double y0 = yOf(before), y1 = yOf(spent);
        const auto at = [&](double x) { return y0 + (y1 - y0) * (x - x0) / (x1 - x0); };
        const double a = std::max(x0, left), b = std::min(x1, ChartGeometry::plotRight);
        lines.push_back({a, at(a), b, at(b), ChartPen::BatteryLine});
    }
    return lines;
}

}  // namespace orv
