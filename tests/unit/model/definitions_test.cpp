#include "model/definitions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "model/lists.h"
#include "model/value_kind.h"

namespace orv {
namespace {

TEST(DefinitionsTest, WorkingTablesCopyTheBuiltinRows) {
    restoreBuiltinDefinitions();
    EXPECT_EQ(generalDefinitions().size(), 137u);
    EXPECT_EQ(seasonDefinitions().size(), 30u);
    EXPECT_EQ(stringDefinitions().size(), 36u);
    EXPECT_EQ(controlDefinitions().size(), 49u);
    EXPECT_EQ(definitionTable(DefinitionTable::Season).data(), seasonDefinitions().data());

    generalDefinitions()[GeneralRow::ElevAngle].maxValue = 1;
    EXPECT_NE(builtinGeneralDefinitions[GeneralRow::ElevAngle].maxValue, 1);
    restoreBuiltinDefinitions();
    EXPECT_EQ(generalDefinitions()[GeneralRow::ElevAngle].maxValue,
              builtinGeneralDefinitions[GeneralRow::ElevAngle].maxValue);
}

// The rows whose values stand out from their neighbours, where a slip in the
// tables would go unnoticed longest.
TEST(DefinitionsTest, TheUnusualRowsKeepTheirValues) {
    const auto* general = builtinGeneralDefinitions;
    EXPECT_EQ(general[GeneralRow::HauloutThreshold].defaultValue, 6777215);
    EXPECT_EQ(general[GeneralRow::HauloutThreshold].maxValue, 16777215);
    EXPECT_EQ(general[GeneralRow::ExtensionAndProtectionCode].step, 0);
    EXPECT_EQ(general[GeneralRow::ElevAngle].step, 0.5);
    EXPECT_EQ(general[GeneralRow::AlmanacTimeout].step, 5);
    EXPECT_EQ(general[GeneralRow::SpecifiedPTTFreq].minValue, 401620000);
    EXPECT_EQ(general[GeneralRow::SpecifiedPTTFreq].step, 500);
    EXPECT_EQ(general[GeneralRow::ArgosCh].maxValue, 30);
    EXPECT_EQ(general[GeneralRow::GpsWeekThreshold].minValue, general[GeneralRow::GpsWeekThreshold].maxValue);
    EXPECT_EQ(general[GeneralRow::NetworkIPAddressValue].defaultValue, 3232235520.0);
    EXPECT_EQ(general[GeneralRow::VHFPatternMap1Len].width, 1);
    EXPECT_STREQ(general[GeneralRow::PowerLevelHalfWatt].label, "Power Level \u00bd Watt");

    const auto* season = builtinSeasonDefinitions;
    EXPECT_STREQ(season[SeasonRow::ArgosStartTime_3].label, "Xmittr Cycle 3 - Start Time");
    EXPECT_STREQ(season[SeasonRow::ArgosNumHours_3].label, "Xmittr Cycle 3 - # Hours");
    EXPECT_EQ(season[SeasonRow::NumberOfDays].minValue, 0);
    EXPECT_EQ(season[SeasonRow::LengthOfSeasonSeasonStartDay].minValue, 1);

    // Only the VHF pattern and network address texts carry a step.
    for (int row = 0; row < kStringCount; ++row) {
        const bool stepped = row == StringRow::NetIPAddr || row == StringRow::IPSubMask ||
                             (row >= StringRow::VHFPattern1 && row <= StringRow::VHFPattern8);
        EXPECT_EQ(builtinStringDefinitions[row].step, stepped ? 1 : 0) << row;
        EXPECT_EQ(builtinStringDefinitions[row].columnType, ColumnText) << row;
    }

    const auto* control = builtinControlDefinitions;
    EXPECT_EQ(control[0].accessMask, 0x08E);  // "Change" beside the Job number
    EXPECT_EQ(control[6].accessMask, 0x000);  // the sibling-program button
    EXPECT_EQ(control[23].accessMask, 0x0EF);
    EXPECT_EQ(control[30].accessMask, 0x0EE);  // the Range combo
    EXPECT_EQ(control[34].accessMask, 0x000);
    EXPECT_EQ(control[48].accessMask, 0x0CE);  // Shutdown
    EXPECT_EQ(control[48].page, Page::Main);
}

TEST(DefinitionsTest, RowsAreFoundByKeyOrByLabelWhenKeyless) {
    EXPECT_EQ(findRow(DefinitionTable::General, "ElevAngle"), GeneralRow::ElevAngle);
    EXPECT_EQ(findRow(DefinitionTable::Season, "GpsDcbDay_1"), SeasonRow::GpsDcbDay_1);
    EXPECT_EQ(findRow(DefinitionTable::Season, "Season"), SeasonRow::Season);
    EXPECT_EQ(findRow(DefinitionTable::String, "User Access Level"), StringRow::UserAccessLevel);
    EXPECT_EQ(findRow(DefinitionTable::String, "Customer"), StringRow::Customer);
    // A keyed row is not addressed by its label; nothing is addressed by "".
    EXPECT_EQ(findRow(DefinitionTable::General, "Fix Dimension"), -1);
    EXPECT_EQ(findRow(DefinitionTable::General, "elevangle"), -1);
    EXPECT_EQ(findRow(DefinitionTable::Control, ""), -1);
    EXPECT_EQ(rowName(seasonDefinitions()[SeasonRow::NumDaysCheck]), "Num Days Check");
    EXPECT_EQ(rowName(generalDefinitions()[GeneralRow::Dimension]), "Dimension");
}

TEST(ListsTest, TextsKeepTheirInnerBlanks) {
    ASSERT_EQ(argosChannelList().size(), 20u);
    EXPECT_STREQ(argosChannelList()[0], "S1    401.6300");
    EXPECT_STREQ(argosChannelList()[9], "S10  401.6480");
    EXPECT_STREQ(argosChannelList()[17], "SARSAT 1  406.0250");
    EXPECT_STREQ(argosChannelList()[19], "Fact. Test    410.0000");
    ASSERT_EQ(brazilChannelList().size(), 9u);
    EXPECT_STREQ(brazilChannelList()[8], "C9    401.6220");
    EXPECT_STREQ(monthAbbreviations()[2], "Mar ");
    // Every channel name has its frequency.
    EXPECT_EQ(argosChannelFrequencies().size(), argosChannelShortNames().size());
    EXPECT_EQ(brazilChannelFrequencies().size(), brazilChannelList().size());
}

TEST(ListsTest, EntriesOutsideTheListAreEmpty) {
    const auto dims = listForKind(KindFixDimensionList);
    EXPECT_EQ(listEntry(dims, 2), "3D Manual");
    EXPECT_EQ(listEntry(dims, 3), "");
    EXPECT_EQ(listEntry(dims, -1), "");
    EXPECT_EQ(listEntry(dims, -0.5), "");
    EXPECT_EQ(listEntry(dims, std::nan("")), "");
    EXPECT_EQ(listForKind(KindPageList).data(), transmitterList().data());
    EXPECT_TRUE(listForKind(KindInteger).empty());
    // Every combo kind has its list.
    for (int kind = 0; kind < kValueKindCount; ++kind) {
        EXPECT_EQ(isComboKind(kind) || kind == KindPageList, !listForKind(kind).empty()) << kind;
    }
}

// Every combo row carries its list, the two with a list of their own included;
// rows of other kinds carry none.
TEST(ListsTest, EveryComboRowCarriesItsList) {
    for (const DefinitionTable table : {DefinitionTable::General, DefinitionTable::Season}) {
        for (const ParameterDefinition& row : definitionTable(table)) {
            EXPECT_EQ(isComboKind(row.kind), !row.comboList.empty()) << row.label;
        }
    }
    EXPECT_STREQ(generalDefinitions()[GeneralRow::BeaconType].comboList.back(), "Wren-2 2400");
    EXPECT_STREQ(generalDefinitions()[GeneralRow::Startup].comboList.back(), "Environmental");
    EXPECT_EQ(generalDefinitions()[GeneralRow::XmitterEnblType].comboList.data(), transmitterList().data());
}

}  // namespace
}  // namespace orv
