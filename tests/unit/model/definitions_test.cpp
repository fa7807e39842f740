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

}  // namespace
}  // namespace orv
