// The access layer's steps and messages, and the conversion of record values
// to and from columns.

#include "db/access_layer.h"

#include <cmath>
#include <limits>

#include "db/column_values.h"
#include "db/sqlite_schema.h"
#include "db_test_support.h"
#include "model/lists.h"

namespace orv::test {
namespace {

class AccessLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("layer.mdb");
        ASSERT_EQ(access.createDatabase(database, path), DbResult::Ok);
        ASSERT_EQ(access.createTableDef(*database, table, "T"), DbResult::Ok);
        ASSERT_EQ(access.createField(
                      *table, AccessLayer::describeField("Name", "T", ColumnText, 10, true, true, ordinal)),
                  DbResult::Ok);
        ASSERT_EQ(access.createField(*table, AccessLayer::describeField("Count", "T", ColumnInt16, 2, false,
                                                                        false, ordinal)),
                  DbResult::Ok);
        ASSERT_EQ(access.appendTableDef(*table), DbResult::Ok);
    }

    TempDir dir;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    AccessLayer access{log, sqliteEngine()};
    DatabaseSlot database;
    TableSlot table;
    std::string path;
    int ordinal = 1;
};

TEST_F(AccessLayerTest, OpeningAMissingFileReportsOnlyWhenAsked) {
    DatabaseSlot other;
    EXPECT_EQ(access.openDatabase(other, dir.file("none.mdb"), false), DbResult::FileMissing);
    EXPECT_EQ(presenter.count(), 0u);
    EXPECT_EQ(access.openDatabase(other, dir.file("none.mdb"), true), DbResult::FileMissing);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text.rfind("Couldn't open database -- Exception: ", 0), 0u);
    EXPECT_GT(presenter.last().text.size(), std::string("Couldn't open database -- Exception: ").size());
    EXPECT_FALSE(other);
}

TEST_F(AccessLayerTest, ExistingTablesFieldsAndIndexesAreNotMadeTwice) {
    EXPECT_EQ(ordinal, 3) << "each described field takes the next ordinal position";
    TableSlot again;
    EXPECT_EQ(access.createTableDef(*database, again, "T"), DbResult::Failed);
    EXPECT_EQ(presenter.last().text, "A table by that name already exists.");
    EXPECT_EQ(access.createField(
                  *table, AccessLayer::describeField("Name", "T", ColumnText, 10, true, true, ordinal)),
              DbResult::Failed);
    EXPECT_EQ(presenter.last().text, "A field by that name already exists.");
    ASSERT_EQ(access.createIndex(*table, {"MainOrder", {"Name"}}), DbResult::Ok);
    EXPECT_EQ(access.createIndex(*table, {"MainOrder", {"Name"}}), DbResult::Failed);
    EXPECT_EQ(presenter.last().text, "A Index by that name already exists.");
    EXPECT_EQ(presenter.shown(BoxKind::Error).size(), 3u);
}

TEST_F(AccessLayerTest, EnsureFieldAddsWhatIsMissingAndRefusesAnotherTypeOrSize) {
    EXPECT_EQ(access.ensureField(*table, "Name", ColumnText, 10, true, true, ordinal), DbResult::Ok);
    EXPECT_EQ(access.ensureField(*table, "Count", ColumnInt16, 2, false, false, ordinal), DbResult::Ok);
    EXPECT_EQ(ordinal, 3) << "an existing field is left alone";
    EXPECT_EQ(access.ensureField(*table, "Name", ColumnText, 40, true, true, ordinal), DbResult::Failed);
    EXPECT_EQ(access.ensureField(*table, "Count", ColumnInt32, 4, false, false, ordinal), DbResult::Failed);
    EXPECT_EQ(access.ensureField(*table, "Added", ColumnDouble, 8, false, false, ordinal), DbResult::Ok);
    EXPECT_TRUE(access.fieldExists(*table, "added")) << "column names ignore letter case";
    ASSERT_EQ(presenter.count(), 2u) << "each refusal says why";
    EXPECT_EQ(presenter.last().text, "Couldn't open database -- Exception: the column 'Count' of table '" +
                                         table->name + "' does not have the type and size it should have");
}

