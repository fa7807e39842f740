// The schedule in words: the duty-cycle phrases and the rows of the listed seasons.

#include "reports/schedule_text.h"

#include <gtest/gtest.h>

#include "reports/schedule_table.h"

namespace orv {
namespace {

constexpr int kMinutes = 1;
constexpr int kHours = 2;
constexpr TransmitterType kArgos = TransmitterType::Petrel;
constexpr TransmitterType kNetwork = TransmitterType::SpreadSpectrum;

TEST(GpsBlockPhrase, DailyContinuousAndMultiDayCycles) {
    EXPECT_EQ(gpsBlockPhrase(1, 1, 30, kMinutes, 2, 390),
              "Daily - Beginning @ 06:30, Ending at 08:30, Fix every 30 minutes");
    EXPECT_EQ(gpsBlockPhrase(1, 3, 1, kHours, 72, 0), "Continuous - Fix every 1 hour");
    EXPECT_EQ(gpsBlockPhrase(1, 1, 1, kHours, 24, 0), "Daily - Beginning @ 00:00, Fix every 1 hour");
    EXPECT_EQ(gpsBlockPhrase(2, 4, 10, 0, 3, 600), "Day 2 of 4, Ending at 13:00, Fix every 10 seconds");
}

TEST(GpsBlockPhrase, EndPastMidnightWrapsButTwentyFourStays) {
    EXPECT_EQ(gpsBlockPhrase(1, 1, 1, kHours, 2, 23 * 60),
              "Daily - Beginning @ 23:00, Ending at 01:00, Fix every 1 hour");
    EXPECT_EQ(gpsBlockPhrase(1, 1, 1, kHours, 2, 22 * 60),
              "Daily - Beginning @ 22:00, Ending at 24:00, Fix every 1 hour");
}

TEST(FixTimes, ListAndCount) {
    EXPECT_EQ(fixTimesList(20, kMinutes, 1, 360), " 06:00, 06:20, 06:40");
    EXPECT_EQ(dutyCycleFixCount(20, kMinutes, 1), 3);
    EXPECT_EQ(dutyCycleFixCount(25, kMinutes, 1), 3);  // 0, 25 and 50 minutes in
    EXPECT_EQ(dutyCycleFixCount(20, kMinutes, 0), 0);
    EXPECT_EQ(fixTimesList(2, kHours, 4, 23 * 60), " 23:00, 25:00");  // not wrapped at midnight
    // A cycle without an interval: its start, and no fixes counted.
    EXPECT_EQ(fixTimesList(0, kMinutes, 5, 60), " 01:00");
    EXPECT_EQ(dutyCycleFixCount(0, kMinutes, 5), 0);
}

TEST(TransmitPhrase, ArgosCycles) {
    EXPECT_EQ(transmitPhrase(1, 1, 0, 24, kArgos, 1, 6), "On Continuous");
    EXPECT_EQ(transmitPhrase(0, 1, 0, 6, kArgos, 1, 6), "No Transmissions  (Off)");
    EXPECT_EQ(transmitPhrase(1, 1, 360, 1, kArgos, 1, 6), "Daily - Beginning at 06:00, Transmit 1 Hr.");
    EXPECT_EQ(transmitPhrase(3, 2, 90, 6, TransmitterType::PetrelWithPowerSelect, 1, 6),
              "Day 2 of 3 - Beginning at 01:30, Transmit 6 Hrs.");
    EXPECT_EQ(transmitStartDate(3, 2, 90, 6, kArgos, 1, 6), "no date");
}

TEST(TransmitPhrase, NetworkCyclesNameTheirWeekday) {
    // 2006 began on a Sunday: day 10 is Tuesday 10 January.
    EXPECT_EQ(transmitPhrase(14, 3, 600, 2, kNetwork, 8, 6),
              "Every 2 Weeks on Tues., at 10:00, 'Listening' for 2 Hrs.");
    EXPECT_EQ(transmitPhrase(7, 1, 600, 1, kNetwork, 8, 6), "Every Sun. - at 10:00, 'Listening' for 1 Hr.");
    EXPECT_EQ(transmitPhrase(3, 1, 0, 1, kNetwork, 8, 6), "Day 1 of 3 - at 00:00, 'Listening' for 1 Hr.");
    EXPECT_EQ(transmitPhrase(1, 1, 30, 3, kNetwork, 8, 6), "Daily - at 00:30, 'Listening' for 3 Hrs.");
    EXPECT_EQ(transmitPhrase(0, 1, 30, 3, kNetwork, 8, 6), "No 'Listening' Periods   (Off)");
    EXPECT_EQ(transmitStartDate(7, 1, 600, 1, kNetwork, 8, 6), "no date");
    EXPECT_EQ(transmitStartDate(0, 1, 600, 1, kNetwork, 8, 6), " ");
    EXPECT_EQ(transmitStartDate(14, 3, 600, 2, kNetwork, 8, 6), "Beginning Tues. Jan 10");
    // Weekdays come from the calendar for any year, not only 2000 .. 2020.
    EXPECT_EQ(transmitStartDate(14, 1, 0, 1, kNetwork, 1, 26), "Beginning Thur. Jan 1");
}

TEST(TransmitPhrase, LeapYearDatesFollowTheRealCalendar) {
    // Day 60 of 2008 is 29 February (a 365-day calendar would give "Mar 1" less one day, "Mar 0").
    EXPECT_EQ(transmitStartDate(14, 1, 0, 1, kNetwork, 60, 8), "Beginning Fri. Feb 29");
    EXPECT_EQ(transmitStartDate(14, 2, 0, 1, kNetwork, 90, 8), "Beginning Mon. Mar 31");
    EXPECT_EQ(transmitStartDate(14, 1, 0, 1, kNetwork, 60, 7), "Beginning Thur. Mar 1");
    EXPECT_EQ(transmitStartDate(14, 5, 0, 1, kNetwork, 365, 7), "Beginning Fri. Jan 4");  // runs into 2008
}

class ScheduleRows : public ::testing::Test {
protected:
    void SetUp() override {
        resetRecord(record);
        record.general(GeneralRow::StartYear) = 2006;
    }
    std::vector<int> listed() const {
        std::vector<int> seasons;
        for (const auto& entry : listedSeasons(record)) seasons.push_back(entry.season);
        return seasons;
    }
    ParameterRecord record;
};

TEST_F(ScheduleRows, WalkListsEverySeasonReachedOnceInChainOrder) {
    EXPECT_EQ(listed(), std::vector<int>{1});  // run forever
    record.season(1, SeasonRow::NextSeason) = 0;
    record.season(2, SeasonRow::NextSeason) = 5;
    record.season(5, SeasonRow::NextSeason) = 2;  // back to a season already listed
    EXPECT_EQ(listed(), (std::vector<int>{1, 2, 5}));
    record.season(5, SeasonRow::NextSeason) = 13;
    EXPECT_EQ(listed(), (std::vector<int>{1, 2, 5}));
    for (int s = 1; s <= 12; ++s) record.season(s, SeasonRow::NextSeason) = 0;
    EXPECT_EQ(listed().size(), 12u);
    record.season(12, SeasonRow::NextSeason) = 14;
    record.season(1, SeasonRow::NextSeason) = 12;
    EXPECT_EQ(listed(), (std::vector<int>{1, 12}));
}

TEST_F(ScheduleRows, DayOfYearSeasonsCountTheirYears) {
    record.general(GeneralRow::XmitterEnblType) = static_cast<int>(kNetwork);
    // 1 Sep -> 1 Jan -> 1 Jun -> back to 1 Sep.
    record.season(1, SeasonRow::SeasonType) = 1;
    record.season(1, SeasonRow::NumberOfDays) = 244;
    record.season(1, SeasonRow::NextSeason) = 2;
    record.season(2, SeasonRow::SeasonType) = 1;
    record.season(2, SeasonRow::NumberOfDays) = 1;
    record.season(2, SeasonRow::NextSeason) = 3;
    record.season(3, SeasonRow::SeasonType) = 1;
    record.season(3, SeasonRow::NumberOfDays) = 152;
    record.season(3, SeasonRow::NextSeason) = 1;
    const ScheduleTable table = scheduleTable(record);
    EXPECT_EQ(table.header[1], "Dates");
    EXPECT_EQ(table.header[3], "");  // transmissions off
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].columns[1], std::vector<std::string>{"Sep 1, 06 - Dec 31, 06"});
    EXPECT_EQ(table.rows[1].columns[1], std::vector<std::string>{"Jan 1, 07 - May 31, 07"});
    EXPECT_EQ(table.rows[2].columns[1], std::vector<std::string>{"Jun 1, 07 - Aug 31, 07"});
    EXPECT_TRUE(table.rows[0].columns[3].empty());

