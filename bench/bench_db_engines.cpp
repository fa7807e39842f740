// The parameter database on both engines side by side, over 100,000 stored
// devices: saving and reading one device (with the connect and disconnect of
// every operation), and the Job/CTN lists and the CTN and PTT ID lookups; and
// over 10,000 devices with 50 versions each in the device history: saving and
// reading one of them, and the bytes a version takes on disk.
// The server is a throw-away cluster of this run on the loopback, with the
// server's default durability (fsync on).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/message_log.h"
#include "db/database_uri.h"
#include "db/engine.h"
#include "db/history_record.h"
#include "db/parameter_db.h"
#include "db/query.h"
#include "model/choice_list.h"
#include "model/record.h"
#include "pg_cluster.h"
#include "temp_dir.h"

namespace {

using namespace orv;

constexpr int kStoredDevices = 100000;
constexpr int kHistoryDevices = 10000;
constexpr int kVersionsPerDevice = 50;

class AlwaysYes : public MessagePresenter {
public:
    int present(BoxKind kind, const std::string&, const std::string&) override {
        return kind == BoxKind::Choice || kind == BoxKind::YesNoCancel ? kAnswerYes : kAnswerOk;
    }
};

// The Job and CTN of device i of a filled database.
const std::string kFilledJob =
    "'0' || CAST(1 + (i / 20) % 9 AS VARCHAR(4)) || '-' || CAST(1000 + i / 20 AS VARCHAR(8))";
const std::string kFilledCtn = "'CTN' || CAST(100000 + i AS VARCHAR(8))";

std::string filledJob(int i) {
    return "0" + std::to_string(1 + (i / 20) % 9) + "-" + std::to_string(1000 + i / 20);
}

std::string filledCtn(int i) {
    return "CTN" + std::to_string(100000 + i);
}

std::string numbersBelow(int count) {
    return "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
           std::to_string(count - 1) + ") ";
}

// The program's connections give up on a statement after a few seconds (a
// server held by another station); the fills below are one long statement.
bool withoutStatementLimit(DbConnection& connection, const std::string& path) {
    return !isServerUri(path) || executeStatement(connection, "SET statement_timeout = 0") == 0;
}

// The devices in Jobs of 20 CTNs each, with twelve season rows each, written by
// the engine in one statement per table (the program's own save would take a
// long while for this many).
bool fillDevices(const std::string& path, int devices) {
    EngineError error;
    auto connection = databaseEngine().open(path, error);
    if (!connection || !withoutStatementLimit(*connection, path)) return false;
    const std::string numbers = numbersBelow(devices);
    const std::string& job = kFilledJob;
    const std::string& ctn = kFilledCtn;
    const bool filled =
        connection->begin() == 0 &&
        executeStatement(
            *connection,
            "INSERT INTO \"GenParmsTbl\" (\"JobNumber\", \"CtnNumber\", \"DevStatus\", \"Customer\", "
            "\"PttIdCode\") " +
                numbers + "SELECT " + job + ", " + ctn +
                ", 'Working', 'Customer ' || CAST(i % 37 AS VARCHAR(4)), 10000 + i FROM n") == 0 &&
        executeStatement(
            *connection,
            "INSERT INTO \"SeasParmsTbl\" (\"JobNumber\", \"CtnNumber\", \"DevStatus\", \"SeasonNum\") " +
                numbers + ", s(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM s WHERE k < 11) SELECT " + job +
                ", " + ctn + ", 'Working', k FROM n CROSS JOIN s") == 0 &&
        connection->commit() == 0;
    if (!filled) std::fprintf(stderr, "fill: %s\n", connection->lastError().description.c_str());
    // Fresh statistics, as a server's autovacuum would have them after such a load.
    executeStatement(*connection, isServerUri(path) ? "VACUUM ANALYZE" : "ANALYZE");
    return filled;
}

// The device history of the filled devices: versions 1 to 50 of each, every
// one the whole record as a save stores it.
bool fillHistory(const std::string& path, const std::string& record) {
    EngineError error;
    auto connection = databaseEngine().open(path, error);
    if (!connection || !withoutStatementLimit(*connection, path)) return false;
    DbValue bytes;
    bytes.type = DbValue::Type::Blob;
    bytes.text = record;
    const DbValue values[] = {bytes};
    const bool filled =
        connection->begin() == 0 &&
        executeStatement(
            *connection,
            "INSERT INTO \"DeviceHistory\" (\"JobNumber\", \"CtnNumber\", \"DevStatus\", \"Version\", "
            "\"ChangedAt\", \"UserName\", \"Action\", \"Record\") " +
                numbersBelow(kHistoryDevices) +
                ", v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < " +
                std::to_string(kVersionsPerDevice) + ") SELECT " + kFilledJob + ", " + kFilledCtn +
                ", 'Working', k, '2026-12-01T08:00:00Z', 'bench', 'save', " +
                (isServerUri(path) ? "CAST(? AS BYTEA)" : "?") + " FROM n CROSS JOIN v",
            values) == 0 &&
        connection->commit() == 0;
    if (!filled) std::fprintf(stderr, "history: %s\n", connection->lastError().description.c_str());
    executeStatement(*connection, isServerUri(path) ? "VACUUM ANALYZE" : "ANALYZE");
    return filled;
}

// The bytes the history table takes on disk, with its index: the server says;
// for the file, what it grew by.
double historyBytes(const std::string& path, double fileSizeBefore) {
    if (!isServerUri(path)) return static_cast<double>(std::filesystem::file_size(path)) - fileSizeBefore;
    EngineError error;
    auto connection = databaseEngine().open(path, error);
    double bytes = 0;
    if (connection) {
        forEachRow(*connection, "SELECT pg_total_relation_size('\"DeviceHistory\"')",
                   std::span<const DbValue>(), [&](const DbStatement& row) {
                       bytes = static_cast<double>(row.column(0).integer);
                       return 0;
                   });
    }
    return bytes;
}

// One database of each engine and size, made and filled once for the whole run.
struct Store {
    std::unique_ptr<orv::test::PgCluster> cluster;
    std::unique_ptr<orv::test::TempDir> folder;
    std::string path;
    MessageLog log;
    AlwaysYes yes;
    ParameterRecord record;
    std::unique_ptr<ParameterDb> db;
    std::string failure;
    double bytesPerVersion = 0;
};

// history: the 10,000 devices with their versions, else the 100,000 devices.
Store& store(bool server, bool history = false) {
    static Store stores[4];
    Store& s = stores[(server ? 1 : 0) + (history ? 2 : 0)];
    if (s.db || !s.failure.empty()) return s;
    if (server) {
        s.cluster = orv::test::PgCluster::startInTemp(s.failure, false);
        if (!s.cluster) {
            s.failure = std::string(orv::test::kPostgresSkipHelp) + " (" + s.failure + ")";
            return s;
        }
        s.path = s.cluster->baseUri() + "/postgres";
    } else {
        s.folder = std::make_unique<orv::test::TempDir>();
        s.path = s.folder->file("Orv3.mdb");
    }
    restoreBuiltinDefinitions();
    resetRecord(s.record);
    s.log.presenter = &s.yes;
    s.db = std::make_unique<ParameterDb>(s.log, s.record);
    s.db->pause = nullptr;
    if (s.db->openDatabase(s.path, true) != DbResult::Ok ||
        (s.db->closeDatabase(), !fillDevices(s.path, history ? kHistoryDevices : kStoredDevices))) {
        s.failure = "could not make the database";
        s.db.reset();
        return s;
    }
    if (history) {
        const double before = server ? 0 : static_cast<double>(std::filesystem::file_size(s.path));
        ParameterRecord device = s.record;
        device.text(StringRow::JobNumber) = filledJob(0);
        device.text(StringRow::CtnNumber) = filledCtn(0);
        device.text(StringRow::DevStatus) = kStatusWorking;
        device.text(StringRow::Customer) = "Customer 0";
        if (!fillHistory(s.path, encodeStoredRecord(device))) {
            s.failure = "could not fill the history";
            s.db.reset();
            return s;
        }
        s.bytesPerVersion = historyBytes(s.path, before) / (kHistoryDevices * kVersionsPerDevice);
    }
    static_cast<void>(s.db->openDatabase(s.path, false));  // the first open's schema check is not measured
    s.db->closeDatabase();
    return s;
}

// A filled list counts as a success when everything was read.
DbResult filled(int result) {
    return result == 0 ? DbResult::Ok : DbResult::Failed;
}

template <typename Work>
void measure(benchmark::State& state, Work&& work, bool history = false) {
    Store& s = store(state.range(0) != 0, history);
    if (!s.db) {
        state.SkipWithError(s.failure.c_str());
        return;
    }
    for (auto _ : state) {
        if (work(*s.db) != DbResult::Ok) {
            state.SkipWithError("the operation failed");
            break;
        }
    }
}

void BM_SaveAndReadOneDevice(benchmark::State& state) {
    int n = 0;
    measure(state, [&](ParameterDb& db) {
        const std::string ctn = "B" + std::to_string(n++);
        if (db.saveDevice("Bench", ctn, "Working") != DbResult::Ok) return DbResult::Failed;
        return db.readDevice("Bench", ctn, "Working", ReadMode::Load);
    });
}

// A device with 50 versions saved again (its 51st, 52nd, ... version) and read.
void BM_SaveAndReadOneDeviceWithHistory(benchmark::State& state) {
    int n = 0;
    measure(
        state,
        [&](ParameterDb& db) {
            const int device = (n++ * 7919) % kHistoryDevices;
            if (db.saveDevice(filledJob(device), filledCtn(device), "Working") != DbResult::Ok)
                return DbResult::Failed;
            return db.readDevice(filledJob(device), filledCtn(device), "Working", ReadMode::Load);
        },
        true);
    state.counters["bytes_per_version"] = store(state.range(0) != 0, true).bytesPerVersion;
}

void BM_JobAndCtnLists(benchmark::State& state) {
    VectorChoiceList jobs, ctns;
    measure(state, [&](ParameterDb& db) {
        return filled(fillJobAndCtnLists(db.jobAndCtnNumbers("04-1201"), "", jobs, ctns));
    });
    state.counters["jobs"] = jobs.count();
}

void BM_CtnLookup(benchmark::State& state) {
    VectorChoiceList list;
    measure(state, [&](ParameterDb& db) { return filled(fillList(list, db.lookupCtns())); });
    state.counters["ctns"] = list.count();
}

void BM_CtnOfCtnLookup(benchmark::State& state) {
    VectorChoiceList list;
    measure(state, [&](ParameterDb& db) { return filled(fillList(list, db.lookupJobsOfCtn("CTN150000"))); });
}

void BM_PttIdLookup(benchmark::State& state) {
    VectorChoiceList list;
    measure(state, [&](ParameterDb& db) { return filled(fillList(list, db.lookupPttIds())); });
    state.counters["ids"] = list.count();
}

void BM_CtnsOfPttIdLookup(benchmark::State& state) {
    VectorChoiceList list;
    measure(state, [&](ParameterDb& db) { return filled(fillList(list, db.lookupCtnsOfPttId("60000"))); });
}

// Argument: 0 the file engine, 1 the server.
#define ENGINES(bench) BENCHMARK(bench)->ArgName("server")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
ENGINES(BM_SaveAndReadOneDevice);
ENGINES(BM_SaveAndReadOneDeviceWithHistory);
ENGINES(BM_JobAndCtnLists);
ENGINES(BM_CtnLookup);
ENGINES(BM_CtnOfCtnLookup);
ENGINES(BM_PttIdLookup);
ENGINES(BM_CtnsOfPttIdLookup);

}  // namespace

BENCHMARK_MAIN();
