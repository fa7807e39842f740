#include "pages/defaults_dialog.h"

#include <gtest/gtest.h>

#include <set>

#include "model/definitions.h"

namespace orv {
namespace {

class DefaultsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        restoreBuiltinDefinitions();
        resetRecord(record);
        for (int tab = 0; tab < kDefaultsTabCount; ++tab) addDefaultsTabControls(boxPages[tab], tab);
        // Every value away from its default, so that a reset shows.
        for (int row = 0; row < kGeneralCount; ++row) record.general(row) = 1000 + row;
        for (int s = 1; s <= kSeasons; ++s) {
            for (int row = 0; row < kSeasonCount; ++row) record.season(s, row) = 100 * s + row;
        }
        for (int row = 0; row < kStringCount; ++row) record.text(row) = "text " + std::to_string(row);
        original = record;
    }

    void tick(const std::string& name) {
        const DefaultsBoxRef ref = findDefaultsBox(name);
        ASSERT_NE(ref.box, nullptr) << name;
        boxPages[ref.tab].setCheckState(ref.box->controlId, true);
    }

    std::array<MemoryFieldControls, kDefaultsTabCount> boxPages;
    DefaultsDialog dialog{
        {&boxPages[0], &boxPages[1], &boxPages[2], &boxPages[3], &boxPages[4], &boxPages[5]}};
    ParameterRecord record;
    ParameterRecord original;
};

TEST_F(DefaultsDialogTest, OkWithNothingTickedLeavesTheRecord) {
    dialog.accept(record);
    EXPECT_EQ(record.generalValues, original.generalValues);
    EXPECT_EQ(record.seasonValues, original.seasonValues);
}

TEST_F(DefaultsDialogTest, SecondGpsFixIntervalResetsInEverySeasonAndNothingElse) {
    tick("GPS Fix Interval[2]");
    dialog.accept(record);
    const double fallback = seasonDefinitions()[SeasonRow::GpsFixInterval_2].defaultValue;
    for (int s = 1; s <= kSeasons; ++s) {
        for (int row = 0; row < kSeasonCount; ++row) {
            const double expected = row == SeasonRow::GpsFixInterval_2 ? fallback : original.season(s, row);
            EXPECT_EQ(record.season(s, row), expected) << s << " " << row;
        }
    }
    EXPECT_EQ(record.generalValues, original.generalValues);
}

TEST_F(DefaultsDialogTest, SelectAllResetsBehindDisabledBoxesButNoStrings) {
    ASSERT_FALSE(boxPages[0].control(generalDefinitions()[GeneralRow::StaticFilter].controlId)->enabled);
    dialog.selectAll();
    dialog.accept(record);
    for (const int row : {GeneralRow::StaticFilter, GeneralRow::AltitudeFilter, GeneralRow::XmitterType,
                          GeneralRow::GpsFixingEnabled, GeneralRow::Dimension, GeneralRow::VHFRcnt6,
                          GeneralRow::NumFixRetries, GeneralRow::ActivitySenseInterval}) {
        EXPECT_EQ(record.general(row), generalDefinitions()[static_cast<std::size_t>(row)].defaultValue)
            << row;
    }
    // No box: kept.
    for (const int row : {GeneralRow::XmitterEnblType, GeneralRow::BeaconType, GeneralRow::StartYear,
                          GeneralRow::VHFPatternMap1, GeneralRow::NetListenInt}) {
        EXPECT_EQ(record.general(row), original.general(row)) << row;
    }
    for (int s = 1; s <= kSeasons; ++s) {
        EXPECT_EQ(record.season(s, SeasonRow::ArgosNumHours_3), 0);
        EXPECT_EQ(record.season(s, SeasonRow::NumberOfDays), 1);
        EXPECT_EQ(record.season(s, SeasonRow::Season), original.season(s, SeasonRow::Season));
    }
    EXPECT_EQ(record.stringValues, original.stringValues);
}

TEST_F(DefaultsDialogTest, CancelAfterSelectAllAndClearAllChangeNothing) {
    dialog.selectAll();
    EXPECT_TRUE(boxPages[3].checkState(generalDefinitions()[GeneralRow::VHFPW8].controlId));
    // Cancel: the dialog closes without accept.
    EXPECT_EQ(record.generalValues, original.generalValues);
    dialog.clearAll();
    dialog.accept(record);
    EXPECT_EQ(record.generalValues, original.generalValues);
    EXPECT_EQ(record.seasonValues, original.seasonValues);
}

TEST_F(DefaultsDialogTest, GeneralBoxBelongsToTheFirstTabThatHasIt) {
    // The same id on a later tab does not make that box count.
    const int id = generalDefinitions()[GeneralRow::OOWThreshold].controlId;
    boxPages[4].addControl(id);
    boxPages[4].setCheckState(id, true);
    dialog.accept(record);
    EXPECT_EQ(record.general(GeneralRow::OOWThreshold), original.general(GeneralRow::OOWThreshold));
    boxPages[1].setCheckState(id, true);
    dialog.accept(record);
    EXPECT_EQ(record.general(GeneralRow::OOWThreshold), 0);

    // A season id only counts on the Schedule tab.
    const int seasonId = seasonDefinitions()[SeasonRow::NextSeason].controlId;
    boxPages[0].addControl(seasonId);
    boxPages[0].setCheckState(seasonId, true);
    EXPECT_FALSE(dialog.selection().season[SeasonRow::NextSeason]);
}

TEST_F(DefaultsDialogTest, LayoutNamesAreUniqueAndTabsInOrder) {
    const auto& tabs = defaultsDialogTabs();
    const char* titles[] = {"Gps Parameters", "Misc. Parameters", "ARGOS PTT",
                            "Beacon",         "Data Collection",  "Schedule"};
    for (int tab = 0; tab < kDefaultsTabCount; ++tab) EXPECT_EQ(tabs[tab].title, titles[tab]);
    const auto names = defaultsBoxNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    // 23 + 5 + 19 + 1 + 40 + 7 + 6 + 21 boxes.
    EXPECT_EQ(names.size(), 122U);
    // The four unspecified beacon events are disabled.
    EXPECT_FALSE(findDefaultsBox("Unspecified 6").box->enabled);
    EXPECT_FALSE(findDefaultsBox("Repeat Count[8]").box->enabled);
    EXPECT_TRUE(findDefaultsBox("Repeat Count[4]").box->enabled);
    EXPECT_EQ(findDefaultsBox("no such box").box, nullptr);
}

TEST_F(DefaultsDialogTest, BeaconEventInputRowResetsTheSixthEvent) {
    tick("Beacon Event Input");
    tick("Repeat Count[4]");
    dialog.accept(record);
    EXPECT_EQ(record.general(GeneralRow::VHFPW6), 164);
    EXPECT_EQ(record.general(GeneralRow::VHFRcnt6), 240);
    EXPECT_EQ(record.general(GeneralRow::VHFPW4), original.general(GeneralRow::VHFPW4));
}

}  // namespace
}  // namespace orv
