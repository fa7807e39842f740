// The parameter database on both engines side by side, over 100,000 stored
// devices: saving and reading one device (with the connect and disconnect of
// every operation), and the Job/CTN lists and the CTN and PTT ID lookups.
// The server is a throw-away cluster of this run on the loopback, with the
// server's default durability (fsync on).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/message_log.h"
#include "db/database_uri.h"
#include "db/engine.h"
#include "db/parameter_db.h"
#include "model/choice_list.h"
#include "model/record.h"
#include "pg_cluster.h"
#include "temp_dir.h"

namespace {

using namespace orv;

constexpr int kStoredDevices = 100000;

class AlwaysYes : public MessagePresenter {
public:
    int present(BoxKind kind, const std::string&, const std::string&) override {
        return kind == BoxKind::Choice || kind == BoxKind::YesNoCancel ? kAnswerYes : kAnswerOk;
    }
};

// 100,000 devices in 5,000 Jobs of 20 CTNs each, with twelve season rows each,
// written by the engine in one statement per table (the program's own save
// would take a long while for this many).
bool fillDevices(const std::string& path) {
    EngineError error;
    auto connection = databaseEngine().open(path, error);
    if (!connection) return false;
    const std::string numbers = "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                                std::to_string(kStoredDevices - 1) + ") ";
    const std::string job =
        "'0' || CAST(1 + (i / 20) % 9 AS VARCHAR(4)) || '-' || CAST(1000 + i / 20 AS VARCHAR(8))";
    const std::string ctn = "'CTN' || CAST(100000 + i AS VARCHAR(8))";
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

// One database of each engine, made and filled once for the whole run.
struct Store {
    std::unique_ptr<orv::test::PgCluster> cluster;
    std::unique_ptr<orv::test::TempDir> folder;
    std::string path;
    MessageLog log;
    AlwaysYes yes;
    ParameterRecord record;
    std::unique_ptr<ParameterDb> db;
    std::string failure;
};

Store& store(bool server) {
    static Store stores[2];
    Store& s = stores[server ? 1 : 0];
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
    if (s.db->openDatabase(s.path, true) != DbResult::Ok || (s.db->closeDatabase(), !fillDevices(s.path))) {
        s.failure = "could not make the database";
        s.db.reset();
        return s;
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
void measure(benchmark::State& state, Work&& work) {
    Store& s = store(state.range(0) != 0);
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
        return db.readDevice("Bench", ctn, "Working", kReadDevice);
    });
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
ENGINES(BM_JobAndCtnLists);
ENGINES(BM_CtnLookup);
ENGINES(BM_CtnOfCtnLookup);
ENGINES(BM_PttIdLookup);
ENGINES(BM_CtnsOfPttIdLookup);

}  // namespace

BENCHMARK_MAIN();