    record.season(2, SeasonRow::NumberOfDays) = 32;  // 1 Feb: season 1 now ends in the following year
    const auto seasons = listedSeasons(record);
    EXPECT_EQ(seasons[0].endYearIndex, 7);
    EXPECT_EQ(seasons[1].startYearIndex, 7);
    EXPECT_EQ(seasons[2].endYearIndex, 7);
}

TEST_F(ScheduleRows, GpsColumnChoosesPhrasesOrFixTimes) {
    record.season(1, SeasonRow::NextSeason) = 2;
    record.season(1, SeasonRow::NumberOfDays) = 30;
    record.season(2, SeasonRow::NextSeason) = 14;
    // Season 1: two cycles, four fixes: the times. Season 2: the default 24 fixes a day: phrases.
    record.season(1, SeasonRow::GpsNumHours_1) = 1;
    record.season(1, SeasonRow::GpsStartTime_1) = 360;
    record.season(1, SeasonRow::GpsFixInterval_1) = 30;
    record.season(1, SeasonRow::GpsDcbDay_2) = 1;
    record.season(1, SeasonRow::GpsStartTime_2) = 1080;
    record.season(1, SeasonRow::GpsNumHours_2) = 1;
    record.season(1, SeasonRow::GpsFixInterval_2) = 30;
    const ScheduleTable table = scheduleTable(record);
    EXPECT_EQ(table.header[1], "# of days");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].columns[0], std::vector<std::string>{"1"});
    EXPECT_EQ(table.rows[0].columns[1], std::vector<std::string>{"30 "});
    EXPECT_EQ(table.rows[0].columns[2],
              (std::vector<std::string>{"Fix attempt(s) will occur at: 06:00, 06:30, 18:00, 18:30",
                                        "Go to Seas. 2 "}));
    EXPECT_EQ(table.rows[1].columns[2],
              (std::vector<std::string>{"Daily - Beginning @ 00:00, Fix every 60 minutes",
                                        "Run this Season to End of Life"}));

    record.season(1, SeasonRow::GpsDcbDuration) = 2;
    record.season(1, SeasonRow::GpsDcbDay_2) = 2;
    EXPECT_EQ(scheduleTable(record).rows[0].columns[2],
              (std::vector<std::string>{"Fix attempt(s) will occur at:", "Day 1 of 2,  06:00, 06:30",
                                        "Day 2 of 2,  18:00, 18:30", "Go to Seas. 2 "}));
    record.season(1, SeasonRow::GpsDcbDuration) = 0;
    EXPECT_EQ(scheduleTable(record).rows[0].columns[2][0], "No Scheduled Fixes");
}

