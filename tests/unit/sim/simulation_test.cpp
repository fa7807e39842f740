// The schedule simulation: events of both channels through seasons, blocks,
// cycles and the point limits, by both rule sets.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/message_log.h"
#include "scripted_presenter.h"
#include "sim/run_simulation.h"
#include "sim/sim_messages.h"
#include "sim_fixture.h"

namespace orv {
namespace {

using test::Schedule;
using test::utc;

constexpr int kClassicRow = 4;     // N1 010803
constexpr int kLeapAwareRow = 15;  // N4 050922

struct Events {
    std::vector<std::uint32_t> fixes, transmissions;
    int result = 0;
};

Events simulate(const ParameterRecord& record, std::uint32_t start, int firmwareRow = kClassicRow) {
    SimulationRun run;
    EXPECT_EQ(prepareSimulation(record, firmwareRow, start, run), 0);
    Events events;
    const std::atomic<bool> stop{false};
    events.result = collectEvents(run, events.fixes, events.transmissions, stop);
    return events;
}

std::size_t countOnDay(const std::vector<std::uint32_t>& times, std::uint32_t dayStart) {
    return static_cast<std::size_t>(std::count_if(times.begin(), times.end(), [&](std::uint32_t t) {
        return t >= dayStart && t < dayStart + kSecondsPerDay;
    }));
}

// Season 1: 365 days, then season 2 (shutdown); fixes at 06:00, 06:20, 06:40.
Schedule yearThenShutdown() {
    Schedule s;
    s.set(1, SeasonRow::NumberOfDays, 365).set(1, SeasonRow::NextSeason, 2).set(2, SeasonRow::NextSeason, 13);
    s.gps(1, 1, 1, 360, 1, 20);
    return s;
}

TEST(Simulation, NumberOfDaysSeasonRunsItsDaysThenShutdownEndsTheChannel) {
    const std::uint32_t start = utc(2021, 3, 1);
    const Events events = simulate(yearThenShutdown().record, start);
    EXPECT_EQ(events.result, kSimEvent);
    ASSERT_EQ(events.fixes.size(), 1095u);
    EXPECT_EQ(events.fixes[0], utc(2021, 3, 1, 6, 0));
    EXPECT_EQ(events.fixes[1], utc(2021, 3, 1, 6, 20));
    EXPECT_EQ(events.fixes[2], utc(2021, 3, 1, 6, 40));
    EXPECT_EQ(events.fixes[3], utc(2021, 3, 2, 6, 0));
    EXPECT_EQ(events.fixes.back(), start + 364 * kSecondsPerDay + 6 * 3600 + 40 * 60);
    EXPECT_TRUE(std::is_sorted(events.fixes.begin(), events.fixes.end()));
    EXPECT_TRUE(events.transmissions.empty());
}

TEST(Simulation, RunForeverSeasonGoesOnToTheEndTimeOrThePointLimit) {
    Schedule s = yearThenShutdown();
    s.set(1, SeasonRow::NextSeason, 14);
    s.record.general(GeneralRow::SimulationYears) = 2;
    const std::uint32_t start = utc(2021, 3, 1);
    const Events byTime = simulate(s.record, start);
    const std::int64_t end = start + 2LL * kSimulationYearSeconds;
    ASSERT_EQ(byTime.fixes.size(), 730u * 3 + 1);  // the point past the end time is the last
    EXPECT_GT(byTime.fixes.back(), end);
    EXPECT_LE(byTime.fixes[byTime.fixes.size() - 2], end);

    s.gps(1, 1, 1, 0, 24, 1);  // a fix every minute all day
    const Events byLimit = simulate(s.record, start);
    EXPECT_EQ(byLimit.fixes.size(), kFixPointLimit + 1);
    EXPECT_EQ(byLimit.fixes[0], start + 60);
}

TEST(Simulation, ShutdownSeasonCurrentAtTheStartIsNeverRun) {
    Schedule s;
    s.set(1, SeasonRow::NextSeason, 13);
    s.record.general(GeneralRow::XmitnsEnabled) = 1;
    s.set(1, SeasonRow::ArgosDcbDuration, 1);
    const Events events = simulate(s.record, utc(2021, 3, 1));
    EXPECT_TRUE(events.fixes.empty());
    EXPECT_TRUE(events.transmissions.empty());
    EXPECT_EQ(events.result, kSimEvent);
}

TEST(Simulation, TransmissionsEveryMinuteReachTheLimitAfterAbout139Days) {
    Schedule s;
    s.record.general(GeneralRow::GpsFixingEnabled) = 0;
    s.record.general(GeneralRow::XmitnsEnabled) = 1;
    s.record.general(GeneralRow::PttPriInterval) = 60;
    s.set(1, SeasonRow::ArgosDcbDuration, 1).transmitter(1, 1, 1, 0, 24);
    const std::uint32_t start = utc(2021, 3, 1);
    const Events events = simulate(s.record, start);
    EXPECT_TRUE(events.fixes.empty());
    ASSERT_EQ(events.transmissions.size(), kTransmissionPointLimit + 1);
    EXPECT_EQ(events.transmissions[0], start + 60);  // an event comes after the reference time
    EXPECT_EQ(countOnDay(events.transmissions, start), 1439u);
    EXPECT_EQ(countOnDay(events.transmissions, start + kSecondsPerDay), 1440u);
    EXPECT_EQ(events.transmissions.back() / kSecondsPerDay - start / kSecondsPerDay, 138u);
}

TEST(Simulation, BlockOfThreeDaysRunsItsCycleOnTheSecondDayOfEachBlock) {
    Schedule s;
    s.set(1, SeasonRow::GpsDcbDuration, 3).gps(1, 1, 2, 600, 1, 60);
    s.record.general(GeneralRow::SimulationYears) = 1;
    const std::uint32_t start = utc(2022, 1, 10);
    const Events events = simulate(s.record, start);
    ASSERT_GE(events.fixes.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(events.fixes[i], start + (1 + 3 * i) * kSecondsPerDay + 600 * 60);
}

TEST(Simulation, SecondAndThirdCyclesFollowTheFirstWithinTheBlock) {
    Schedule s;
    s.set(1, SeasonRow::GpsDcbDuration, 2)
        .gps(1, 1, 1, 60, 1, 60)
        .gps(1, 2, 1, 720, 1, 60)
        .gps(1, 3, 2, 0, 2, 60);
    const std::uint32_t start = utc(2022, 1, 10);
    const Events events = simulate(s.record, start);
    ASSERT_GE(events.fixes.size(), 5u);
    EXPECT_EQ(events.fixes[0], utc(2022, 1, 10, 1, 0));
    EXPECT_EQ(events.fixes[1], utc(2022, 1, 10, 12, 0));
    EXPECT_EQ(events.fixes[2], utc(2022, 1, 11, 0, 0) + 0);
    EXPECT_EQ(events.fixes[3], utc(2022, 1, 11, 1, 0));
    EXPECT_EQ(events.fixes[4], utc(2022, 1, 12, 1, 0));
}

// Seasons 1 and 2 begin on days 100 and 300 and lead to each other.
Schedule twoDayOfYearSeasons() {
    Schedule s;
    s.dayOfYear(1, 100, 2).dayOfYear(2, 300, 1);
    s.gps(1, 1, 1, 720, 1, 60).gps(2, 1, 1, 1080, 1, 60);
    return s;
}

TEST(Simulation, DeploymentBeforeTheFirstStartDayBeginsInLastYearsSeason) {
    for (const int row : {kClassicRow, kLeapAwareRow}) {
        SCOPED_TRACE(row);
        const Schedule s = twoDayOfYearSeasons();
        SimulationImage image;
        ASSERT_EQ(buildSimulationImage(s.record, image), 0);
        const std::atomic<bool> stop{false};
        SimulationEngine engine(image, rulesForFirmwareRow(row), stop);
        const std::uint32_t start = utc(2023, 2, 19);  // day 50
        ASSERT_EQ(engine.startChannel(kSimGps, start), kSimEvent);
        EXPECT_EQ(engine.channel(kSimGps).season, 1);
        EXPECT_EQ(engine.channel(kSimGps).seasonStartDay,
                  utc(2022, 10, 27) / kSecondsPerDay);  // day 300 of 2022
        EXPECT_EQ(engine.channel(kSimGps).current, utc(2023, 2, 19, 18, 0));
        // Season 1 takes over on day 100 (10 April).
        const Events events = simulate(s.record, start, row);
        const auto first = std::find_if(events.fixes.begin(), events.fixes.end(),
                                        [](std::uint32_t t) { return t % kSecondsPerDay == 12 * 3600; });
        ASSERT_NE(first, events.fixes.end());
        EXPECT_EQ(*first, utc(2023, 4, 10, 12, 0));
        EXPECT_EQ(*(first - 1), utc(2023, 4, 9, 18, 0));
    }
}

TEST(Simulation, RuleSetsPlaceADayOfYearAcrossALeapYearDifferently) {
    // Deployed in season 2 (from day 300 of 2023), which ends when season 1
    // begins on day 100 of the leap year 2024.
    Schedule s = twoDayOfYearSeasons();
    const std::uint32_t start = utc(2023, 11, 1);
    const auto firstNoonFix = [&](int row) {
        const Events events = simulate(s.record, start, row);
        const auto first = std::find_if(events.fixes.begin(), events.fixes.end(),
                                        [](std::uint32_t t) { return t % kSecondsPerDay == 12 * 3600; });
        return first == events.fixes.end() ? 0u : *first;
    };
    // Classic: the 100th day of 2024 (9 April). Leap-aware: the year from the
    // 100th day of 2023 (10 April) moved by 366 days, onto 10 April.
    EXPECT_EQ(firstNoonFix(kClassicRow), utc(2024, 4, 9, 12, 0));
    EXPECT_EQ(firstNoonFix(kLeapAwareRow), utc(2024, 4, 10, 12, 0));
    EXPECT_EQ(rulesForFirmwareRow(3), SimRules::LeapAwareRules);
    EXPECT_EQ(rulesForFirmwareRow(14), SimRules::ClassicRules);
}

TEST(Simulation, NumberOfDaysSeasonHandsOverToTheDayOfYearSeasonOfTheDate) {
    // 30 days of season 1, then the calendar seasons 2 (day 100) and 3 (day 300).
    Schedule s;
    s.set(1, SeasonRow::NumberOfDays, 30).set(1, SeasonRow::NextSeason, 2);
    s.dayOfYear(2, 100, 3).dayOfYear(3, 300, 2);
    s.gps(1, 1, 1, 360, 1, 60).gps(2, 1, 1, 720, 1, 60).gps(3, 1, 1, 1080, 1, 60);
    for (const int row : {kClassicRow, kLeapAwareRow}) {
        SCOPED_TRACE(row);
        const Events events = simulate(s.record, utc(2023, 2, 1), row);
        ASSERT_GT(events.fixes.size(), 31u);
        EXPECT_EQ(events.fixes[29], utc(2023, 3, 2, 6, 0));
        // Season 3 (begun on day 300 of 2022) takes over from the last fix on:
        // its window later that day is the next event.
        EXPECT_EQ(events.fixes[30], utc(2023, 3, 2, 18, 0));
        EXPECT_EQ(events.fixes[31], utc(2023, 3, 3, 18, 0));
    }
}

TEST(Simulation, RunStoppedByTheWatchdogShowsTheMessageAndKeepsThePoints) {
    Schedule s;
    for (int season = 1; season <= kSeasons; ++season)
        s.set(season, SeasonRow::GpsDcbDuration, 0).set(season, SeasonRow::NextSeason, 0);
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    SimulationJob job;
    job.startTime = utc(2021, 3, 1, 15, 30);
    job.watchdog = std::chrono::milliseconds(50);
    EXPECT_EQ(runSimulation(s.record, job, log), 0);
    EXPECT_TRUE(job.stopped);
    EXPECT_TRUE(job.fixes.empty());
    EXPECT_EQ(job.startTime, utc(2021, 3, 1));
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text, kSimulationFailedMessage);
}

TEST(Simulation, RunThatNeverYieldsAnotherEventIsStoppedAfterItsPoints) {
    // A fix interval of 0 inside a window: the first fix, then no way on.
    Schedule s;
    s.gps(1, 1, 1, 360, 2, 0);
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    SimulationJob job;
    job.startTime = utc(2021, 3, 1);
    job.watchdog = std::chrono::milliseconds(50);
    runSimulation(s.record, job, log);
    EXPECT_TRUE(job.stopped);
    EXPECT_EQ(job.fixes, std::vector<std::uint32_t>{utc(2021, 3, 1, 6, 0)});
}

TEST(Simulation, FinishedRunShowsNothing) {
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    SimulationJob job;
    job.startTime = utc(2021, 3, 1);
    EXPECT_EQ(runSimulation(yearThenShutdown().record, job, log), 0);
    EXPECT_FALSE(job.stopped);
    EXPECT_EQ(job.fixes.size(), 1095u);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST(Simulation, SeasonThatRunsForEverWithoutABlockEndsTheChannel) {
    Schedule s;
    s.record.general(GeneralRow::XmitnsEnabled) = 1;  // every season has no transmitter block
    const Events events = simulate(s.record, utc(2021, 3, 1));
    EXPECT_EQ(events.result, kSimEvent);
    EXPECT_TRUE(events.transmissions.empty());
    EXPECT_FALSE(events.fixes.empty());
}

TEST(SimulationImage, PacksTheSeasonByteAndKeepsTheFieldWidths) {
    Schedule s;
    s.set(3, SeasonRow::SeasonType, 1)
        .set(3, SeasonRow::FixIntervalUnits, 2)
        .set(3, SeasonRow::NextSeason, 13);
    s.set(4, SeasonRow::NextSeason, 14).set(5, SeasonRow::NextSeason, 7);
    s.set(3, SeasonRow::NumberOfDays, 300).set(3, SeasonRow::GpsNumHours_2, 70000.7);
    s.record.general(GeneralRow::PttPriInterval) = 300;  // 8 bits: 44
    SimulationImage image;
    ASSERT_EQ(buildSimulationImage(s.record, image), 0);
    EXPECT_EQ(image.seasons[2][0], 0x01 | 2 << 2 | 14 << 4);
    EXPECT_EQ(image.nextCode(3), kSimRunForever);
    EXPECT_EQ(image.nextCode(4), 7);
    EXPECT_EQ(image.dayCount(2), 300);
    EXPECT_EQ(image.cycleHours(kSimGps, 2, 1), 70000 & 0xFFFF);
    EXPECT_EQ(image.transmitStep(), 300 & 0xFF);
    EXPECT_EQ(image.general.size(), 56u);
}

}  // namespace
}  // namespace orv
