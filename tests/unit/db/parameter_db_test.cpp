// The parameter database on real files: create, upgrade, save, read, check,
// delete and rename.

#include <chrono>
#include <thread>

#include "app/format_text.h"
#include "db/db_messages.h"
#include "db_test_support.h"
#include "model/format_value.h"
#include "model/lists.h"

namespace orv::test {
namespace {

const std::string kMarker(kStoredStatusMarker);

int keyedCount(std::span<const ParameterDefinition> table) {
    int count = 0;
    for (const auto& def : table) count += def.key[0] != '\0';
    return count;
}

std::string generalMismatch(int row, double stored, double screen) {
    const auto& def = generalDefinitions()[static_cast<std::size_t>(row)];
    return formatText(dbtext::kGeneralMismatch, def.label, formatValue(stored, def.kind).c_str(),
                      formatValue(screen, def.kind).c_str());
}

using ParameterDbFile = ParameterDbTest;

TEST_P(ParameterDbFile, NewFileHoldsBothTablesIndexesAndOnlyTheDefaultDevice) {
    presenter.answer(kAnswerYes);
    ASSERT_EQ(db.openDatabase(path, true), DbResult::Ok);
    EXPECT_EQ(presenter.boxes[0].text, formatText(dbtext::kOfferCreate, path.c_str()));
    EXPECT_TRUE(db.isOpen()) << "the caller's operation goes on with the new file";
    db.closeDatabase();

    const auto general = columnNames(path, kGeneralTable);
    ASSERT_GE(general.size(), 3u);
    EXPECT_EQ((std::vector<std::string>{general[0], general[1], general[2]}),
              (std::vector<std::string>{"JobNumber", "CtnNumber", "DevStatus"}));
    EXPECT_EQ(static_cast<int>(general.size()),
              keyedCount(stringDefinitions()) + keyedCount(generalDefinitions()));
    const auto season = columnNames(path, kSeasonTable);
    EXPECT_EQ(season[3], "SeasonNum");
    EXPECT_EQ(static_cast<int>(season.size()), 4 + keyedCount(seasonDefinitions()));

    bool unique = true;
    EXPECT_EQ(indexColumns(path, "GenParmsTbl_MainOrder", &unique),
              (std::vector<std::string>{"JobNumber", "CtnNumber"}));
    EXPECT_FALSE(unique);
    EXPECT_EQ(indexColumns(path, "SeasParmsTbl_MainOrder", &unique),
              (std::vector<std::string>{"JobNumber", "CtnNumber", "SeasonNum"}));
    EXPECT_FALSE(unique);
    // The lookup index stays as it was; a second, unique one keeps each device key single.
    EXPECT_EQ(indexColumns(path, "GenParmsTbl_DeviceKey", &unique),
              (std::vector<std::string>{"JobNumber", "CtnNumber", "DevStatus"}));
    EXPECT_TRUE(unique);
    EXPECT_EQ(indexColumns(path, "SeasParmsTbl_DeviceKey", &unique),
              (std::vector<std::string>{"JobNumber", "CtnNumber", "DevStatus", "SeasonNum"}));
    EXPECT_TRUE(unique);

    EXPECT_EQ(rawQuery(path, "SELECT JobNumber, CtnNumber, DevStatus FROM GenParmsTbl"),
              (std::vector<std::vector<std::string>>{{"Default", "Default", "Working"}}));
    std::vector<std::vector<std::string>> seasons;
    for (int n = 0; n < kSeasons; ++n) seasons.push_back({std::to_string(n)});
    EXPECT_EQ(
        rawQuery(path,
                 "SELECT SeasonNum FROM SeasParmsTbl WHERE JobNumber = 'Default' AND DevStatus = 'Working' "
                 "ORDER BY SeasonNum"),
        seasons);
    EXPECT_EQ(record.text(StringRow::JobNumber), "Default");
}

TEST_P(ParameterDbFile, SchemaEnforcesRequiredLengthAndZeroLengthRules) {
    createDatabase();
    auto refused = [&](const std::string& sql) { return !rawExec(path, sql); };
    EXPECT_TRUE(refused("INSERT INTO GenParmsTbl (JobNumber, CtnNumber) VALUES ('a', 'b')"))
        << "status required";
    EXPECT_TRUE(refused(
        "INSERT INTO GenParmsTbl (JobNumber, CtnNumber, DevStatus, Customer) VALUES ('a', 'b', 'c', '" +
        std::string(26, 'x') + "')"));
    EXPECT_TRUE(refused(
        "INSERT INTO SeasParmsTbl (JobNumber, CtnNumber, DevStatus, SeasonNum) VALUES ('a','b','c','')"));
    EXPECT_FALSE(
        refused("INSERT INTO GenParmsTbl (JobNumber, CtnNumber, DevStatus, Customer) VALUES ('', '', '', '" +
                std::string(25, 'x') + "')"));
}

TEST_P(ParameterDbFile, MissingFileIsTriedThreeTimesSilentlyAndCreationCanBeDeclined) {
    int pauses = 0;
    db.pause = [&](int ms) {
        EXPECT_EQ(ms, 500);
        ++pauses;
    };
    EXPECT_EQ(db.openDatabase(path, false), DbResult::Failed);
    EXPECT_EQ(pauses, 2);
    EXPECT_EQ(presenter.count(), 0u);

    presenter.answer(kAnswerNo);
    EXPECT_EQ(db.openDatabase(path, true), DbResult::Failed);
    EXPECT_EQ(presenter.count(), 1u);
    EXPECT_TRUE(TestStores::untouched(path));
}

TEST_F(ParameterDbFileOnly, ForeignFileFailsTheOpenWithTheEngineMessageAndIsNotReplaced) {
    dir.write("Orv3.mdb", std::string(4096, 'Z'));
    EXPECT_EQ(db.openDatabase(path, false), DbResult::Failed);
    ASSERT_FALSE(errors().empty());
    EXPECT_EQ(errors()[0].text, "Couldn't open database -- Exception: file is not a database");

    // A damaged file is never offered for creation, and its failure is told once.
    presenter.clear();
    presenter.defaultQuestionAnswer = kAnswerYes;
    EXPECT_EQ(db.openDatabase(path, true), DbResult::Failed);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(errors().back().text, "Couldn't open database -- Exception: file is not a database");
    EXPECT_EQ(dir.read("Orv3.mdb"), std::string(4096, 'Z'));
}

TEST_F(ParameterDbFileOnly, OlderFileGetsTheMissingColumnsAndItsRowsKeepTheirValues) {
    createDatabase();  // this run has already verified one file
    const std::string older = dir.file("older.mdb");
    const auto seasonRows = [] {
        std::string sql;
        for (int s = 0; s < kSeasons; ++s) {
            sql += "INSERT INTO SeasParmsTbl VALUES ('J', 'C', NULL, " + std::to_string(s) + ", 3);";
        }
        return sql;
    }();
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(older.c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(
            raw,
            ("CREATE TABLE GenParmsTbl (JobNumber VARCHAR(40) NOT NULL, CtnNumber VARCHAR(40) NOT NULL, "
             "DevStatus VARCHAR(40), ElevAngle DOUBLE);"
             "CREATE TABLE SeasParmsTbl (JobNumber VARCHAR(40), CtnNumber VARCHAR(40), "
             "DevStatus VARCHAR(40), SeasonNum TINYINT, NextSeason TINYINT);"
             "INSERT INTO GenParmsTbl VALUES ('J', 'C', NULL, 12.5);" +
             seasonRows)
                .c_str(),
            nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(raw);

    ASSERT_EQ(db.openDatabase(older, false), DbResult::Ok);
    db.closeDatabase();
    EXPECT_EQ(static_cast<int>(columnNames(older, kGeneralTable).size()),
              keyedCount(stringDefinitions()) + keyedCount(generalDefinitions()));
    EXPECT_EQ(static_cast<int>(columnNames(older, kSeasonTable).size()), 4 + keyedCount(seasonDefinitions()));
    EXPECT_EQ(rawQuery(older, "SELECT DevStatus, ElevAngle FROM GenParmsTbl"),
              (std::vector<std::vector<std::string>>{{"Working", "12.5"}}));

    record.general(GeneralRow::SigLevel) = 17;
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 12.5);
    EXPECT_EQ(record.general(GeneralRow::SigLevel), generalDefinitions()[GeneralRow::SigLevel].defaultValue);
    EXPECT_EQ(record.season(12, SeasonRow::NextSeason), 3);
}

TEST_F(ParameterDbFileOnly, ColumnOfAnotherTypeOrSizeFailsTheOpen) {
    for (const std::string columns : {"JobNumber VARCHAR(20), CtnNumber VARCHAR(40), DevStatus VARCHAR(40)",
                                      "JobNumber VARCHAR(40), CtnNumber VARCHAR(40), DevStatus VARCHAR(40), "
                                      "ElevAngle SMALLINT"}) {
        const std::string file = dir.file("odd" + std::to_string(columns.size()) + ".mdb");
        rawQuery(file, "CREATE TABLE GenParmsTbl (" + columns + ")");
        rawQuery(file, "CREATE TABLE SeasParmsTbl (JobNumber VARCHAR(40))");
        EXPECT_EQ(db.openDatabase(file, false), DbResult::Failed) << columns;
        EXPECT_FALSE(db.isOpen());
    }
}

TEST_P(ParameterDbFile, SavingTwiceAsksAndAfterYesHoldsOneSetOfRows) {
    createDatabase();
    record.general(GeneralRow::ElevAngle) = 20;
    ASSERT_EQ(save("J1", "C1", "Coord. Signoff" + kMarker), DbResult::Ok);
    EXPECT_EQ(presenter.count(), 0u);
    EXPECT_EQ(rawScalar(path, "SELECT DevStatus FROM GenParmsTbl WHERE JobNumber = 'J1'"), "Coord. Signoff");

    record.general(GeneralRow::ElevAngle) = 30;
    presenter.answer(kAnswerNo);
    EXPECT_EQ(save("J1", "C1", "Coord. Signoff"), DbResult::Ok);
    EXPECT_EQ(presenter.boxes[0].text,
              "There is already a record in the database with Job number: 'J1',\nCTN number: 'C1' and Device "
              "Status: "
              "'Coord. Signoff'.  Do you want to \noverwrite it?");
    EXPECT_EQ(presenter.last().text, "The device was NOT saved to the database.");
    EXPECT_EQ(rawNumber(path, "SELECT ElevAngle FROM GenParmsTbl WHERE JobNumber = 'J1'"), 20);

    presenter.answer(kAnswerYes);
    EXPECT_EQ(save("J1", "C1", "Coord. Signoff"), DbResult::Ok);
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM GenParmsTbl WHERE JobNumber = 'J1'"), "1");
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM SeasParmsTbl WHERE JobNumber = 'J1'"), "12");
    EXPECT_EQ(rawNumber(path, "SELECT ElevAngle FROM GenParmsTbl WHERE JobNumber = 'J1'"), 30);

    presenter.clear();
    EXPECT_EQ(save("J1", "", "Working"), DbResult::Failed);
    EXPECT_EQ(errors().at(0).text, dbtext::kSaveKeyMissing);
}

TEST_P(ParameterDbFile, SaveThatFailsHalfwayLeavesTheStoredDeviceIntact) {
    createDatabase();
    record.general(GeneralRow::ElevAngle) = 10;
    ASSERT_EQ(save("J", "C"), DbResult::Ok);
    record.general(GeneralRow::ElevAngle) = 20;
    record.text(StringRow::Notes) = std::string(241, 'n');  // longer than its column
    presenter.answer(kAnswerYes);
    EXPECT_EQ(save("J", "C"), DbResult::Failed);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0].text.rfind("Couldn't save database -- Exception: ", 0), 0u) << errors()[0].text;
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM SeasParmsTbl WHERE JobNumber = 'J'"), "12");
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle), 10);
}

