// What the Simulation tab relies on beyond the events: the season of each
// event, a run called off by a newer one, and the marks under the pointer.

#include <gtest/gtest.h>

#include <thread>

#include "app/message_log.h"
#include "scripted_presenter.h"
#include "sim/chart_display.h"
#include "sim/chart_hover.h"
#include "sim/run_simulation.h"
#include "sim_fixture.h"

namespace orv {
namespace {

using test::Schedule;
using test::utc;

// Season 1 for 2 days (fixes at 06:00), then season 3 for 2 days (fixes at
// 12:00), then season 4, a shutdown; the transmitter in season 3 only.
Schedule twoSeasons() {
    Schedule s;
    s.record.general(GeneralRow::XmitnsEnabled) = 1;
    s.set(1, SeasonRow::NumberOfDays, 2).set(1, SeasonRow::NextSeason, 3);
    s.set(3, SeasonRow::NumberOfDays, 2).set(3, SeasonRow::NextSeason, 4).set(4, SeasonRow::NextSeason, 13);
    s.gps(1, 1, 1, 360, 1, 60).gps(3, 1, 1, 720, 1, 60);
    s.set(3, SeasonRow::ArgosDcbDuration, 1).transmitter(3, 1, 1, 1080, 1);
    return s;
}

TEST(SimulationRun, EachEventCarriesTheSeasonThatScheduledIt) {
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    SimulationJob job;
    job.startTime = utc(2024, 5, 1);
    ASSERT_EQ(runSimulation(twoSeasons().record, job, log), 0);
    ASSERT_EQ(job.fixes.size(), 4u);
    EXPECT_EQ(job.fixes[0], utc(2024, 5, 1, 6));
    EXPECT_EQ(job.fixes[2], utc(2024, 5, 3, 12));
    EXPECT_EQ(job.fixSeasons, (std::vector<std::uint8_t>{1, 1, 3, 3}));
    ASSERT_FALSE(job.transmissions.empty());
    EXPECT_EQ(job.transmissionSeasons.size(), job.transmissions.size());
    EXPECT_EQ(job.transmissionSeasons.front(), 3);
    // Run again: the lists start afresh.
    ASSERT_EQ(runSimulation(twoSeasons().record, job, log), 0);
    EXPECT_EQ(job.fixSeasons.size(), 4u);
}

TEST(SimulationRun, ACancelledRunStopsSoonWithoutTheFailureMessage) {
    Schedule s;  // searches for ever: no season has a GPS block
    for (int season = 1; season <= kSeasons; ++season)
        s.set(season, SeasonRow::GpsDcbDuration, 0).set(season, SeasonRow::NextSeason, 0);
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    std::atomic<bool> cancel{false};
    SimulationJob job;
    job.startTime = utc(2024, 5, 1);
    job.watchdog = std::chrono::seconds(30);
    job.cancel = &cancel;
    std::thread caller([&] { runSimulation(s.record, job, log); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const auto cancelled = std::chrono::steady_clock::now();
    cancel = true;
    caller.join();
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(5));
    EXPECT_TRUE(job.cancelled);
    EXPECT_TRUE(job.stopped);
    EXPECT_EQ(presenter.count(), 0u);
    // The same job run again without a cancel gets the watchdog and its message.
    job.cancel = nullptr;
    job.watchdog = std::chrono::milliseconds(30);
    runSimulation(s.record, job, log);
    EXPECT_FALSE(job.cancelled);
    EXPECT_TRUE(job.stopped);
    EXPECT_EQ(presenter.count(), 1u);
}

TEST(ChartHover, FindsTheMarkUnderThePointAndNamesIt) {
    SimulationChart chart(utc(2024, 5, 1));
    const std::vector<std::uint32_t> fixes = {utc(2024, 5, 1, 6), utc(2024, 5, 1, 6, 30),
                                              utc(2024, 5, 3, 23, 59), utc(2024, 7, 1)};
    const std::vector<std::uint8_t> seasons = {1, 2, 3, 4};
    const std::vector<std::uint32_t> transmissions = {utc(2024, 5, 2, 12)};
    const ChartStripEvents gps{true, fixes, seasons};
    const ChartStripEvents transmitter{true, transmissions, {}};
    const ChartDisplay display = chartDisplay(chart, fixes, true, transmissions, true);
    // Every drawn mark, probed at its centre, names its own event.
    std::vector<std::uint32_t> named;
    for (const ChartLine& line : display.lines) {
        if (line.pen != ChartPen::GpsMark && line.pen != ChartPen::TransmitterMark) continue;
        const auto hit = chartHitAt(chart, gps, transmitter, (line.x0 + line.x1) / 2, line.y0, 0.002);
        ASSERT_TRUE(hit.has_value());
        EXPECT_EQ(hit->strip, line.pen == ChartPen::GpsMark ? kChartGpsStrip : kChartTransmitterStrip);
        named.push_back(hit->time);
    }
    EXPECT_EQ(named, (std::vector<std::uint32_t>{fixes[0], fixes[1], fixes[2], transmissions[0]}));
    const auto hit =
        chartHitAt(chart, gps, transmitter, (display.lines.back().x0 + display.lines.back().x1) / 2,
                   display.lines.back().y0, 0.002);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(chartHitText(*hit), "Transmission\n2024-05-02 12:00:00 UTC");
    const ChartHit fix{kChartGpsStrip, fixes[2], 3};
    EXPECT_EQ(chartHitText(fix), "GPS fix\n2024-05-03 23:59:00 UTC\nSeason 3");
}

TEST(ChartHover, NothingBesideTheMarksOrInADisabledStrip) {
    SimulationChart chart(utc(2024, 5, 1));
    const std::vector<std::uint32_t> fixes = {utc(2024, 5, 1, 12)};
    const ChartStripEvents gps{true, fixes, {}};
    const ChartStripEvents none{};
    const double x =
        ChartGeometry::plotLeft + 0.5 / 35 * (ChartGeometry::plotRight - ChartGeometry::plotLeft);
    const double y = (ChartGeometry::stripTop(0) + ChartGeometry::stripBottom(0)) / 2;
    EXPECT_TRUE(chartHitAt(chart, gps, none, x, y, 0.003).has_value());
    EXPECT_FALSE(chartHitAt(chart, gps, none, x, y + 0.01, 0.003).has_value());      // two hours off
    EXPECT_FALSE(chartHitAt(chart, gps, none, x + 1.0 / 35, y, 0.003).has_value());  // the next day
    EXPECT_FALSE(chartHitAt(chart, gps, none, 0.05, y, 0.003).has_value());          // left of the plot
    EXPECT_FALSE(chartHitAt(chart, {false, fixes, {}}, none, x, y, 0.003).has_value());
    // Scrolled away, the event is out of view.
    chart.scrollForward();
    EXPECT_FALSE(chartHitAt(chart, gps, none, x, y, 0.003).has_value());
}

}  // namespace
}  // namespace orv
