#include "workflow/main_rules.h"

#include <gtest/gtest.h>

#include "app/message_log.h"
#include "model/record.h"
#include "scripted_presenter.h"

namespace orv {
namespace {

TEST(DatabaseButtons, StatusLevelJobAndRangeDecide) {
    EXPECT_TRUE(databaseEditAllowed("Working", 0x011, "J1"));
    EXPECT_FALSE(databaseEditAllowed("Coord. Signoff", 0x011, "J1"));
    EXPECT_TRUE(databaseEditAllowed("Coord. Signoff", 0x022, "J1"));
    EXPECT_TRUE(databaseEditAllowed("Coord. Signoff", 0x088, "J1"));
    EXPECT_FALSE(databaseEditAllowed("Coord. Signoff", 0x300, "J1"));
    EXPECT_FALSE(databaseEditAllowed("Programmed", 0x022, "J1"));
    EXPECT_TRUE(databaseEditAllowed("Programmed", 0x088, "J1"));
    EXPECT_FALSE(databaseEditAllowed("Working", 0x022, " DEFAULT"));
    EXPECT_TRUE(databaseEditAllowed("Working", 0x088, " DEFAULT"));
    EXPECT_TRUE(databaseEditAllowed("Working", 0x011, "DEFAULT"));  // only the exact text
    // Three Range entries: the last two; none: always.
    EXPECT_FALSE(saveDeleteEnabled(true, 0, 3));
    EXPECT_TRUE(saveDeleteEnabled(true, 1, 3));
    EXPECT_TRUE(saveDeleteEnabled(true, 2, 3));
    EXPECT_TRUE(saveDeleteEnabled(true, -1, 0));
    EXPECT_FALSE(saveDeleteEnabled(false, 2, 3));
}

TEST(StatusText, MarkerAndChangeMarkAreNotPartOfTheStatus) {
    EXPECT_EQ(bareStatus("Programmed --------------------"), "Programmed");
    EXPECT_EQ(bareStatus("Working *"), "Working");
    EXPECT_EQ(bareStatus("Working"), "Working");
    EXPECT_EQ(trimTrailingBlanks("J1   "), "J1");
    EXPECT_EQ(trimTrailingBlanks("   "), "");
}

class RecordRules : public ::testing::Test {
protected:
    void SetUp() override { resetRecord(record); }
    ParameterRecord record;
    test::ScriptedPresenter boxes;
    MessageLog log{&boxes};
};

TEST_F(RecordRules, LoadFixupsRepairInconsistentEnableTypes) {
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::XmitterEnblType) = 0;
    record.general(GeneralRow::VHFBeaconEnabled) = 1;
    record.general(GeneralRow::BeaconType) = 0;
    record.general(GeneralRow::PNTimeEncode) = 0;
    record.general(GeneralRow::PNSeedValue) = 0;
    record.general(GeneralRow::XmitEncryption) = 1;
    applyLoadFixups(record);
    EXPECT_EQ(record.general(GeneralRow::XmitterEnblType), 1);
    EXPECT_EQ(record.general(GeneralRow::BeaconType), 2);
    EXPECT_EQ(record.general(GeneralRow::XmitEncryption), 0);
    // After Read the flag follows the type instead.
    record.general(GeneralRow::XmitterEnblType) = 0;
    applyReadFixups(record);
    EXPECT_EQ(record.general(GeneralRow::XmitnsEnabled), 0);
}

TEST_F(RecordRules, ADeviceReadSetsTheCorrectionFlagAndTheDsEnableType) {
    record.general(GeneralRow::PosVelFilter) = 0;
    record.general(GeneralRow::StaticFilter) = 0;
    record.general(GeneralRow::AltitudeFilter) = 0;
    record.text(StringRow::FenmodFwVer) = "DS 050505 01";
    takeUpDeviceRead(record, true);
    EXPECT_EQ(record.general(GeneralRow::DiffCorrection), 1);
    EXPECT_EQ(record.general(GeneralRow::XmitterEnblType), 3);
    EXPECT_EQ(record.general(GeneralRow::SelectSpecificFrequency), 1);
    EXPECT_EQ(record.general(GeneralRow::XmitnsEnabled), 1);  // after an import
    record.general(GeneralRow::StaticFilter) = 1;
    takeUpDeviceRead(record, false);
    EXPECT_EQ(record.general(GeneralRow::DiffCorrection), 0);
}

TEST_F(RecordRules, TheActivityCheckWalksOnlyTheSeasonsTheScheduleReaches) {
    record.general(GeneralRow::DataCollMode) = 1;
    record.general(GeneralRow::ActivitySenseInterval) = 30;
    for (int s = 1; s <= kSeasons; ++s) record.season(s, SeasonRow::NextSeason) = 14;  // forever
    EXPECT_TRUE(activityCheck(record, log));  // fix interval 60 minutes everywhere
    // Season 3 fixes every 10 minutes but is not reached.
    record.season(3, SeasonRow::GpsFixInterval_1) = 10;
    EXPECT_TRUE(activityCheck(record, log));
    // 1 -> next physical -> 2 -> go to season 3: reached.
    record.season(1, SeasonRow::NextSeason) = 0;
    record.season(2, SeasonRow::NextSeason) = 3;
    EXPECT_FALSE(activityCheck(record, log));
    EXPECT_EQ(boxes.last().kind, BoxKind::Error);
    EXPECT_EQ(boxes.last().text.rfind("The Activity Data Collection Interval is greater than one\n", 0), 0u);
    // Seconds count in whole minutes; hours as 60 each.
    record.season(3, SeasonRow::FixIntervalUnits) = 2;  // hours
    EXPECT_TRUE(activityCheck(record, log));
    record.season(3, SeasonRow::FixIntervalUnits) = 0;  // seconds: 10 s is 0 minutes
    EXPECT_FALSE(activityCheck(record, log));
    // A cycle back to a season already reached ends the walk.
    record.season(3, SeasonRow::GpsFixInterval_1) = 60;
    record.season(3, SeasonRow::FixIntervalUnits) = 1;
    record.season(3, SeasonRow::NextSeason) = 1;
    EXPECT_TRUE(activityCheck(record, log));
    // Without activity collection nothing is checked.
    record.season(1, SeasonRow::GpsFixInterval_1) = 1;
    record.general(GeneralRow::DataCollMode) = 0;
    EXPECT_TRUE(activityCheck(record, log));
}

TEST(Dates, SignoffDatesHaveTwoBlanksBeforeTheTime) {
    const std::string text = dateTimeText(0);
    ASSERT_EQ(text.size(), 17u);
    EXPECT_EQ(text.substr(10, 2), "  ");
    EXPECT_EQ(text[2], '/');
}

}  // namespace
}  // namespace orv
