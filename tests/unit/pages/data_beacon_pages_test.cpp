// The Data Coll. and Beacon pages.

#include <gtest/gtest.h>

#include "pages/beacon_page.h"
#include "pages/data_coll_page.h"
#include "pages_fixture.h"

namespace orv::test {
namespace {

using DataCollPage = PagesTest;

TEST_F(DataCollPage, ModeEnablesTheIntervalAndThePairs) {
    showAll(Page::DataColl);
    for (const int row :
         {GeneralRow::ActivitySenseInterval, GeneralRow::ActivitySensePos, GeneralRow::ActEventPos})
        EXPECT_FALSE(general(row).enabled) << row;

    ASSERT_EQ(act("DataCollMode", "Activity Data"), EditOutcome::Taken);
    EXPECT_TRUE(general(GeneralRow::ActivitySenseInterval).enabled);
    EXPECT_TRUE(general(GeneralRow::ActivitySensingPositional).enabled);
    EXPECT_FALSE(general(GeneralRow::ActEventPos).enabled);

    ASSERT_EQ(act("DataCollMode", "Event Detection"), EditOutcome::Taken);
    EXPECT_FALSE(general(GeneralRow::ActivitySenseInterval).enabled);
    EXPECT_TRUE(general(GeneralRow::ActivitySensePos).enabled);
    EXPECT_TRUE(general(GeneralRow::ActEventPos).enabled);  // "Position" is ticked

    ASSERT_EQ(act("ActivitySensePos", "1"), EditOutcome::Taken);  // "Transition"
    EXPECT_EQ(value(GeneralRow::ActivitySensingPositional), 0);
    EXPECT_FALSE(general(GeneralRow::ActivitySensingPositional).check);
    EXPECT_FALSE(general(GeneralRow::ActEventPos).enabled);
    EXPECT_FALSE(general(GeneralRow::ActivityEventPositionHigh).enabled);
}

TEST_F(DataCollPage, NoneZeroesTheIntervalAndPairsShowOpposites) {
    ASSERT_EQ(act("DataCollMode", "Activity Data"), EditOutcome::Taken);
    ASSERT_EQ(act("ActivitySenseInterval", "2:00"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ActivitySenseInterval), 120);
    ASSERT_EQ(act("DataCollMode", "None (Off)"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ActivitySenseInterval), 0);
    EXPECT_EQ(general(GeneralRow::ActivitySenseInterval).text, " 0:00");

    ASSERT_EQ(act("Activity Event Position High", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ActEventPos), 0);
    ASSERT_EQ(act("ActEventPos", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ActEventPos), 1);
    EXPECT_EQ(value(GeneralRow::ActivityEventPositionHigh), 0);
    showAll(Page::DataColl);
    EXPECT_FALSE(general(GeneralRow::ActivityEventPositionHigh).check);
    EXPECT_TRUE(general(GeneralRow::ActivitySensingPositional).check);
}

using BeaconPage = PagesTest;

TEST_F(BeaconPage, PatternTextStoresItsValueAndLength) {
    record.general(GeneralRow::VHFBeaconEnabled) = 1;
    ASSERT_EQ(act("VHFPattern1", "101"), EditOutcome::Taken);
    EXPECT_EQ(record.text(StringRow::VHFPattern1), "101");
    EXPECT_EQ(value(GeneralRow::VHFPatternMap1), 2560);
    EXPECT_EQ(value(GeneralRow::VHFPatternMap1Len), 3);
    ASSERT_EQ(act("VHFPattern8", ""), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::VHFPatternMap8Len), 0);
}

TEST_F(BeaconPage, PatternTextWithOtherCharactersIsRefusedNamingTheAllowedOnes) {
    ASSERT_EQ(act("VHFPattern2", "11"), EditOutcome::Taken);
    EXPECT_EQ(act("VHFPattern2", "1021"), EditOutcome::Refused);
    EXPECT_NE(errors().find("Only the characters '0' and '1' may be entered"), std::string::npos);
    EXPECT_NE(errors().find("'1021' in field 'VHF Pattern Map 2'"), std::string::npos);
    EXPECT_EQ(record.text(StringRow::VHFPattern2), "11");
    EXPECT_EQ(value(GeneralRow::VHFPatternMap2), 3072);
    EXPECT_EQ(value(GeneralRow::VHFPatternMap2Len), 2);
    EXPECT_EQ(text(StringRow::VHFPattern2).text, "11");
    EXPECT_EQ(act("VHFPattern2", "1111111111111"), EditOutcome::Refused);
}

TEST_F(BeaconPage, EnablingFollowsTheBeaconTypeAndTheBeaconSwitch) {
    showAll(Page::Beacon);
    EXPECT_FALSE(general(GeneralRow::VHFBeaconEnabled).enabled);
    EXPECT_EQ(control(Page::Beacon, PageControl::BeaconStatus).text, "Beacon Pulse Patterns Disabled");
    EXPECT_FALSE(general(GeneralRow::VHFPW1).enabled);
    EXPECT_FALSE(text(StringRow::VHFPattern1).enabled);

    ASSERT_EQ(act("BeaconType", "Wren-2"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::VHFBeaconEnabled), 1);
    EXPECT_TRUE(general(GeneralRow::VHFBeaconEnabled).enabled);
    EXPECT_EQ(control(Page::Beacon, PageControl::BeaconStatus).text, "Beacon Pulse Patterns Enabled");
    EXPECT_TRUE(general(GeneralRow::VHFPW1).enabled);
    EXPECT_TRUE(text(StringRow::VHFPattern8).enabled);

    ASSERT_EQ(act("BeaconType", "Wren-1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::VHFBeaconEnabled), 0);
    EXPECT_FALSE(general(GeneralRow::VHFBeaconEnabled).enabled);
    EXPECT_FALSE(general(GeneralRow::VHFRcnt3).enabled);
}

TEST_F(BeaconPage, Wren2ButtonStartsTheBeaconProgram) {
    press(controlRowControl(ControlRow::BeaconProgramButton));
    EXPECT_EQ(host.beaconProgramLaunches, 1);
}

}  // namespace
}  // namespace orv::test