TEST_F(ScheduleRows, TransmitterColumnWhenTransmissionsAreOn) {
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::XmitterEnblType) = static_cast<int>(kArgos);
    ScheduleTable table = scheduleTable(record);
    EXPECT_EQ(table.header[3], "Argos Schedule");
    EXPECT_EQ(table.rows[0].columns[3],
              std::vector<std::string>{"Daily - Beginning at 06:00, Transmit 6 Hrs."});

    record.general(GeneralRow::XmitterEnblType) = static_cast<int>(kNetwork);
    record.season(1, SeasonRow::SeasonType) = 1;
    record.season(1, SeasonRow::NumberOfDays) = 8;
    record.season(1, SeasonRow::ArgosDcbDuration) = 14;
    record.season(1, SeasonRow::ArgosDcbDay_1) = 3;
    record.season(1, SeasonRow::ArgosStartTime_1) = 600;
    record.season(1, SeasonRow::ArgosNumHours_1) = 2;
    table = scheduleTable(record);
    EXPECT_EQ(table.header[3], "Spread Spectrum Schedule");
    EXPECT_EQ(table.rows[0].columns[1], std::vector<std::string>{"Jan 8, 06"});
    EXPECT_EQ(table.rows[0].columns[3],
              (std::vector<std::string>{"Beginning Tues. Jan 10",
                                        "Every 2 Weeks on Tues., at 10:00, 'Listening' for 2 Hrs."}));

    record.season(1, SeasonRow::ArgosNumHours_1) = 0;
    EXPECT_EQ(scheduleTable(record).rows[0].columns[3],
              std::vector<std::string>{"No Scheduled Transmissions!"});
}

TEST(ScheduleColumnsLayout, SplitsTheRestSixToFour) {
    const auto width = [](const std::string& text) { return static_cast<double>(text.size()); };
    const ScheduleColumns c = scheduleColumns(0, 123, width);
    EXPECT_EQ(c.left[1], 11);
    EXPECT_EQ(c.left[2], 23);
    EXPECT_EQ(c.left[3], 83);
    EXPECT_EQ(c.right[3], 123);
    EXPECT_EQ(c.textInset, 3);
}

}  // namespace
}  // namespace orv
