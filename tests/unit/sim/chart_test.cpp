// The chart's view (zoom, scroll, ticks) and the display list it gives.

#include <gtest/gtest.h>

#include <algorithm>

#include "sim/chart_display.h"
#include "sim_fixture.h"

namespace orv {
namespace {

using test::utc;

std::vector<std::string> textsAt(const ChartDisplay& display, double y) {
    std::vector<std::string> found;
    for (const auto& t : display.texts)
        if (std::abs(t.y - y) < 1e-9) found.push_back(t.text);
    return found;
}

std::vector<ChartLine> linesOf(const ChartDisplay& display, ChartPen pen) {
    std::vector<ChartLine> found;
    std::copy_if(display.lines.begin(), display.lines.end(), std::back_inserter(found),
                 [&](const ChartLine& l) { return l.pen == pen; });
    return found;
}

constexpr double kLowerRowY = ChartGeometry::stripTop(kChartGpsStrip) - 0.012;
constexpr double kUpperRowY = kLowerRowY - 0.028;

TEST(SimulationChart, OpensOnTodayAtMidnightShowingThirtyFiveDays) {
    const SimulationChart chart(utc(2021, 3, 10, 14, 25));
    EXPECT_EQ(chart.viewStart(), utc(2021, 3, 10));
    EXPECT_EQ(chart.zoomLevel(), 0);
    const ChartDisplay display = chartDisplay(chart, {}, true, {}, true);
    const auto days = textsAt(display, kLowerRowY);
    ASSERT_EQ(days.size(), 36u);  // 35 day labels and the caption
    EXPECT_EQ(days.front(), "10");
    EXPECT_EQ(days[34], "13");  // 13 April
    EXPECT_EQ(days.back(), "Date");
    // Upper row: months, the first one in full.
    EXPECT_EQ(textsAt(display, kUpperRowY), (std::vector<std::string>{"Mar 2021", "Apr 2021"}));
}

TEST(SimulationChart, TwoZoomInsShowTwoDaysInFourHourTicks) {
    SimulationChart chart(utc(2021, 3, 10));
    chart.zoomIn();
    EXPECT_EQ(chart.viewSpan(), kChartSpanLevel1);
    chart.zoomIn();
    chart.zoomIn();  // stays at level 2
    EXPECT_EQ(chart.zoomLevel(), 2);
    EXPECT_EQ(chart.viewSpan(), kChartSpanLevel2);
    EXPECT_EQ(chart.granularity(), GranularityFourHours);
    const ChartDisplay display = chartDisplay(chart, {}, true, {}, true);
    const auto ticks = textsAt(display, kLowerRowY);
    ASSERT_EQ(ticks.size(), 13u);
    EXPECT_EQ(ticks[0], "0:00");
    EXPECT_EQ(ticks[5], "20:00");
    EXPECT_EQ(ticks[6], "0:00");
    EXPECT_EQ(ticks.back(), "4 Hours");
    EXPECT_EQ(textsAt(display, kUpperRowY), (std::vector<std::string>{"3/10/21", "11"}));
}

TEST(SimulationChart, ZoomOutRoundsTheViewStartDown) {
    SimulationChart chart(utc(2021, 3, 10));
    chart.zoomIn();
    chart.zoomIn();
    chart.setViewStart(utc(2021, 3, 12, 16, 0));
    chart.zoomOut();
    EXPECT_EQ(chart.viewStart(), utc(2021, 3, 12));
    EXPECT_EQ(chart.granularity(), GranularityDay);
    chart.zoomOut();
    EXPECT_EQ(chart.viewSpan(), kChartSpanLevel0);
    EXPECT_EQ(chart.viewStart() % kSecondsPerWeek, 0);
    EXPECT_EQ(chart.viewStart(), utc(2021, 3, 11));  // a Thursday
    chart.zoomOut();
    EXPECT_EQ(chart.viewStart(), utc(2021, 3, 11));
}

TEST(SimulationChart, ScrollStepsFollowTheZoomLevel) {
    SimulationChart chart(utc(2021, 3, 10));
    chart.scrollForward();
    EXPECT_EQ(chart.viewStart(), utc(2021, 3, 24));
    chart.zoomIn();
    chart.scrollBackward();
    EXPECT_EQ(chart.viewStart(), utc(2021, 3, 18));
    chart.zoomIn();
    chart.scrollForward();
    EXPECT_EQ(chart.viewStart(), utc(2021, 3, 18, 16, 0));
}

TEST(SimulationChart, WeekTicksBeginOnSunday) {
    EXPECT_EQ(tickAtOrBefore(utc(2021, 3, 10, 9, 0), GranularityWeek), utc(2021, 3, 7));
    EXPECT_EQ(tickAtOrBefore(utc(2021, 3, 7), GranularityWeek), utc(2021, 3, 7));
    EXPECT_EQ(tickAtOrBefore(utc(2021, 3, 10, 9, 0), GranularityMonth), utc(2021, 3, 1));
    EXPECT_EQ(tickAfter(utc(2021, 12, 1), GranularityMonth), utc(2022, 1, 1));
    SimulationChart chart(utc(2021, 3, 10));
    chart.zoomIn();
    const ChartDisplay display = chartDisplay(chart, {}, true, {}, true);
    // The week begun on 7 March stands over the first day shown, 10 March, and names it.
    EXPECT_EQ(textsAt(display, kUpperRowY), (std::vector<std::string>{"3/10/21", "14", "21"}));
}

TEST(SimulationChart, MarksSitInTheirDayColumnAtTheirTimeOfDay) {
    const SimulationChart chart(utc(2021, 3, 10));
    const std::vector<std::uint32_t> fixes{utc(2021, 3, 10), utc(2021, 3, 11, 12, 0),
                                           utc(2021, 3, 12, 23, 59), utc(2021, 3, 9, 12, 0),
                                           utc(2021, 4, 14)};  // the last two out of view
    const ChartDisplay display = chartDisplay(chart, fixes, true, {}, false);
    const auto marks = linesOf(display, ChartPen::GpsMark);
    ASSERT_EQ(marks.size(), 3u);
    const double top = ChartGeometry::stripTop(kChartGpsStrip);
    const double bottom = ChartGeometry::stripBottom(kChartGpsStrip);
    const double dayWidth = (ChartGeometry::plotRight - ChartGeometry::plotLeft) / 35;
    EXPECT_NEAR(marks[0].y0, bottom, 0.002);  // midnight at the bottom
    EXPECT_NEAR(marks[1].y0, (top + bottom) / 2, 0.002);
    EXPECT_NEAR(marks[2].y0, top, 0.002);  // 23:59 near the top
    EXPECT_GT(marks[2].y0, top);
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(marks[i].x0, ChartGeometry::plotLeft + i * dayWidth);
        EXPECT_LT(marks[i].x1, ChartGeometry::plotLeft + (i + 1) * dayWidth);
        EXPECT_EQ(marks[i].y0, marks[i].y1);
    }
}

TEST(SimulationChart, DisabledStripIsNotDrawn) {
    const SimulationChart chart(utc(2021, 3, 10));
    const std::vector<std::uint32_t> events{utc(2021, 3, 10, 6, 0)};
    const ChartDisplay display = chartDisplay(chart, events, false, events, true);
    EXPECT_TRUE(linesOf(display, ChartPen::GpsMark).empty());
    EXPECT_EQ(linesOf(display, ChartPen::TransmitterMark).size(), 1u);
    EXPECT_EQ(display.rects.size(), 1u);
    const auto has = [&](const char* text) {
        return std::any_of(display.texts.begin(), display.texts.end(),
                           [&](const ChartText& t) { return t.text == text; });
    };
    EXPECT_FALSE(has("GPS Fixes"));
    EXPECT_TRUE(has("Transmitter"));
    EXPECT_TRUE(has("(24)"));
    for (const auto& line : display.lines) {
        EXPECT_GE(std::min(line.x0, line.x1), 0.0);
        EXPECT_LE(std::max(line.y0, line.y1), 1.0);
    }
}

// The last views before the collar's clock ends: every zoom level draws its
// ticks and labels and stops (the month after February 2106 never came back).
TEST(ChartClockEnd, TheLastViewsDrawAndNoViewStartsLater) {
    for (int zoom = 0; zoom < 3; ++zoom) {
        SimulationChart chart(0);
        for (int level = 0; level < zoom; ++level) chart.zoomIn();
        chart.setViewStart(utc(2106, 2, 7));
        EXPECT_EQ(chart.viewStart(), kChartLatestViewStart) << zoom;
        EXPECT_LE(chart.viewEnd(), 0xFFFFFFFFLL) << zoom;
        EXPECT_LE(chartUpperLabels(chart).size(), 3u) << zoom;
        EXPECT_LE(chartLowerTicks(chart).size(), 40u) << zoom;
        const ChartDisplay display = chartDisplay(chart, {}, true, {}, true);
        EXPECT_FALSE(display.texts.empty());
    }
    for (std::int64_t tick = tickAtOrBefore(utc(2105, 11, 20), GranularityMonth); tick <= 0xFFFFFFFFLL;) {
        const std::int64_t next = tickAfter(tick, GranularityMonth);
        ASSERT_GT(next, tick);
        tick = next;
    }
}

// The window's text on a 780 x 450 chart: 13-pixel text, 7-pixel digits.
constexpr ChartTextFit kWindowText{13.0 / 450, 16.0 / 450, 7.0 / 780};

TEST(ChartGeometry, TheWindowsTextKeepsItsRowsAndLabelsApart) {
    SimulationChart chart(utc(2021, 3, 10));
    for (int level = 0; level < 3; ++level) {
        const ChartDisplay display = chartDisplay(chart, {}, true, {}, true, kWindowText);
        EXPECT_DOUBLE_EQ(display.textHeight, kWindowText.fontHeight);
        // The rows: the upper one's (larger) text ends above the lower one's top.
        const auto rowOf = [&](const char* caption) {
            for (const ChartText& t : display.texts)
                if (t.text == caption) return t.y;
            return -1.0;
        };
        const double lower = rowOf(axisCaption(chart.granularity()));
        double upper = 1;
        for (const ChartText& t : display.texts)
            if (t.font == ChartFont::SemiBold200 && t.horizontal == ChartAlign::Start && t.y < lower)
                upper = std::min(upper, t.y);
        EXPECT_LE(upper, lower - kWindowText.lineHeight) << level;
        EXPECT_GE(upper - 200.0 / 175 * kWindowText.lineHeight, 0.0) << level;
        // The lower labels: centres far enough apart for their widths.
        std::vector<double> centres;
        std::size_t longest = 0;
        for (const ChartText& t : display.texts)
            if (std::abs(t.y - lower) < 1e-12 && t.horizontal == ChartAlign::Centre) {
                centres.push_back(t.x);
                longest = std::max(longest, t.text.size());
            }
        ASSERT_GE(centres.size(), 6u) << level;
        for (std::size_t i = 1; i < centres.size(); ++i)
            EXPECT_GE(centres[i] - centres[i - 1], (longest + 1) * kWindowText.digitWidth) << level;
        chart.zoomIn();
    }
}

TEST(ChartGeometry, NarrowDayColumnsThinTheirLabelsAndKeepThemOnTheSameDays) {
    SimulationChart chart(utc(2021, 3, 10));
    // At 35 days a column is 0.0233 wide, a two-digit label needs 3.5 digits of 0.009.
    const ChartTextFit narrow{13.0 / 450, 16.0 / 450, 0.009};
    std::vector<std::string> days;
    for (const ChartTick& tick : chartLowerTicks(chart, narrow)) days.push_back(tick.label);
    ASSERT_EQ(days.size(), 18u);  // every second day
    EXPECT_EQ(days[0], "10");     // day 18696 since 1970, an even one
    chart.scrollForward();        // 14 days on: the same days keep their labels
    EXPECT_EQ(chartLowerTicks(chart, narrow)[0].label, "24");
    EXPECT_EQ(chartLowerTicks(chart).size(), 35u);  // a printed page keeps them all
}

TEST(ChartGeometry, AtTheCloserZoomsTheMarksFillTheirDay) {
    SimulationChart chart(utc(2021, 3, 10));
    const std::vector<std::uint32_t> fixes{utc(2021, 3, 10, 12, 0)};
    const double plot = ChartGeometry::plotRight - ChartGeometry::plotLeft;
    std::vector<double> shares;
    for (int level = 0; level < 3; ++level) {
        const auto marks = linesOf(chartDisplay(chart, fixes, true, {}, false), ChartPen::GpsMark);
        ASSERT_EQ(marks.size(), 1u);
        shares.push_back((marks[0].x1 - marks[0].x0) /
                         (plot * 86400 / static_cast<double>(chart.viewSpan())));
        chart.zoomIn();
    }
    EXPECT_NEAR(shares[0], 0.7, 1e-9);  // narrow days stand apart
    EXPECT_GE(shares[1], 0.9);
    EXPECT_GE(shares[2], 0.99);
}

TEST(ChartGeometry, AFirstLabelThatWouldRunIntoTheNextGivesWay) {
    SimulationChart chart(utc(2021, 3, 30));  // "Mar 2021" two days before "Apr 2021"
    std::vector<std::string> labels;
    for (const ChartTick& tick : chartUpperLabels(chart, kWindowText)) labels.push_back(tick.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Apr 2021", "May 2021"}));
    EXPECT_EQ(chartUpperLabels(chart).front().label, "Mar 2021");  // a printed page keeps it
}

}  // namespace
}  // namespace orv
