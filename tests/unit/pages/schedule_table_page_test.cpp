#include "pages/schedule_table_page.h"

#include <gtest/gtest.h>

#include "model/definitions.h"

namespace orv {
namespace {

TEST(ScheduleTablePage, TwelveSeasonsWithTheirTextsEvenOutsideTheChain) {
    restoreBuiltinDefinitions();
    ParameterRecord record;
    resetRecord(record);
    // Season 1 runs forever: the chain never reaches the others.
    record.season(1, SeasonRow::NextSeason) = 14;
    record.season(1, SeasonRow::SeasonType) = 1;
    record.season(1, SeasonRow::NumberOfDays) = 32;
    record.season(12, SeasonRow::NumberOfDays) = 90;
    record.season(12, SeasonRow::FixIntervalUnits) = 3;
    record.season(12, SeasonRow::GpsStartTime_1) = 75;
    record.season(12, SeasonRow::GpsDcbDuration) = 7;

    const auto headers = scheduleTableSeasonHeaders();
    EXPECT_EQ(headers.front(), "Season 1");
    EXPECT_EQ(headers.back(), "Season 12");

    const auto rows = scheduleTableRows(record);
    // Five leading rows, then the 22 remaining season rows (8 .. 29).
    ASSERT_EQ(rows.size(), 27U);
    EXPECT_EQ(rows[0].parameter, "Season Type");
    EXPECT_EQ(rows[0].seasons[0], "Day of Year");
    EXPECT_EQ(rows[0].seasons[11], "Number of Days");
    EXPECT_EQ(rows[1].parameter, "Start-Date/Number-of-Days");
    EXPECT_EQ(rows[1].seasons[0], "Feb 1");
    EXPECT_EQ(rows[1].seasons[11], "90");
    EXPECT_EQ(rows[2].parameter, "Next Season");
    EXPECT_EQ(rows[2].seasons[0], "run this season forever");
    EXPECT_EQ(rows[2].seasons[1], "run this season forever");  // the default
    EXPECT_EQ(rows[3].parameter, "GPS Duty Cycle Block");
    EXPECT_EQ(rows[3].seasons[11], "7");
    EXPECT_EQ(rows[4].parameter, "GPS Fix Interval Units");
    EXPECT_EQ(rows[4].seasons[11], "days");
    EXPECT_EQ(rows[4].seasons[0], "minutes");
    EXPECT_EQ(rows[5].parameter, "GPS Duty Cycle 1 - DCB Day");
    EXPECT_EQ(rows[6].seasons[11], " 1:15");
    EXPECT_EQ(rows.back().parameter, "Xmittr Cycle 3 - # Hours");
    for (const auto& row : rows) {
        for (const auto& cell : row.seasons) EXPECT_FALSE(cell.empty()) << row.parameter;
    }
}

}  // namespace
}  // namespace orv
