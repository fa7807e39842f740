// What the definition tables promise every other part of the program: names
// that match their rows, control ids a page can tell apart, up-down controls
// only beside edits, declared properties that make sense, pages that exist.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "binding/tabs.h"
#include "model/definitions.h"
#include "model/value_kind.h"

namespace orv {
namespace {

struct NamedRow {
    const char* name;
    int row;
};

#define ORV_GENERAL_NAME(name) NamedRow{#name, GeneralRow::name},
#define ORV_SEASON_NAME(name) NamedRow{#name, SeasonRow::name},
#define ORV_STRING_NAME(name) NamedRow{#name, StringRow::name},
const std::vector<NamedRow> kGeneralNames = {ORV_GENERAL_ROWS(ORV_GENERAL_NAME)};
const std::vector<NamedRow> kSeasonNames = {ORV_SEASON_ROWS(ORV_SEASON_NAME)};
const std::vector<NamedRow> kStringNames = {ORV_STRING_ROWS(ORV_STRING_NAME)};
#undef ORV_GENERAL_NAME
#undef ORV_SEASON_NAME
#undef ORV_STRING_NAME

// A label spelled as a name: its letters and digits, "&" as "and", "½" as "half", any case.
std::string spelledAsName(const std::string& label) {
    std::string spelled;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(label[i]);
        if (std::isalnum(c)) {
            spelled += static_cast<char>(std::tolower(c));
        } else if (c == '&') {
            spelled += "and";
        } else if (label.compare(i, 2, "\xC2\xBD") == 0) {
            spelled += "half";
            ++i;
        }
    }
    return spelled;
}

const std::map<DefinitionTable, const std::vector<NamedRow>*> kNamedTables = {
    {DefinitionTable::General, &kGeneralNames},
    {DefinitionTable::Season, &kSeasonNames},
    {DefinitionTable::String, &kStringNames}};

TEST(DefinitionInvariants, EveryRowNameNamesTheRowWhoseKeyOrLabelItCarries) {
    restoreBuiltinDefinitions();
    for (const auto& [table, names] : kNamedTables) {
        const auto rows = definitionTable(table);
        ASSERT_EQ(names->size(), rows.size());
        for (std::size_t i = 0; i < names->size(); ++i) {
            const NamedRow& named = (*names)[i];
            ASSERT_EQ(named.row, static_cast<int>(i)) << named.name;  // the position is the index
            const ParameterDefinition& row = rows[i];
            if (row.key[0] != '\0') {
                EXPECT_STREQ(row.key, named.name) << "row " << i;
            } else {
                EXPECT_EQ(spelledAsName(row.label), spelledAsName(named.name)) << "row " << i;
            }
        }
    }
    EXPECT_EQ(spelledAsName("Power Level \xC2\xBD Watt"), "powerlevelhalfwatt");
}

TEST(DefinitionInvariants, ControlIdsAreUniqueWithinAPageAndUpDownsSitOnlyBesideEdits) {
    restoreBuiltinDefinitions();
    std::map<Page, std::set<int>> idsOfPage;
    for (const DefinitionTable table : {DefinitionTable::General, DefinitionTable::Season,
                                        DefinitionTable::String, DefinitionTable::Control}) {
        const auto rows = definitionTable(table);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ParameterDefinition& row = rows[i];
            for (const int id : {row.controlId, row.spinId, row.labelId, row.extraId}) {
                if (id != 0) {
                    EXPECT_TRUE(idsOfPage[row.page].insert(id).second) << "id " << id << " twice";
                }
            }
            const bool valueRow = table == DefinitionTable::General || table == DefinitionTable::Season;
            EXPECT_EQ(row.spinId != 0, valueRow && isEditKind(row.kind))
                << static_cast<int>(table) << "/" << i;
            EXPECT_NE(row.controlId, 0);
        }
    }
}

TEST(DefinitionInvariants, RadioCompanionsAndStoredFormsSitOnRowsThatCanCarryThem) {
    restoreBuiltinDefinitions();
    int companions = 0;
    int storedForms = 0;
    for (const DefinitionTable table : {DefinitionTable::General, DefinitionTable::Season}) {
        const auto rows = definitionTable(table);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ParameterDefinition& row = rows[i];
            switch (row.companion) {
                case RadioCompanion::OfNextRow:
                    ++companions;
                    ASSERT_LT(i + 1, rows.size());
                    EXPECT_EQ(row.kind, KindFlag);
                    EXPECT_EQ(rows[i + 1].kind, KindFlag);
                    EXPECT_STREQ(row.key, "");  // no value of its own to store
                    break;
                case RadioCompanion::InverseOfPreviousRow:
                    ++companions;
                    ASSERT_GT(i, 0u);
                    EXPECT_EQ(row.kind, KindFlag);
                    EXPECT_EQ(rows[i - 1].kind, KindFlag);
                    EXPECT_STREQ(row.key, "");
                    break;
                case RadioCompanion::None:
                    break;
            }
            if (row.stored != StoredForm::AsShown) {
                ++storedForms;
                EXPECT_STRNE(row.key, "") << "row " << i;  // a stored form needs a stored value
            }
        }
    }
    EXPECT_EQ(generalDefinitions()[GeneralRow::ActivitySensingPositional].companion,
              RadioCompanion::OfNextRow);
    EXPECT_EQ(seasonDefinitions()[SeasonRow::NumDaysCheck].companion, RadioCompanion::InverseOfPreviousRow);
    EXPECT_EQ(companions, 3);
    EXPECT_EQ(generalDefinitions()[GeneralRow::ElevAngle].stored, StoredForm::Radians);
    EXPECT_EQ(storedForms, 4);
}

TEST(DefinitionInvariants, EveryPageARowNamesIsATabPageTheMainWindowOrADialog) {
    restoreBuiltinDefinitions();
    const std::set<Page> outsideTabs = {Page::Main, Page::AdvancedDialog, Page::ElevationAngleDialog,
                                        Page::ComPortDialog};
    for (const DefinitionTable table : {DefinitionTable::General, DefinitionTable::Season,
                                        DefinitionTable::String, DefinitionTable::Control}) {
        for (const ParameterDefinition& row : definitionTable(table)) {
            Tab tab{};
            EXPECT_TRUE(tabOfPage(row.page, tab) || outsideTabs.count(row.page) == 1)
                << "page " << static_cast<int>(row.page);
        }
    }
    // Season rows live on the Schedule tab.
    for (const ParameterDefinition& row : seasonDefinitions()) {
        Tab tab{};
        ASSERT_TRUE(tabOfPage(row.page, tab));
        EXPECT_EQ(tab, Tab::Schedule);
    }
}

}  // namespace
}  // namespace orv
