#include "model/field_entry.h"

#include <gtest/gtest.h>

#include "model/value_kind.h"

namespace orv {
namespace {

class FieldEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        restoreBuiltinDefinitions();
        resetRecord(record);
    }
    FieldEntry general(int row, const std::string& text) {
        const ParameterDefinition& definition = generalDefinitions()[static_cast<std::size_t>(row)];
        return acceptEntry(definition, definition.kind, text, record);
    }
    FieldEntry fixInterval(const std::string& text) {
        const ParameterDefinition& definition = seasonDefinitions()[SeasonRow::GpsFixInterval_1];
        return acceptEntry(definition, definition.kind, text, record);
    }
    ParameterRecord record;
};

TEST_F(FieldEntryTest, TimesDatesAndNoLimitParseByKindWithInformationOnlyWhenUnrecognized) {
    EXPECT_EQ(general(GeneralRow::FixTimeout, "1:75").value, 135);
    EXPECT_TRUE(general(GeneralRow::FixTimeout, "1:75").notices.empty());
    const FieldEntry seconds = general(GeneralRow::FixTimeout, "90");
    EXPECT_EQ(seconds.value, 90);
    ASSERT_EQ(seconds.notices.size(), 1u);
    EXPECT_EQ(seconds.notices[0].kind, BoxKind::Information);
    EXPECT_EQ(
        seconds.notices[0].text,
        "Did not recognize a time (mm:ss) in field 'Fix Timeout (mm:ss)'\nWill try to interpret the entry as "
        "an integer number of seconds.");

    const ParameterDefinition& startDay = seasonDefinitions()[SeasonRow::LengthOfSeasonSeasonStartDay];
    EXPECT_EQ(acceptEntry(startDay, KindDayOfYear, "mar 15", record).value, 74);
    EXPECT_EQ(acceptEntry(startDay, KindDayOfYear, "Mar 0", record).value, 60);
    const FieldEntry noMonth = acceptEntry(startDay, KindDayOfYear, "15", record);
    EXPECT_EQ(noMonth.value, 15);
    ASSERT_EQ(noMonth.notices.size(), 1u);
    EXPECT_EQ(noMonth.notices[0].text.rfind("Did not recognize a month in field", 0), 0u);

    EXPECT_EQ(general(GeneralRow::MaxDataXmissions, "no limit").value, 0);
    EXPECT_TRUE(general(GeneralRow::MaxDataXmissions, "no limit").notices.empty());
}

TEST_F(FieldEntryTest, EntriesAreClampedAndRoundedAndTheAlterationIsWorded) {
    const FieldEntry elevation = general(GeneralRow::ElevAngle, "10.3");
    EXPECT_EQ(elevation.entered, 10.3);
    EXPECT_EQ(elevation.value, 10.5);
    ASSERT_EQ(elevation.notices.size(), 1u);
    EXPECT_EQ(elevation.notices[0].kind, BoxKind::Warning);
    EXPECT_EQ(
        elevation.notices[0].text,
        "'10.3000' in field 'Elev. Mask Angle (deg)' was modified to '10.5000'\nto meet data format or range "
        "requirements.");
    EXPECT_EQ(general(GeneralRow::ElevAngle, "95").value, 90);
    EXPECT_EQ(general(GeneralRow::AlmanacTimeout, "13:02").value, 780);

    const FieldEntry frequency = general(GeneralRow::SpecifiedPTTFreq, "401.6312");
    EXPECT_EQ(frequency.value, 401631000);
    ASSERT_EQ(frequency.notices.size(), 1u);
    EXPECT_EQ(
        frequency.notices[0].text,
        "'401.6312' in field 'Specified PTT Frequency' was modified to '401.6310'\nto meet data format or "
        "range requirements.");
    // An unrecognized time that is also out of range gets both notices, in order.
    const FieldEntry both = general(GeneralRow::FixTimeout, "9999");
    ASSERT_EQ(both.notices.size(), 2u);
    EXPECT_EQ(both.notices[0].kind, BoxKind::Information);
    EXPECT_EQ(both.notices[1].kind, BoxKind::Warning);
    EXPECT_EQ(both.value, 600);
    // The record is only read.
    EXPECT_EQ(record.general(GeneralRow::ElevAngle),
              generalDefinitions()[GeneralRow::ElevAngle].defaultValue);
}

TEST_F(FieldEntryTest, FixIntervalsFollowTheArgosRuleOnlyInMinutesOfTheSeasonShown) {
    EXPECT_EQ(fixInterval("7").value, 7);  // ARGOS transmissions off
    record.general(GeneralRow::XmitterEnblType) = 1;
    EXPECT_EQ(fixInterval("7").value, 10);
    EXPECT_EQ(fixInterval("45").value, 60);
    EXPECT_EQ(fixInterval("95").value, 120);
    EXPECT_EQ(fixInterval("255").value, 240);
    record.general(GeneralRow::StartupXmitFmt) = 1;  // "A01"
    EXPECT_EQ(fixInterval("45").value, 45);
    EXPECT_TRUE(fixInterval("45").notices.empty());
    // The rule looks at the units of the season shown, not of season 1.
    record.season(3, SeasonRow::FixIntervalUnits) = 2;  // hours
    record.setCurrentSeason(3);
    EXPECT_EQ(fixInterval("7").value, 7);
}

TEST_F(FieldEntryTest, TextThatIsNoNumberIsRefusedNamingTheFieldAndTheText) {
    for (const std::string text : {"abc", "nan", "inf", "1e400", "", "0x10", "10abc"}) {
        SCOPED_TRACE(text);
        const FieldEntry entry = general(GeneralRow::ElevAngle, text);
        EXPECT_TRUE(entry.refused);
        ASSERT_EQ(entry.notices.size(), 1u);
        EXPECT_EQ(entry.notices[0].text, "'" + text +
                                             "' in field 'Elev. Mask Angle (deg)' is not a number.\nThe "
                                             "field keeps its value.");
    }
    // Times and whole numbers of other kinds are no less refused when they are not numbers.
    EXPECT_TRUE(general(GeneralRow::MaxDataXmissions, "lots").refused);
    EXPECT_TRUE(fixInterval("soon").refused);
    // A number with blanks round it is still a number.
    EXPECT_FALSE(general(GeneralRow::ElevAngle, " 12.5 ").refused);
}

}  // namespace
}  // namespace orv
