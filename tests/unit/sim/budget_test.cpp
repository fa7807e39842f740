// The battery and event budget, worked by hand: the old figures at full fix
// success, failed fixes, the beacon, self-discharge, every event of the
// deployment counted past the chart's list limit, the seasons' ledger, the
// battery lines and the partial budget of a stopped run.

#include "sim/budget.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/message_log.h"
#include "scripted_presenter.h"
#include "sim/run_simulation.h"
#include "sim_fixture.h"

namespace orv {
namespace {

using test::Schedule;
using test::utc;

// The figures before failed fixes, beacon and self-discharge were counted.
EnergySettings oldFigures() {
    EnergySettings energy;
    energy.fixSuccessPercent = 100;
    energy.pessimisticFixSuccessPercent = 100;
    energy.selfDischargePercent = 0;
    return energy;
}

SimulationJob simulateJob(const ParameterRecord& record, std::uint32_t start,
                          std::chrono::milliseconds watchdog = kSimulationWatchdog) {
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    SimulationJob run;
    run.startTime = start;
    run.watchdog = watchdog;
    EXPECT_EQ(runSimulation(record, run, log), 0);
    return run;
}

// Season 1: `days` days of fixes at 06:00, 06:20 and 06:40; then season 2, a shutdown.
Schedule daysThenShutdown(double days) {
    Schedule s;
    s.set(1, SeasonRow::NumberOfDays, days)
        .set(1, SeasonRow::NextSeason, 2)
        .set(2, SeasonRow::NextSeason, 13);
    s.gps(1, 1, 1, 360, 1, 20);
    s.record.general(GeneralRow::SimulationYears) = 1;
    return s;
}

TEST(Budget, TheOldFiguresComeBackAtFullSuccessWithoutBeaconOrSelfDischarge) {
    const SimulationJob run = simulateJob(daysThenShutdown(10).record, utc(2025, 3, 1, 15));
    const Budget budget = computeBudget(run, 1, oldFigures());
    EXPECT_EQ(budget.start, utc(2025, 3, 1));
    EXPECT_EQ(budget.days, 365);
    EXPECT_EQ(budget.fixes, 30);
    EXPECT_EQ(budget.transmissions, 0);
    // 30 x 1800 + 365 x 86400 x 40 / 1000 = 54,000 + 365 x 3456 = 1,315,440 mAs.
    EXPECT_DOUBLE_EQ(budget.chargeMas, 1315440);
    EXPECT_DOUBLE_EQ(budget.dailyMas[9], 3 * 1800 + 3456);
    EXPECT_DOUBLE_EQ(budget.dailyMas[10], 3456);
    EXPECT_DOUBLE_EQ(budget.usableMas, 19000 * 0.8 * 3600);
    EXPECT_FALSE(budget.batteryEndDay.has_value());
    EXPECT_EQ(budget.projectedDays, 15183);  // 54,720,000 / 3603.95
    EXPECT_DOUBLE_EQ(budget.meanDailyMas.failedFixes, 0);
    EXPECT_DOUBLE_EQ(budget.meanDailyMas.beacon, 0);
    EXPECT_DOUBLE_EQ(budget.pessimistic.chargeMas, budget.chargeMas);
    EXPECT_EQ(budget.pessimistic.projectedDays, budget.projectedDays);
    ASSERT_EQ(budget.perYear.size(), 1u);
    EXPECT_EQ(budget.perYear[0].fixes, 30);
    EXPECT_DOUBLE_EQ(budget.perYear[0].chargeMas, budget.chargeMas);
    EXPECT_FALSE(budget.partial);
    const auto lines = budgetLines(budget);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Over 365 days: 0.1 fix attempts and 0.0 transmissions per day");
    EXPECT_EQ(lines[1], "Usable capacity: 15200.0 mAh (19000 mAh, 80 % usable, 0 % a year self-discharge)");
    EXPECT_EQ(lines[2],
              "Nominal, 100 % of fixes succeed: 365.4 mAh used, battery lasts beyond 2026-02-28, "
              "projected life 15183 days");
}

TEST(Budget, AFailedFixKeepsTheReceiverOnUntilTheTimeout) {
    Schedule s = daysThenShutdown(10);
    s.record.general(GeneralRow::FixTimeout) = 120;
    EnergySettings energy = oldFigures();
    energy.fixSuccessPercent = 75;
    energy.pessimisticFixSuccessPercent = 50;
    const Budget budget = computeBudget(simulateJob(s.record, utc(2025, 3, 1)), 1, energy);
    // An attempt: 0.75 x 1800 + 0.25 x 120 s x 25 mA = 1350 + 750 = 2100 mAs.
    EXPECT_DOUBLE_EQ(budget.chargeMas, 30 * 2100 + 365 * 3456.0);
    EXPECT_DOUBLE_EQ(budget.dailyMas[0], 3 * 2100 + 3456);
    EXPECT_DOUBLE_EQ(budget.meanDailyMas.fixes, 30 * 1350 / 365.0);
    EXPECT_DOUBLE_EQ(budget.meanDailyMas.failedFixes, 30 * 750 / 365.0);
    EXPECT_DOUBLE_EQ(budget.meanDailyMas.sleep, 3456);
    // Pessimistic: 0.5 x 1800 + 0.5 x 3000 = 2400 mAs an attempt.
    EXPECT_DOUBLE_EQ(budget.pessimistic.fixSuccessPercent, 50);
    EXPECT_DOUBLE_EQ(budget.pessimistic.chargeMas, 30 * 2400 + 365 * 3456.0);
    EXPECT_EQ(budget.pessimistic.projectedDays, 14978);  // 54,720,000 / (72,000 / 365 + 3456)
    EXPECT_EQ(budgetLines(budget)[4],
              "Mean charge per day (nominal): 1.01 mAh: fixes 0.03, failed fixes 0.02, transmissions 0.00, "
              "sleep 0.96, beacon 0.00");
}

TEST(Budget, TheBeaconDrawsOnlyWhenEnabled) {
    Schedule s = daysThenShutdown(10);
    const Budget off = computeBudget(simulateJob(s.record, utc(2025, 3, 1)), 1, oldFigures());
    s.record.general(GeneralRow::VHFBeaconEnabled) = 1;
    const Budget on = computeBudget(simulateJob(s.record, utc(2025, 3, 1)), 1, oldFigures());
    // 86400 s x 100 uA / 1000 = 8640 mAs a day.
    EXPECT_DOUBLE_EQ(on.meanDailyMas.beacon, 8640);
    EXPECT_DOUBLE_EQ(on.chargeMas - off.chargeMas, 365 * 8640.0);
    EXPECT_EQ(on.projectedDays, 4469);  // 54,720,000 / (54,000 / 365 + 3456 + 8640)
}

TEST(Budget, SelfDischargeEndsTheBatteryBeforeTheEventsDo) {
    EnergySettings energy = oldFigures();
    energy.batteryMah = 100;  // 360,000 mAs, all usable
    energy.usablePercent = 100;
    energy.sleepUa = 0;
    const SimulationJob run = simulateJob(daysThenShutdown(10).record, utc(2025, 3, 1));
    // The ten days draw 54,000 mAs: the events alone never spend the battery.
    EXPECT_FALSE(computeBudget(run, 1, energy).batteryEndDay.has_value());
    energy.selfDischargePercent = 100;  // 360,000 / 365 mAs lost each day
    const Budget budget = computeBudget(run, 1, energy);
    // Left at the end of day d: 360,000 x (1 - (d + 1) / 365); it falls under
    // 54,000 at the end of day 310 (d + 1 > 310.25).
    ASSERT_TRUE(budget.batteryEndDay.has_value());
    EXPECT_EQ(*budget.batteryEndDay, 310);
    EXPECT_EQ(budget.pessimistic.batteryEndDay, budget.batteryEndDay);
    EXPECT_EQ(budget.projectedDays, 317);  // 360,000 / (54,000 / 365 + 360,000 / 365)
}

TEST(Budget, EveryEventOfTheDeploymentIsCountedPastTheListLimit) {
    // 100 days of 1000 fixes: every 36 s from 01:00 for 10 hours.
    Schedule s = daysThenShutdown(100);
    s.gps(1, 1, 1, 60, 10, 36).set(1, SeasonRow::FixIntervalUnits, 0);
    const SimulationJob run = simulateJob(s.record, utc(2025, 3, 1));
    EXPECT_EQ(run.fixes.size(), kFixPointLimit + 1);  // the chart keeps its limit
    const Budget budget = computeBudget(run, 1, oldFigures());
    EXPECT_EQ(budget.fixes, 100000);
    EXPECT_FALSE(budget.partial);
    for (int d = 0; d < 365; ++d)
        ASSERT_EQ(run.count.attempts[static_cast<std::size_t>(d)], d < 100 ? 1000u : 0u) << d;
    EXPECT_DOUBLE_EQ(budget.chargeMas, 100000 * 1800 + 365 * 3456.0);

    // A window over midnight, 22:00 for 4 hours every 7 minutes: 18 fixes
    // before midnight and 17 after; three years, past the limit in the third.
    Schedule night;
    night.gps(1, 1, 1, 22 * 60, 4, 7);
    night.record.general(GeneralRow::SimulationYears) = 3;
    const SimulationJob late = simulateJob(night.record, utc(2025, 3, 1));
    const Budget lateBudget = computeBudget(late, 3, oldFigures());
    EXPECT_EQ(lateBudget.fixes, 18 + 1094 * 35);
    EXPECT_EQ(late.count.attempts[0], 18u);
    EXPECT_TRUE(std::all_of(late.count.attempts.begin() + 1, late.count.attempts.end(),
                            [](std::uint32_t n) { return n == 35; }));
}

TEST(Budget, TheLedgerCountsEachSeasonEnteredAndLeavesOutTheOthers) {
    // Season 1: 10 days of 3 fixes; season 2: 5 days without a GPS block but
    // with transmissions each minute from 12:00 for an hour; season 3: shutdown.
    Schedule s;
    s.set(1, SeasonRow::NumberOfDays, 10).set(1, SeasonRow::NextSeason, 2);
    s.set(2, SeasonRow::NumberOfDays, 5).set(2, SeasonRow::NextSeason, 3).set(3, SeasonRow::NextSeason, 13);
    s.gps(1, 1, 1, 360, 1, 20);
    s.set(2, SeasonRow::GpsDcbDuration, 0).set(2, SeasonRow::ArgosDcbDuration, 1);
    s.transmitter(2, 1, 1, 12 * 60, 1);
    s.record.general(GeneralRow::XmitnsEnabled) = 1;
    s.record.general(GeneralRow::PttPriInterval) = 60;
    s.record.general(GeneralRow::SimulationYears) = 1;
    const Budget budget = computeBudget(simulateJob(s.record, utc(2025, 3, 1)), 1, oldFigures());
    ASSERT_EQ(budget.perSeason.size(), 2u);
    EXPECT_EQ(budget.perSeason[0].season, 1);
    EXPECT_EQ(budget.perSeason[0].attempts, 30);
    EXPECT_EQ(budget.perSeason[0].transmissions, 0);
    EXPECT_DOUBLE_EQ(budget.perSeason[0].chargeMas, 30 * 1800);
    EXPECT_EQ(budget.perSeason[1].season, 2);
    EXPECT_EQ(budget.perSeason[1].attempts, 0);
    EXPECT_EQ(budget.perSeason[1].transmissions, 5 * 60);
    EXPECT_DOUBLE_EQ(budget.perSeason[1].chargeMas, 300 * 60);
    const auto ledger = budgetLedger(budget);
    ASSERT_EQ(ledger.size(), 3u);
    EXPECT_EQ(ledger[0], (std::vector<std::string>{"Season", "Fix attempts", "Transmissions", "mAh"}));
    EXPECT_EQ(ledger[2], (std::vector<std::string>{"2", "0", "300", "5.0"}));
}

TEST(Budget, BothBatteryLinesFallToTheBottomAtTheirBatteryEnds) {
    // Three fixes a day for ever, a battery of 3600 mAs: 1500 a day nominal, 2100 pessimistic.
    Schedule s;
    s.gps(1, 1, 1, 360, 3, 60);
    s.record.general(GeneralRow::SimulationYears) = 2;
    s.record.general(GeneralRow::FixTimeout) = 200;
    EnergySettings energy = oldFigures();
    energy.batteryMah = 1;
    energy.usablePercent = 100;
    energy.gpsFixMas = 500;
    energy.gpsReceiverMa = 5;
    energy.sleepUa = 0;
    energy.pessimisticFixSuccessPercent = 40;  // 200 + 0.6 x 1000 = 800 mAs an attempt
    const Budget budget = computeBudget(simulateJob(s.record, utc(2025, 3, 1)), 2, energy);
    EXPECT_EQ(budget.days, 730);
    ASSERT_TRUE(budget.batteryEndDay.has_value());
    EXPECT_EQ(*budget.batteryEndDay, 2);              // 1500, 3000, 4500 > 3600
    EXPECT_EQ(*budget.pessimistic.batteryEndDay, 1);  // 2400, 4800
    EXPECT_EQ(budget.projectedDays, 2);
    EXPECT_EQ(budget.pessimistic.projectedDays, 1);
    ASSERT_EQ(budget.perYear.size(), 2u);
    EXPECT_EQ(budget.perYear[1].fixes, 3 * 365);

    const SimulationChart chart(utc(2025, 3, 1));
    const auto lines = batteryLine(chart, budget, kChartGpsStrip);
    ASSERT_EQ(lines.size(), 70u);  // a stretch per day in view, for each line
    const double top = ChartGeometry::stripTop(kChartGpsStrip);
    const double bottom = ChartGeometry::stripBottom(kChartGpsStrip);
    const double dayWidth = (ChartGeometry::plotRight - ChartGeometry::plotLeft) / 35;
    EXPECT_EQ(lines[0].pen, ChartPen::BatteryLine);
    EXPECT_DOUBLE_EQ(lines[0].y0, top);
    EXPECT_LT(lines[1].y1, bottom);
    EXPECT_DOUBLE_EQ(lines[2].y1, bottom);
    EXPECT_NEAR(lines[2].x1, ChartGeometry::plotLeft + 3 * dayWidth, 1e-12);
    EXPECT_EQ(lines[35].pen, ChartPen::PessimisticBatteryLine);
    EXPECT_DOUBLE_EQ(lines[35].y0, top);
    EXPECT_DOUBLE_EQ(lines[36].y1, bottom);
    EXPECT_TRUE(chartPenStyle(ChartPen::PessimisticBatteryLine).dashed);
}

TEST(Budget, BatteryLinesStayInsideTheViewAndThePeriod) {
    Schedule s;
    s.record.general(GeneralRow::GpsFixingEnabled) = 0;  // only the sleep draw
    s.record.general(GeneralRow::SimulationYears) = 1;
    const Budget budget = computeBudget(simulateJob(s.record, utc(2025, 3, 1)), 1, EnergySettings{});
    SimulationChart chart(utc(2025, 2, 20));  // nine days before the deployment
    auto lines = batteryLine(chart, budget, kChartTransmitterStrip);
    ASSERT_EQ(lines.size(), 2 * 26u);
    EXPECT_GT(lines.front().x0, ChartGeometry::plotLeft);
    EXPECT_DOUBLE_EQ(lines.front().y0, ChartGeometry::stripTop(kChartTransmitterStrip));
    chart.setViewStart(utc(2026, 2, 20, 12));  // the period ends on 28 February 2026
    lines = batteryLine(chart, budget, kChartTransmitterStrip);
    ASSERT_EQ(lines.size(), 2 * 9u);
    EXPECT_DOUBLE_EQ(lines.front().x0, ChartGeometry::plotLeft);  // cut at the view's edge
}

TEST(Budget, OnlyTheWatchdogMakesABudgetPartial) {
    // No season gives the GPS channel a block: the search never ends.
    Schedule s;
    for (int season = 1; season <= kSeasons; ++season)
        s.set(season, SeasonRow::GpsDcbDuration, 0).set(season, SeasonRow::NextSeason, 0);
    const Budget budget = computeBudget(simulateJob(s.record, utc(2025, 3, 1), std::chrono::milliseconds(50)),
                                        4, EnergySettings{});
    EXPECT_TRUE(budget.partial);
    EXPECT_EQ(
        budgetLines(budget).back(),
        "Partial budget: the simulation was stopped by its time limit; the figures count the events found.");
}

}  // namespace
}  // namespace orv