// The server would cut a text at a NUL, the file would keep it: both refuse it alike.
TEST_P(ParameterDbFile, ATextHoldingANulIsRefusedAndTheStoredDeviceStaysWhole) {
    createDatabase();
    record.text(StringRow::Notes) = "before";
    ASSERT_EQ(save("J", "C"), DbResult::Ok);
    record.text(StringRow::Notes) = std::string("cut\0here", 8);
    presenter.answer(kAnswerYes);
    EXPECT_EQ(save("J", "C"), DbResult::Failed);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0].text,
              "Couldn't save database -- Exception: a text holding a NUL character cannot be stored");
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.text(StringRow::Notes), "before");
}

TEST_P(ParameterDbFile, MissingStoredValuesReadAsDefaultsAndEmptyTexts) {
    createDatabase();
    record.text(StringRow::Notes) = "kept";
    ASSERT_EQ(save("J", "C"), DbResult::Ok);
    rawQuery(path, "UPDATE GenParmsTbl SET ElevAngle = NULL, Notes = NULL, Customer = 'Acme   '");
    rawQuery(path, "UPDATE SeasParmsTbl SET GpsFixInterval_1 = NULL WHERE SeasonNum = 4");
    record.general(GeneralRow::ElevAngle) = 55;
    record.season(5, SeasonRow::GpsFixInterval_1) = 99;
    ASSERT_EQ(db.readDevice("J", "C", "Working" + kMarker, ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(GeneralRow::ElevAngle),
              generalDefinitions()[GeneralRow::ElevAngle].defaultValue);
    EXPECT_EQ(record.season(5, SeasonRow::GpsFixInterval_1),
              seasonDefinitions()[SeasonRow::GpsFixInterval_1].defaultValue);
    EXPECT_EQ(record.text(StringRow::Notes), "");
    EXPECT_EQ(record.text(StringRow::Customer), "Acme");
}

TEST_P(ParameterDbFile, CheckReportsOnlyTheFirstNumericDifference) {
    createDatabase();
    ASSERT_EQ(save("J", "C"), DbResult::Ok);
    EXPECT_EQ(db.readDevice("J", "C", "Working", ReadMode::Check), DbResult::Ok);

    record.text(StringRow::Notes) = "only a text differs";
    EXPECT_EQ(db.readDevice("J", "C", "Working", ReadMode::Check), DbResult::Ok);

    const double elev = record.general(GeneralRow::ElevAngle);
    record.general(GeneralRow::ElevAngle) = elev + 1e-7;
    EXPECT_EQ(db.readDevice("J", "C", "Working", ReadMode::Check), DbResult::Ok);
    EXPECT_TRUE(warnings().empty());

    record.general(GeneralRow::ElevAngle) = elev + 2e-6;
    record.general(GeneralRow::SigLevel) += 3;
    EXPECT_EQ(db.readDevice("J", "C", "Working", ReadMode::Check), DbResult::Failed);
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0].text, generalMismatch(GeneralRow::ElevAngle, elev, elev + 2e-6));

    presenter.clear();
    record.general(GeneralRow::ElevAngle) = elev;
    record.general(GeneralRow::SigLevel) -= 3;
    record.season(3, SeasonRow::NextSeason) = 2;
    EXPECT_EQ(db.readDevice("J", "C", "Working", ReadMode::Check), DbResult::Failed);
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_NE(warnings()[0].text.find("field in season 3 has"), std::string::npos) << warnings()[0].text;
}

