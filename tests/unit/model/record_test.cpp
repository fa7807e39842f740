#include "model/record.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/message_log.h"
#include "model/resolve.h"
#include "model/startup_checks.h"
#include "scripted_presenter.h"

namespace orv {
namespace {

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override { restoreBuiltinDefinitions(); }
    void TearDown() override { restoreBuiltinDefinitions(); }
    ParameterRecord record;
};

TEST_F(RecordTest, ResetGivesTwelveEqualDefaultSeasons) {
    record.general(GeneralRow::ElevAngle) = 99;
    record.season(7, SeasonRow::GpsNumHours_1) = 3;
    record.text(StringRow::JobNumber) = "J1";
    record.generalChanged[3] = true;
    record.seasonChanged[11][29] = true;
    record.stringChanged[0] = true;
    record.recordDirty = true;
    record.setCurrentSeason(5);

    resetRecord(record);

    for (int s = 1; s <= kSeasons; ++s) {
        EXPECT_EQ(record.seasonValues[static_cast<std::size_t>(s - 1)], record.seasonValues[0]) << s;
        EXPECT_EQ(record.season(s, SeasonRow::NextSeason), 14);       // run this season forever
        EXPECT_EQ(record.season(s, SeasonRow::FixIntervalUnits), 1);  // minutes
        EXPECT_EQ(record.season(s, SeasonRow::GpsDcbDay_1), 1);
        EXPECT_EQ(record.season(s, SeasonRow::GpsStartTime_1), 0);
        EXPECT_EQ(record.season(s, SeasonRow::GpsNumHours_1), 24);
        EXPECT_EQ(record.season(s, SeasonRow::GpsFixInterval_1), 60);
        EXPECT_EQ(record.season(s, SeasonRow::ArgosDcbDay_1), 1);
        EXPECT_EQ(record.season(s, SeasonRow::ArgosStartTime_1), 360);
        EXPECT_EQ(record.season(s, SeasonRow::ArgosNumHours_1), 6);
    }
    EXPECT_EQ(record.currentSeason(), 1);
    for (int row = 0; row < kGeneralCount; ++row) {
        EXPECT_EQ(record.general(row), generalDefinitions()[static_cast<std::size_t>(row)].defaultValue);
    }
    for (int row = 0; row < kStringCount; ++row) {
        EXPECT_EQ(record.text(row), row == StringRow::UserAccessLevel ? "Customer" : "") << row;
    }
    EXPECT_EQ(record.generalChanged, decltype(record.generalChanged){});
    EXPECT_EQ(record.seasonChanged, decltype(record.seasonChanged){});
    EXPECT_EQ(record.stringChanged, decltype(record.stringChanged){});
    EXPECT_FALSE(record.recordDirty);
}

TEST_F(RecordTest, ResetUsesTheOverriddenDefaults) {
    generalDefinitions()[GeneralRow::Dimension].defaultValue = 2;
    seasonDefinitions()[SeasonRow::GpsFixInterval_1].defaultValue = 30;
    resetRecord(record);
    EXPECT_EQ(record.general(GeneralRow::Dimension), 2);
    EXPECT_EQ(record.season(12, SeasonRow::GpsFixInterval_1), 30);
}

TEST_F(RecordTest, ScheduleFieldsResolveToTheCurrentSeason) {
    resetRecord(record);
    record.setCurrentSeason(3);
    ResolvedField field = resolve(record, Page::ScheduleGpsPanel, SeasonRow::GpsNumHours_1);
    EXPECT_EQ(field.table, DefinitionTable::Season);
    EXPECT_EQ(field.rowCount, 30);
    EXPECT_EQ(field.slot, &record.season(3, SeasonRow::GpsNumHours_1));
    EXPECT_EQ(field.kind, KindInteger);

    // The inverted radio button shares the season type's slot; the selector is season 1's.
    EXPECT_EQ(resolve(record, Page::Schedule, SeasonRow::NumDaysCheck).slot,
              &record.season(3, SeasonRow::SeasonType));
    EXPECT_EQ(resolve(record, Page::Schedule, SeasonRow::Season).slot, &record.season(1, SeasonRow::Season));

    // Rows 5 and 6: one slot, a day of the year or a number of days by the season type.
    for (const int row : {SeasonRow::NumberOfDays, SeasonRow::LengthOfSeasonSeasonStartDay}) {
        record.season(3, SeasonRow::SeasonType) = 0;
        field = resolve(record, Page::Schedule, row);
        EXPECT_EQ(field.slot, &record.season(3, SeasonRow::NumberOfDays));
        EXPECT_EQ(field.kind, KindInteger);
        EXPECT_EQ(field.definition, &seasonDefinitions()[static_cast<std::size_t>(row)]);
        record.season(3, SeasonRow::SeasonType) = 1;
        EXPECT_EQ(resolve(record, Page::Schedule, row).kind, KindDayOfYear);
    }
}

TEST_F(RecordTest, OtherPagesResolveToTheGeneralTable) {
    resetRecord(record);
    const ResolvedField field = resolve(record, Page::GpsParms, GeneralRow::ElevAngle);
    EXPECT_EQ(field.table, DefinitionTable::General);
    EXPECT_EQ(field.rowCount, 137);
    EXPECT_EQ(field.slot, &record.general(GeneralRow::ElevAngle));
    EXPECT_EQ(resolve(record, Page::GpsParms, 137).slot, nullptr);
    EXPECT_EQ(resolve(record, Page::Schedule, -1).slot, nullptr);

    // A selector value outside 1..12 never addresses outside the record.
    record.setCurrentSeason(40);
    EXPECT_EQ(resolve(record, Page::Schedule, 0).slot, &record.season(12, 0));
    record.setCurrentSeason(0);
    EXPECT_EQ(resolve(record, Page::Schedule, 0).slot, &record.season(1, 0));
}

TEST_F(RecordTest, TheSeasonShownIsTheSelectorCutToAWholeSeasonAndHeldToTwelve) {
    double& selector = record.seasonValues[0][SeasonRow::Season];
    for (const auto& [stored, shown] :
         std::initializer_list<std::pair<double, int>>{{1, 1},
                                                       {7, 7},
                                                       {12, 12},
                                                       {7.9, 7},
                                                       {0.5, 1},
                                                       {0, 1},
                                                       {-3, 1},
                                                       {13, 12},
                                                       {1e300, 12},
                                                       {-1e300, 1},
                                                       {std::numeric_limits<double>::quiet_NaN(), 1}}) {
        selector = stored;
        EXPECT_EQ(record.currentSeason(), shown) << stored;
    }
}

TEST(StartupChecksTest, MismatchedTablesStopTheProgram) {
    test::ScriptedPresenter boxes;
    MessageLog log(&boxes);
    EXPECT_EQ(checkDefinitionCounts(log), 0);
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_EQ(checkDefinitionCounts(log, {137, 30, 36, 48}), -1);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().kind, BoxKind::Error);
    EXPECT_EQ(
        boxes.last().text,
        "Cannot proceed -- Control definition arrays do not match enumerated lists.\nCall Halvorn support.");
}

}  // namespace
}  // namespace orv
