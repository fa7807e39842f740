// Every difference between two configurations, and only those: what each side
// holds decides what is compared, values within the check tolerance are the
// same, and the list comes grouped by page and season.

#include "compare/configuration_diff.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/message_log.h"
#include "compare/change_impact.h"
#include "image/firmware_table.h"
#include "scripted_presenter.h"

namespace orv {
namespace {

constexpr const char* kN4 = "N4 040816";

Configuration stored() {
    Configuration c;
    resetRecord(c.record);
    c.record.text(StringRow::FenmodFwVer) = kN4;
    return c;
}

Configuration collarImage() {
    Configuration c = stored();
    c.held = HeldRows::ofImage(findFirmware(kN4), kFirmwareNotSupported);
    return c;
}

std::vector<std::string> lines(const std::vector<Difference>& differences) {
    std::vector<std::string> out;
    for (const Difference& d : differences) out.push_back(differenceLine(d));
    return out;
}

TEST(ConfigurationDiff, EachChangedValueOnceWithItsSeasonAndNothingUnchanged) {
    const Configuration a = stored();
    EXPECT_TRUE(compareConfigurations(a, a).empty());

    Configuration b = a;
    b.record.season(3, SeasonRow::GpsFixInterval_1) = a.record.season(3, SeasonRow::GpsFixInterval_1) + 30;
    b.record.general(GeneralRow::ElevAngle) = 15;
    const auto differences = compareConfigurations(a, b);
    ASSERT_EQ(differences.size(), 2u) << ::testing::PrintToString(lines(differences));
    const Difference& general = differences[0];
    EXPECT_EQ(general.key, "ElevAngle");
    EXPECT_EQ(general.season, 0);
    EXPECT_EQ(general.pageName, "GPS Parms");
    EXPECT_DOUBLE_EQ(general.newValue, 15);
    EXPECT_EQ(general.newText, "15.0");
    const Difference& season = differences[1];
    EXPECT_EQ(season.key, "GpsFixInterval_1");
    EXPECT_EQ(season.season, 3);
    EXPECT_EQ(season.pageName, "Schedule");
    EXPECT_EQ(differenceLine(season).rfind("Schedule, season 3: ", 0), 0u) << differenceLine(season);
}

// The beacon type shares its kind with the transmitter rows but has its own list.
TEST(ConfigurationDiff, AListRowsTextsAreTheEntriesItsFieldShows) {
    Configuration a = stored();
    a.record.general(GeneralRow::BeaconType) = 1;
    a.record.general(GeneralRow::XmitterEnblType) = 1;
    Configuration b = a;
    b.record.general(GeneralRow::BeaconType) = 2;
    b.record.general(GeneralRow::XmitterEnblType) = 2;
    const auto differences = compareConfigurations(a, b);
    const auto find = [&](const char* key) {
        return std::find_if(differences.begin(), differences.end(),
                            [&](const Difference& d) { return d.key == key; });
    };
    const auto beacon = find("BeaconType");
    ASSERT_NE(beacon, differences.end()) << ::testing::PrintToString(lines(differences));
    EXPECT_EQ(beacon->oldText, "Wren-1");
    EXPECT_EQ(beacon->newText, "Wren-2");
    const auto transmitter = find("XmitterEnblType");
    ASSERT_NE(transmitter, differences.end());
    EXPECT_EQ(transmitter->oldText, "Petrel");
    EXPECT_EQ(transmitter->newText, "Petrel w/PS");
}

TEST(ConfigurationDiff, ValuesWithinTheCheckToleranceAreTheSame) {
    const Configuration a = stored();
    Configuration b = a;
    b.record.general(GeneralRow::AlmanacTimeout) += 0.0000005;
    EXPECT_TRUE(compareConfigurations(a, b).empty());
    b.record.general(GeneralRow::AlmanacTimeout) += 0.00001;
    EXPECT_EQ(compareConfigurations(a, b).size(), 1u);
}

TEST(ConfigurationDiff, TextsOnlyWhereBothSidesHoldThemAndNeverWhoHandledIt) {
    const Configuration a = stored();
    Configuration b = a;
    b.record.text(StringRow::Notes) = "second \"batch\"\nwest ridge";
    b.record.text(StringRow::ProgrammedBy) = "erin";
    b.record.text(StringRow::CoordSignoffDate) = "12/08/2026  10:00";
    b.record.text(StringRow::UserName) = "erin";
    const auto differences = compareConfigurations(a, b);
    ASSERT_EQ(differences.size(), 1u) << ::testing::PrintToString(lines(differences));
    EXPECT_TRUE(differences[0].isText);
    EXPECT_EQ(differences[0].name(), "Notes");
    EXPECT_EQ(differenceLine(differences[0]), "Main: Notes: \"\" -> \"second \\\"batch\\\"\\nwest ridge\"");

    // A collar image holds no texts of the record, but its firmware version.
    Configuration collar = collarImage();
    EXPECT_TRUE(compareConfigurations(collar, b).empty());
    // The build number a collar reports after its version is no other firmware.
    collar.record.text(StringRow::FenmodFwVer) = std::string(kN4) + " 03";
    EXPECT_TRUE(compareConfigurations(collar, b).empty());
    collar.record.text(StringRow::FenmodFwVer) = "N3 020702";
    ASSERT_EQ(compareConfigurations(collar, b).size(), 1u);
    EXPECT_EQ(compareConfigurations(collar, b)[0].row, StringRow::FenmodFwVer);
}

TEST(ConfigurationDiff, AnImageSideComparesOnlyTheValuesItsLayoutStores) {
    const Configuration collar = collarImage();
    Configuration screen = stored();
    // Not kept by the collar: the simulation's years, the season selector, and
    // season values the layout leaves out.
    screen.record.general(GeneralRow::SimulationYears) = 7;
    screen.record.season(1, SeasonRow::Season) = 5;
    screen.record.season(2, SeasonRow::LengthOfSeasonSeasonStartDay) = 99;
    screen.record.season(2, SeasonRow::NumDaysCheck) = 0;
    // The assigned PTT ID code goes into a word the collar never gives back.
    screen.record.general(GeneralRow::PttIdCode) = 4321;
    EXPECT_TRUE(compareConfigurations(collar, screen).empty())
        << ::testing::PrintToString(lines(compareConfigurations(collar, screen)));
    // Between two stored records the years are a setting like any other.
    EXPECT_EQ(compareConfigurations(stored(), screen).size(), 3u)
        << ::testing::PrintToString(lines(compareConfigurations(stored(), screen)));

    screen.record.season(12, SeasonRow::ArgosDcbDuration) += 1;
    const auto differences = compareConfigurations(collar, screen);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].season, 12);
}