TEST_P(ParameterDbFile, SixteenBitValuesAboveTheSignedRangeComeBack) {
    createDatabase();
    record.general(GeneralRow::NetConnTimeOut) = 65535;
    record.general(GeneralRow::PttIdCode) = 999999;
    ASSERT_EQ(save("J", "C"), DbResult::Ok);
    EXPECT_EQ(db.readDevice("J", "C", "Working", ReadMode::Check), DbResult::Ok);
    resetRecord(record);
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(GeneralRow::NetConnTimeOut), 65535);
    EXPECT_EQ(record.general(GeneralRow::PttIdCode), 999999);
}

TEST_P(ParameterDbFile, DuplicateAndMissingRowsAreReported) {
    createDatabase();
    ASSERT_EQ(save("J", "C"), DbResult::Ok);
    ASSERT_EQ(save("K", "C"), DbResult::Ok);
    // A file written before device keys were kept single.
    rawQuery(path, "DROP INDEX GenParmsTbl_DeviceKey");
    rawQuery(path, "DROP INDEX SeasParmsTbl_DeviceKey");
    rawQuery(path,
             "INSERT INTO GenParmsTbl (JobNumber, CtnNumber, DevStatus, ElevAngle) VALUES ('J', 'C', "
             "'Working', 33)");
    rawQuery(path,
             "INSERT INTO SeasParmsTbl (JobNumber, CtnNumber, DevStatus, SeasonNum) VALUES ('K', 'C', "
             "'Working', 3)");
    rawQuery(path, "DELETE FROM SeasParmsTbl WHERE SeasonNum = 7 AND JobNumber = 'J'");
    ParameterDb fresh(log, record);  // a new run: the file is checked again, and keeps its rows
    fresh.setCurrentPath(path);
    record.general(GeneralRow::ElevAngle) = 44;
    for (const ReadMode mode : {ReadMode::Load, ReadMode::Check}) {
        presenter.clear();
        EXPECT_EQ(fresh.readDevice("J", "C", "Working", mode), DbResult::Failed);
        EXPECT_EQ(record.general(GeneralRow::ElevAngle), 44) << "the stored rows are not loaded";
        ASSERT_EQ(presenter.count(), 1u);
        EXPECT_EQ(errors().at(0).text,
                  formatText(dbtext::kSeveralDevices, path.c_str(), "J", "C", "Working"));
    }
    presenter.clear();
    EXPECT_EQ(fresh.readDevice("K", "C", "Working", ReadMode::Load), DbResult::Failed)
        << "a season stored twice is an error";
    EXPECT_EQ(errors().at(0).text, formatText(dbtext::kSeveralSeasons, path.c_str(), "K", "C", 3));
    bool unique = false;
    EXPECT_TRUE(indexColumns(path, "GenParmsTbl_DeviceKey", &unique).empty())
        << "no unique key over rows that break it";

    rawQuery(path, "DELETE FROM GenParmsTbl WHERE ElevAngle = 33");
    presenter.clear();
    EXPECT_EQ(fresh.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Failed);
    EXPECT_EQ(errors().at(0).text, formatText(dbtext::kNoSeason, "J", "C", 7));

    presenter.clear();
    EXPECT_EQ(db.readDevice("X", "C", "Working", ReadMode::Load), DbResult::Failed);
    EXPECT_EQ(errors().at(0).text,
              "Could not find Job number: 'X', CTN number: 'C', Status: 'Working'\nin the database.");
}

