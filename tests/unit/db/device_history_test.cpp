// The device history on both engines: every change to a stored device appends
// a version (who, when, what, the whole device), numbered per Job and CTN
// across their statuses; a database made before the history gains its table
// and records its devices as they were the first time they change.

#include "app/format_text.h"
#include "db/column_values.h"
#include "db/db_messages.h"
#include "db/history_record.h"
#include "db_test_support.h"
#include "model/lists.h"

namespace orv::test {
namespace {

constexpr int kMarkerRow = GeneralRow::ElevAngle;

struct Seen {
    int version;
    std::string status;
    std::string action;
    std::string user;
    std::string time;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> seen(const std::vector<DeviceVersion>& versions) {
    std::vector<Seen> result;
    for (const DeviceVersion& v : versions)
        result.push_back({v.version, v.key.status, v.action, v.user, v.time});
    return result;
}

class DeviceHistoryTest : public ParameterDbTest {
protected:
    void SetUp() override {
        ParameterDbTest::SetUp();
        if (IsSkipped()) return;
        createDatabase();
        db.clock = [this] { return now; };
        presenter.defaultQuestionAnswer = kAnswerYes;  // overwrites
    }

    void saveMarked(const std::string& job, const std::string& ctn, const std::string& status, double marker,
                    HistoryAction action = HistoryAction::Save) {
        record.general(kMarkerRow) = marker;
        record.season(7, SeasonRow::NextSeason) = static_cast<int>(marker) % 12;
        ASSERT_EQ(db.saveDevice(job, ctn, status, action), DbResult::Ok);
    }

    std::vector<DeviceVersion> history(const std::string& job, const std::string& ctn,
                                       const std::string& status = "") {
        std::vector<DeviceVersion> versions;
        EXPECT_EQ(db.deviceHistory(job, ctn, status, versions), DbResult::Ok);
        return versions;
    }

    // The marker of a version, read into a fresh record.
    double versionMarker(const std::string& job, const std::string& ctn, int version) {
        ParameterRecord before = record;
        resetRecord(record);
        DeviceVersion found;
        EXPECT_EQ(db.readVersion(job, ctn, version, record, found), DbResult::Ok);
        EXPECT_EQ(record.season(7, SeasonRow::NextSeason), static_cast<int>(record.general(kMarkerRow)) % 12)
            << "the seasons come with their version";
        const double marker = record.general(kMarkerRow);
        record = before;
        return marker;
    }

