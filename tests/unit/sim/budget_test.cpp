// The battery and event budget, worked by hand: the daily charges, the
// battery end, the projected life, the deployment years and the battery line.

#include "sim/budget.h"

#include <gtest/gtest.h>

#include "app/message_log.h"
#include "scripted_presenter.h"
#include "sim/run_simulation.h"
#include "sim_fixture.h"

namespace orv {
namespace {

using test::Schedule;
using test::utc;

// 19000 mAh x 80 % in mAs.
constexpr double kDefaultUsableMas = 19000 * 0.8 * 3600;

TEST(Budget, OneFixADayAndATransmissionAnHour) {
    SimulationJob run;
    run.startTime = utc(2024, 1, 1, 15);  // the period starts at 00:00 of the date
    for (int day = 0; day < 365; ++day) {
        run.fixes.push_back(utc(2024, 1, 1, 6) + day * 86400u);
        for (int hour = 0; hour < 24; ++hour)
            run.transmissions.push_back(utc(2024, 1, 1) + day * 86400u + hour * 3600u);
    }
    run.fixes.push_back(utc(2024, 12, 31));  // the day after the 365: outside the period
    const Budget budget = computeBudget(run, 1, EnergySettings{});
    EXPECT_EQ(budget.start, utc(2024, 1, 1));
    EXPECT_EQ(budget.days, 365);
    EXPECT_EQ(budget.fixes, 365);
    EXPECT_EQ(budget.transmissions, 8760);
    // A day: 1800 + 24 x 60 + 86400 x 40 / 1000 = 6696 mAs.
    EXPECT_DOUBLE_EQ(budget.dailyMas[0], 6696);
    EXPECT_DOUBLE_EQ(budget.chargeMas, 365 * 6696.0);
    EXPECT_DOUBLE_EQ(budget.usableMas, kDefaultUsableMas);
    EXPECT_FALSE(budget.batteryEndDay.has_value());
    EXPECT_EQ(budget.projectedDays, 8172);  // 54,720,000 / 6696 = 8172.04
    EXPECT_FALSE(budget.partial);
    // 2024 is a leap year: its anniversary lies 366 days on, so the one year is cut at day 365.
    ASSERT_EQ(budget.perYear.size(), 1u);
    EXPECT_EQ(budget.perYear[0].fixes, 365);
    EXPECT_DOUBLE_EQ(budget.perYear[0].chargeMas, budget.chargeMas);
    const auto lines = budgetLines(budget);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Fix attempts per day: 1.0");
    EXPECT_EQ(lines[1], "Transmissions per day: 24.0");
    EXPECT_EQ(lines[2], "Charge used over 365 days: 678.9 mAh");
    EXPECT_EQ(lines[3], "Usable capacity: 15200.0 mAh (19000 mAh, 80 % usable)");
    EXPECT_EQ(lines[4], "Battery lasts beyond 2024-12-30");
    EXPECT_EQ(lines[5], "Projected life: 8172 days");
}

TEST(Budget, SeasonChainEndingInShutdownDrawsOnlySleepAfterwards) {
    // Season 1: 10 days of fixes at 06:00, 06:20, 06:40; then season 2, a shutdown.
    Schedule s;
    s.set(1, SeasonRow::NumberOfDays, 10).set(1, SeasonRow::NextSeason, 2).set(2, SeasonRow::NextSeason, 13);
    s.gps(1, 1, 1, 360, 1, 20);
    s.record.general(GeneralRow::SimulationYears) = 1;
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    SimulationJob run;
    run.startTime = utc(2025, 3, 1);
    ASSERT_EQ(runSimulation(s.record, run, log), 0);
    const Budget budget = computeBudget(run, 1, EnergySettings{});
    EXPECT_EQ(budget.fixes, 30);
    EXPECT_EQ(budget.transmissions, 0);
    // 30 x 1800 + 365 x 3456 = 1,315,440 mAs.
    EXPECT_DOUBLE_EQ(budget.chargeMas, 1315440);
    EXPECT_DOUBLE_EQ(budget.dailyMas[9], 3 * 1800 + 3456);
    EXPECT_DOUBLE_EQ(budget.dailyMas[10], 3456);
    EXPECT_EQ(budget.projectedDays, 15183);
    ASSERT_EQ(budget.perYear.size(), 1u);
    EXPECT_EQ(budget.perYear[0].fixes, 30);
}

TEST(Budget, BatteryThatRunsOutInTheFirstWeekAndItsLine) {
    SimulationJob run;
    run.startTime = utc(2025, 3, 1);
    for (int day = 0; day < 730; ++day)
        for (int fix = 0; fix < 3; ++fix) run.fixes.push_back(utc(2025, 3, 1, 6 + fix) + day * 86400u);
    EnergySettings energy;
    energy.batteryMah = 1;  // 3600 mAs, all of it usable
    energy.usablePercent = 100;
    energy.gpsFixMas = 500;
    energy.sleepUa = 0;
    const Budget budget = computeBudget(run, 2, energy);
    // 1500 mAs a day: 1500, 3000, 4500 > 3600 at the end of the third day.
    ASSERT_TRUE(budget.batteryEndDay.has_value());
    EXPECT_EQ(*budget.batteryEndDay, 2);
    EXPECT_EQ(budgetDate(budget.dayStart(*budget.batteryEndDay)), "2025-03-03");
    EXPECT_EQ(budget.projectedDays, 2);  // 3600 / 1500
    EXPECT_EQ(budget.days, 730);
    // Two deployment years, the second one cut at the period's end.
    ASSERT_EQ(budget.perYear.size(), 2u);
    EXPECT_EQ(budget.perYear[0].fixes, 3 * 365);
    EXPECT_EQ(budget.perYear[1].fixes, 3 * 365);
    EXPECT_NE(budgetLines(budget)[4].find("Battery ends: 2025-03-03"), std::string::npos);

    // The line falls from the strip's top to its bottom, reached at the end of 3 March.
    const SimulationChart chart(utc(2025, 3, 1));
    const auto line = batteryLine(chart, budget, kChartGpsStrip);
    ASSERT_EQ(line.size(), 35u);  // one stretch per day in view
    const double top = ChartGeometry::stripTop(kChartGpsStrip);
    const double bottom = ChartGeometry::stripBottom(kChartGpsStrip);
    EXPECT_DOUBLE_EQ(line[0].y0, top);
    EXPECT_LT(line[1].y1, bottom);
    EXPECT_DOUBLE_EQ(line[2].y1, bottom);
    const double dayWidth = (ChartGeometry::plotRight - ChartGeometry::plotLeft) / 35;
    EXPECT_NEAR(line[2].x1, ChartGeometry::plotLeft + 3 * dayWidth, 1e-12);
    EXPECT_DOUBLE_EQ(line[34].y1, bottom);
    for (const ChartLine& piece : line) EXPECT_EQ(piece.pen, ChartPen::BatteryLine);
}

TEST(Budget, BatteryLineStaysInsideTheViewAndThePeriod) {
    SimulationJob run;
    run.startTime = utc(2025, 3, 1);
    const Budget budget = computeBudget(run, 1, EnergySettings{});
    SimulationChart chart(utc(2025, 2, 20));  // nine days before the deployment
    auto line = batteryLine(chart, budget, kChartTransmitterStrip);
    ASSERT_EQ(line.size(), 26u);
    EXPECT_GT(line.front().x0, ChartGeometry::plotLeft);
    EXPECT_DOUBLE_EQ(line.front().y0, ChartGeometry::stripTop(kChartTransmitterStrip));
    chart.setViewStart(utc(2026, 2, 20, 12));  // the period ends on 28 February 2026
    line = batteryLine(chart, budget, kChartTransmitterStrip);
    ASSERT_EQ(line.size(), 9u);
    EXPECT_DOUBLE_EQ(line.front().x0, ChartGeometry::plotLeft);  // cut at the view's edge
}

TEST(Budget, StoppedRunsGiveAPartialBudget) {
    SimulationJob run;
    run.startTime = utc(2025, 3, 1);
    for (std::uint32_t i = 0; i <= kFixPointLimit; ++i) run.fixes.push_back(utc(2025, 3, 1) + i * 60);
    Budget budget = computeBudget(run, 1, EnergySettings{});
    EXPECT_TRUE(budget.partial);
    EXPECT_NE(budgetLines(budget).back().find("limit of listed events"), std::string::npos);
    // The point past the limit beyond the period: every event of the period was listed.
    run.fixes.back() = utc(2027, 1, 1);
    EXPECT_FALSE(computeBudget(run, 1, EnergySettings{}).partial);
    run.stopped = true;
    budget = computeBudget(run, 1, EnergySettings{});
    EXPECT_TRUE(budget.partial);
    EXPECT_NE(budgetLines(budget).back().find("stopped by its time limit"), std::string::npos);
}

}  // namespace
}  // namespace orv
