// Setting chosen parameters back to their defaults.

#include "model/parameter_defaults.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

class DefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        restoreBuiltinDefinitions();
        resetRecord(record);
        for (auto& value : record.generalValues) value += 3;
        for (auto& season : record.seasonValues) {
            for (auto& value : season) value += 3;
        }
        record.text(StringRow::Notes) = "kept";
        changed = record;
    }
    ParameterRecord record;
    ParameterRecord changed;
};

TEST_F(DefaultsTest, NothingChosenChangesNothing) {
    applyDefaults(record, {});
    EXPECT_EQ(record.generalValues, changed.generalValues);
    EXPECT_EQ(record.seasonValues, changed.seasonValues);
}

TEST_F(DefaultsTest, ASeasonParameterIsResetInAllTwelveSeasonsAndNothingElse) {
    DefaultsSelection selection;
    selection.season[SeasonRow::GpsFixInterval_2] = true;
    applyDefaults(record, selection);
    const double def = seasonDefinitions()[SeasonRow::GpsFixInterval_2].defaultValue;
    for (int s = 1; s <= kSeasons; ++s) {
        EXPECT_EQ(record.season(s, SeasonRow::GpsFixInterval_2), def);
        record.season(s, SeasonRow::GpsFixInterval_2) = changed.season(s, SeasonRow::GpsFixInterval_2);
    }
    EXPECT_EQ(record.seasonValues, changed.seasonValues);
    EXPECT_EQ(record.generalValues, changed.generalValues);
}

TEST_F(DefaultsTest, EverythingChosenIsTheDefaultRecordWithTheStringsKept) {
    DefaultsSelection selection;
    selection.general.fill(true);
    selection.season.fill(true);
    applyDefaults(record, selection);
    ParameterRecord defaults;
    resetRecord(defaults);
    EXPECT_EQ(record.generalValues, defaults.generalValues);
    EXPECT_EQ(record.seasonValues, defaults.seasonValues);
    EXPECT_EQ(record.text(StringRow::Notes), "kept");
}

}  // namespace
}  // namespace orv