    std::time_t now = 1796774400;  // 2026-12-09T00:00:00Z
};

TEST_P(DeviceHistoryTest, EveryChangeAppendsAVersionWithUserTimeActionAndTheWholeDevice) {
    record.text(StringRow::UserName) = "ann";
    saveMarked("J", "C", "Working", 11);
    now += 60;
    saveMarked("J", "C", "Working", 12);  // over the stored one
    record.text(StringRow::UserName) = "bob";
    now += 60;
    saveMarked("J", "C", "Programmed", 13, HistoryAction::Programmed);
    now += 60;
    ASSERT_EQ(db.changeDevice("J", "", "K", ""), DbResult::Ok);  // the whole Job, both statuses
    now += 60;
    ASSERT_EQ(db.deleteDevice("K", "C", "Working"), DbResult::Ok);

    EXPECT_EQ(seen(history("J", "C")), (std::vector<Seen>{
                                           {1, "Working", "save", "ann", "2026-12-09T00:00:00Z"},
                                           {2, "Working", "save", "ann", "2026-12-09T00:01:00Z"},
                                           {3, "Programmed", "programmed", "bob", "2026-12-09T00:02:00Z"},
                                           {4, "Programmed", "rename", "bob", "2026-12-09T00:03:00Z"},
                                           {5, "Working", "rename", "bob", "2026-12-09T00:03:00Z"},
                                       }));
    EXPECT_EQ(seen(history("K", "C")), (std::vector<Seen>{
                                           {1, "Programmed", "rename", "bob", "2026-12-09T00:03:00Z"},
                                           {2, "Working", "rename", "bob", "2026-12-09T00:03:00Z"},
                                           {3, "Working", "delete", "bob", "2026-12-09T00:04:00Z"},
                                       }));
    EXPECT_EQ(seen(history("J", "C", "Programmed")).size(), 2u) << "one status alone";
    EXPECT_EQ(versionMarker("J", "C", 1), 11);
    EXPECT_EQ(versionMarker("J", "C", 2), 12);
    EXPECT_EQ(versionMarker("J", "C", 3), 13);
    EXPECT_EQ(versionMarker("K", "C", 3), 12) << "a delete keeps the device it deleted";

    // The renamed device's versions name it as it is now.
    DeviceVersion found;
    ASSERT_EQ(db.readVersion("J", "C", 5, record, found), DbResult::Ok);
    EXPECT_EQ(record.text(StringRow::JobNumber), "K");
    EXPECT_EQ(record.general(kMarkerRow), 12);

    // Restoring the deleted device puts it back, and says so.
    resetRecord(record);
    record.text(StringRow::UserName) = "cy";
    ASSERT_EQ(db.readVersion("K", "C", 3, record, found), DbResult::Ok);
    EXPECT_EQ(record.text(StringRow::UserName), "cy") << "the user is not part of a version";
    ASSERT_EQ(db.saveDevice("K", "C", found.key.status, HistoryAction::Restore), DbResult::Ok);
    EXPECT_EQ(seen(history("K", "C")).back(), (Seen{4, "Working", "restore", "cy", "2026-12-09T00:04:00Z"}));
    resetRecord(record);
    ASSERT_EQ(db.readDevice("K", "C", "Working", ReadMode::Load), DbResult::Ok);
    EXPECT_EQ(record.general(kMarkerRow), 12);
}

TEST_P(DeviceHistoryTest, VersionsFollowTheKeysLetterCaseAndFailuresChangeNothing) {
    saveMarked("J", "C", "Working", 1);
    saveMarked("j", "c", "Working", 2);  // the same device, as the device tables compare keys
    EXPECT_EQ(history("J", "C").size(), 2u);

    // A rename onto a stored device is refused before anything is written.
    saveMarked("K", "C", "Working", 3);
    ASSERT_EQ(db.changeDevice("J", "C", "K", "C"), DbResult::Failed);
    EXPECT_EQ(history("J", "C").size(), 2u);
    EXPECT_EQ(history("K", "C").size(), 1u);

    // A delete that finds nothing records nothing.
    EXPECT_EQ(db.deleteDevice("J", "C", "Coord. Signoff"), DbResult::NotFound);
    EXPECT_EQ(history("J", "C").size(), 2u);

    presenter.clear();
    DeviceVersion found;
    EXPECT_EQ(db.readVersion("J", "C", 9, record, found), DbResult::Failed);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0].text, formatText(dbtext::kVersionNotFound, 9, "J", "C"));
}

TEST_P(DeviceHistoryTest, ADatabaseFromBeforeTheHistoryGainsItAndImportsDevicesAsTheyChange) {
    saveMarked("J", "C", "Working", 21);
    saveMarked("J", "C", "Coord. Signoff", 22);
    ASSERT_TRUE(rawExec(path, "DROP TABLE DeviceHistory"));

    // The first open of the file in a run adds the table.
    ParameterDb later(log, record);
    later.pause = nullptr;
    later.clock = db.clock;
    ASSERT_EQ(later.openDatabase(path, false), DbResult::Ok);
    later.closeDatabase();
    EXPECT_EQ(rawScalar(path, "SELECT count(*) FROM DeviceHistory"), "0")
        << "nothing recorded before a change";

    record.general(kMarkerRow) = 23;
    ASSERT_EQ(later.saveDevice("J", "C", "Working"), DbResult::Ok);
    ASSERT_EQ(later.deleteDevice("J", "C", "Coord. Signoff"), DbResult::Ok);
    std::vector<DeviceVersion> versions;
    ASSERT_EQ(later.deviceHistory("J", "C", "", versions), DbResult::Ok);
    std::vector<std::string> actions;
    for (const auto& v : versions)
        actions.push_back(std::to_string(v.version) + " " + v.key.status + " " + v.action);
    EXPECT_EQ(actions, (std::vector<std::string>{"1 Working import", "2 Working save",
                                                 "3 Coord. Signoff import", "4 Coord. Signoff delete"}));
    EXPECT_EQ(versionMarker("J", "C", 1), 21) << "the device as it was before the change";
    EXPECT_EQ(versionMarker("J", "C", 3), 22);
}

TEST_P(DeviceHistoryTest, ACopyIntoAnotherDatabaseIsRecordedThere) {
    saveMarked("J", "C", "Working", 5);
    const std::string target = stores.fresh(GetParam(), "copy.mdb");
    ASSERT_EQ(db.readDevice("J", "C", "Working", ReadMode::Load), DbResult::Ok);
    db.setCurrentPath(target);
    ASSERT_EQ(db.saveDevice("J", "C", "Working", HistoryAction::Copy), DbResult::Ok);
    const auto versions = history("J", "C");
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].action, "copy");
    EXPECT_EQ(versionMarker("J", "C", 1), 5);
}