TEST(ConfigurationDiff, GroupedByPageInTabOrderThenBySeason) {
    const Configuration a = stored();
    Configuration b = a;
    b.record.season(9, SeasonRow::GpsDcbDuration) += 1;
    b.record.season(2, SeasonRow::GpsDcbDuration) += 1;
    b.record.general(GeneralRow::SimulationYears) = 6;
    b.record.general(GeneralRow::ElevAngle) = 20;
    b.record.text(StringRow::Customer) = "North Lab";
    std::vector<std::string> pages;
    std::vector<int> seasons;
    for (const Difference& d : compareConfigurations(a, b)) {
        pages.push_back(d.pageName);
        seasons.push_back(d.season);
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"Main", "GPS Parms", "Schedule", "Schedule", "Simulation"}));
    EXPECT_EQ(seasons, (std::vector<int>{0, 0, 2, 9, 0}));
}

TEST(ChangeImpact, FewerFixesGiveBatteryDays) {
    ParameterRecord before = stored().record;
    before.general(GeneralRow::GpsFixingEnabled) = 1;
    before.general(GeneralRow::SimulationYears) = 1;
    ParameterRecord after = before;
    for (int s = 1; s <= kSeasons; ++s)
        after.season(s, SeasonRow::GpsFixInterval_1) = 2 * before.season(s, SeasonRow::GpsFixInterval_1);
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    const std::int64_t now = 1'800'000'000;  // 2027-01-15
    const ChangeImpact impact = changeImpact(before, after, now, EnergySettings{}, log);
    ASSERT_TRUE(impact.before.known && impact.after.known)
        << ::testing::PrintToString(presenter.boxes.size());
    EXPECT_FALSE(impact.before.partial || impact.after.partial);
    EXPECT_GT(impact.after.fixesPerYear, 0);
    EXPECT_LT(impact.after.fixesPerYear, impact.before.fixesPerYear);
    EXPECT_GT(impact.after.projectedDays, impact.before.projectedDays);
    const auto text = impactLines(impact);
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[0].rfind("Fix attempts per year: ", 0), 0u) << text[0];
    EXPECT_NE(text[2].find(std::to_string(impact.after.projectedDays)), std::string::npos) << text[2];
}

}  // namespace
}  // namespace orv