TEST_P(ParameterDbFile, DeleteRemovesBothTablesRowsAndSaysWhenNothingMatched) {
    createDatabase();
    ASSERT_EQ(save("J", "C"), DbResult::Ok);
    EXPECT_EQ(db.deleteDevice("J", "C", "Working"), DbResult::Ok);
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM SeasParmsTbl WHERE JobNumber = 'J'"), "0");
    EXPECT_EQ(db.deleteDevice("J", "C", "Working"), DbResult::NotFound);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_P(ParameterDbFile, QuotesInKeysAreStoredAndFoundLikeAnyOtherText) {
    createDatabase();
    ASSERT_EQ(save("O'Brien", "C'1", "Working"), DbResult::Ok);
    EXPECT_EQ(db.readDevice("O'Brien", "C'1", "Working", ReadMode::Check), DbResult::Ok);
    EXPECT_EQ(db.changeDevice("O'Brien", "C'1", "O'Neil", "C'2"), DbResult::Ok);
    EXPECT_EQ(db.deleteDevice("O'Neil", "C'2", "Working"), DbResult::Ok);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_P(ParameterDbFile, RenameOfAWholeJobMovesEveryCtnAndStatus) {
    createDatabase();
    for (const auto& [ctn, status] : {std::pair{"C1", "Working"}, {"C1", "Programmed"}, {"C2", "Working"}}) {
        ASSERT_EQ(save("J", ctn, status), DbResult::Ok);
    }
    ASSERT_EQ(db.changeDevice("J", "", "K", ""), DbResult::Ok);
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM GenParmsTbl WHERE JobNumber = 'K'"), "3");
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM SeasParmsTbl WHERE JobNumber = 'K'"), "36");
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM GenParmsTbl WHERE JobNumber = 'J'"), "0");
    EXPECT_EQ(rawQuery(path, "SELECT DISTINCT CtnNumber FROM GenParmsTbl WHERE JobNumber = 'K' ORDER BY 1"),
              (std::vector<std::vector<std::string>>{{"C1"}, {"C2"}}));
    EXPECT_EQ(record.text(StringRow::JobNumber), "K");
}

TEST_P(ParameterDbFile, RenameRefusesTargetsThatExistAndSourcesThatDoNot) {
    createDatabase();
    ASSERT_EQ(save("J", "C1"), DbResult::Ok);
    ASSERT_EQ(save("K", "C1"), DbResult::Ok);
    EXPECT_EQ(db.changeDevice("J", "C1", "K", "C1"), DbResult::Failed);
    EXPECT_EQ(errors().back().text, formatText(dbtext::kRenameTargetExists, "K", "C1"));
    // A whole Job renamed onto a Job that has one of its CTNs would leave two devices with one key.
    EXPECT_EQ(db.changeDevice("J", "", "K", ""), DbResult::Failed);
    EXPECT_EQ(errors().back().text, formatText(dbtext::kRenameTargetExists, "K", "C1"));
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM GenParmsTbl WHERE JobNumber = 'J'"), "1");

    EXPECT_EQ(db.changeDevice("X", "C9", "Y", "C9"), DbResult::Failed);
    EXPECT_EQ(errors().back().text,
              "There are no records in the database with Job number: 'X',\nand CTN number: 'C9'.  Create the "
              "record(s) in the database\nusing the 'Save' button rather than the 'Change' button.");
    EXPECT_EQ(db.changeDevice("X", "", "Y", ""), DbResult::Failed);
    EXPECT_EQ(
        errors().back().text,
        "There are no records in the database with Job number: 'X',\nusing the 'Save' button rather than the "
        "'Change' button.");
}

TEST_F(ParameterDbFileOnly, SaveWaitsForAnotherProgramThatHoldsTheFileBriefly) {
    createDatabase();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    EXPECT_EQ(save("J", "C"), DbResult::Ok);
    release.join();
    sqlite3_close(other);
    EXPECT_EQ(presenter.count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Engines, ParameterDbFile, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

}  // namespace
}  // namespace orv::test