INSTANTIATE_TEST_SUITE_P(Engines, DeviceHistoryTest, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

// The stored value of a version is the device tables' own: each number cut to
// its column type, texts without trailing blanks; bytes for other columns or
// cut short are refused and leave the record alone.
TEST(HistoryRecord, RoundTripsAsTheDeviceTablesStoreAndRefusesForeignBytes) {
    restoreBuiltinDefinitions();
    ParameterRecord record;
    resetRecord(record);
    for (std::size_t row = 0; row < generalDefinitions().size(); ++row) {
        record.generalValues[row] = generalDefinitions()[row].maxValue;
    }
    record.general(GeneralRow::ElevAngle) = -12.375;
    for (int s = 1; s <= kSeasons; ++s) record.season(s, SeasonRow::NextSeason) = 300 + s;  // a Byte column
    record.text(StringRow::Notes) = std::string(240, 'n');
    record.text(StringRow::Customer) = "Field station   ";

    const std::string bytes = encodeStoredRecord(record);
    EXPECT_LE(bytes.size(), 2048u - 240u) << "a version stays well under 2 KB beside its longest note";

    ParameterRecord loaded;
    resetRecord(loaded);
    ASSERT_TRUE(decodeStoredRecord(bytes, loaded));
    EXPECT_EQ(loaded.general(GeneralRow::ElevAngle), -12.375);
    EXPECT_EQ(loaded.season(5, SeasonRow::NextSeason), 305 % 256);
    EXPECT_EQ(loaded.text(StringRow::Customer), "Field station");
    EXPECT_EQ(loaded.text(StringRow::Notes), std::string(240, 'n'));
    for (std::size_t row = 0; row < generalDefinitions().size(); ++row) {
        const auto& def = generalDefinitions()[row];
        if (def.key[0] == '\0' || !numberForColumn(def.columnType, 0)) continue;
        EXPECT_EQ(loaded.generalValues[row],
                  parameterFromColumn(def, *numberForColumn(def.columnType, record.generalValues[row])))
            << def.key;
    }

    ParameterRecord untouched = loaded;
    for (const std::string& bad : {bytes.substr(0, bytes.size() - 1), bytes + "x", std::string{},
                                   std::string(1, '\x02') + bytes.substr(1)}) {
        EXPECT_FALSE(decodeStoredRecord(bad, loaded));
        EXPECT_EQ(loaded.stringValues, untouched.stringValues);
        EXPECT_EQ(loaded.generalValues, untouched.generalValues);
    }
}

}  // namespace
}  // namespace orv::test