TEST_F(AccessLayerTest, EngineFailuresShowTheFixedTextAndTheDescription) {
    TableSlot missing;
    EXPECT_EQ(access.openTableDef(*database, missing, "Nope"), DbResult::Failed);
    EXPECT_EQ(presenter.last().text, "Couldn't open tabledef -- Exception: no such table: Nope");
    EXPECT_EQ(access.createIndex(*table, {"Broken", {"NoColumn"}}), DbResult::Failed);
    EXPECT_EQ(presenter.last().text.rfind("Couldn't create Index -- Exception: ", 0), 0u);
}

TEST(SchemaText, DeclaredTypesReadBackAsTheirTypeAndSize) {
    for (const auto& [type, size] : {std::pair<ColumnType, int>{ColumnByte, 1},
                                     {ColumnInt16, 2},
                                     {ColumnInt32, 4},
                                     {ColumnDouble, 8},
                                     {ColumnText, 240}}) {
        FieldDescription field;
        field.name = "X";
        field.type = type;
        field.size = size;
        const std::string sql = columnSql(field, false);
        const std::string declared = sql.substr(4, sql.find(' ', 4) - 4);
        const FieldInfo info = parseDeclaredType(declared);
        EXPECT_EQ(info.type, type) << sql;
        EXPECT_EQ(info.size, size) << sql;
    }
    EXPECT_EQ(parseDeclaredType("TEXT").type, 0);
    EXPECT_EQ(parseDeclaredType("varchar(x)").type, 0);
}

TEST(ColumnValues, NumbersAreCutToTheirColumnType) {
    auto stored = [](ColumnType type, double value) { return numberForColumn(type, value)->integer; };
    EXPECT_EQ(stored(ColumnByte, 300), 44);
    EXPECT_EQ(stored(ColumnByte, -1), 255);
    EXPECT_EQ(stored(ColumnByte, 2.9), 2);
    EXPECT_EQ(stored(ColumnInt16, 40000), -25536);
    EXPECT_EQ(stored(ColumnInt16, -2.7), -2);
    EXPECT_EQ(stored(ColumnInt32, 4294967295.0), -1);
    EXPECT_EQ(stored(ColumnInt32, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(numberForColumn(ColumnDouble, 0.25)->real, 0.25);
    EXPECT_FALSE(numberForColumn(ColumnText, 1).has_value());
    EXPECT_FALSE(numberForColumn(ColumnBytes, 1).has_value());
}

TEST(ColumnValues, StoredValuesAreNumbersOrTextsOrMissing) {
    EXPECT_EQ(numberFromColumn(DbValue::ofInteger(7)), 7.0);
    EXPECT_EQ(numberFromColumn(DbValue::ofReal(0.5)), 0.5);
    EXPECT_FALSE(numberFromColumn(DbValue::ofText("7")).has_value());
    EXPECT_FALSE(numberFromColumn(DbValue::null()).has_value());
    EXPECT_EQ(textFromColumn(DbValue::ofText("Acme  ")), "Acme");
    EXPECT_EQ(textFromColumn(DbValue::ofText("   ")), "");
    EXPECT_FALSE(textFromColumn(DbValue::ofInteger(1)).has_value());

    ParameterDefinition wide{};
    wide.columnType = ColumnInt16;
    wide.minValue = 0;
    wide.maxValue = 65535;
    EXPECT_EQ(parameterValueFromStored(wide, -1), 65535);
    wide.minValue = -100;
    EXPECT_EQ(parameterValueFromStored(wide, -1), -1);
}

TEST(ColumnValues, TheStoredStatusMarkerIsCutOff) {
    const std::string marker(kStoredStatusMarker);
    EXPECT_EQ(withoutStoredMarker("Programmed" + marker), "Programmed");
    EXPECT_EQ(withoutStoredMarker("Working"), "Working");
}

}  // namespace
}  // namespace orv::test
