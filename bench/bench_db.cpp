// The parameter database on a real file: saving and reading one device (13
// statements each way, with the open and close of every operation), and the
// Job/CTN lists and the CTN lookup over a file of 10,000 devices.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/message_log.h"
#include "db/parameter_db.h"
#include "model/choice_list.h"
#include "model/record.h"

namespace {

using namespace orv;

constexpr int kStoredDevices = 10000;

// In the temporary folder, or in memory (tmpfs), where a commit costs no disk
// sync: the difference between the two is the sync latency of the disk.
class ScratchFolder {
public:
    explicit ScratchFolder(bool inMemory = false) {
        const std::filesystem::path root = inMemory && std::filesystem::is_directory("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (root / "orv-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        dir = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string file(const std::string& name) const { return (dir / name).string(); }

private:
    std::filesystem::path dir;
};

struct BenchDatabase {
    explicit BenchDatabase(const std::string& path) {
        restoreBuiltinDefinitions();
        resetRecord(record);
        db.pause = nullptr;
        db.setCurrentPath(path);
    }
    MessageLog log;  // no presenter: every question is answered No, notices are not shown
    ParameterRecord record;
    ParameterDb db{log, record};
};

// A new file holding the Default device.
void createFile(BenchDatabase& bench, const std::string& path) {
    if (bench.db.createDatabase(path) != DbResult::Ok) std::abort();
}

// 10,000 devices in 500 Jobs of 20 CTNs each, written straight into the file in one
// transaction (the program's own save would take minutes for this many).
void fillDevices(const std::string& path) {
    sqlite3* raw = nullptr;
    if (sqlite3_open(path.c_str(), &raw) != SQLITE_OK) std::abort();
    sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* general = nullptr;
    sqlite3_prepare_v2(raw,
                       "INSERT INTO GenParmsTbl (JobNumber, CtnNumber, DevStatus, Customer, PttIdCode) "
                       "VALUES (?, ?, 'Working', ?, ?)",
                       -1, &general, nullptr);
    sqlite3_stmt* season = nullptr;
    sqlite3_prepare_v2(
        raw,
        "INSERT INTO SeasParmsTbl (JobNumber, CtnNumber, DevStatus, SeasonNum) VALUES (?, ?, 'Working', ?)",
        -1, &season, nullptr);
    for (int i = 0; i < kStoredDevices; ++i) {
        const int jobIndex = i / 20;
        const std::string job =
            "0" + std::to_string(1 + jobIndex % 9) + "-" + std::to_string(1000 + jobIndex);
        const std::string ctn = "CTN" + std::to_string(100000 + i);
        const std::string customer = "Customer " + std::to_string(i % 37);
        sqlite3_bind_text(general, 1, job.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(general, 2, ctn.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(general, 3, customer.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(general, 4, 10000 + i);
        sqlite3_step(general);
        sqlite3_reset(general);
        for (int s = 0; s < kSeasons; ++s) {
            sqlite3_bind_text(season, 1, job.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(season, 2, ctn.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(season, 3, s);
            sqlite3_step(season);
            sqlite3_reset(season);
        }
    }
    sqlite3_finalize(general);
    sqlite3_finalize(season);
    sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
}

// Save then read one device, as the window's Save and Read buttons do: the
// overwrite is answered Yes through a presenter that says Yes to everything.
class AlwaysYes : public MessagePresenter {
public:
    int present(BoxKind kind, const std::string&, const std::string&) override {
        return kind == BoxKind::Choice || kind == BoxKind::YesNoCancel ? kAnswerYes : kAnswerOk;
    }
};

void BM_SaveAndReadOneDevice(benchmark::State& state) {
    ScratchFolder folder(state.range(1) != 0);
    const std::string path = folder.file("Orv3.mdb");
    BenchDatabase bench(path);
    AlwaysYes yes;
    bench.log.presenter = &yes;
    createFile(bench, path);
    if (state.range(0) != 0) fillDevices(path);
    static_cast<void>(
        bench.db.openDatabase(path, false));  // the schema check of the first open is not part of the measure
    bench.db.closeDatabase();
    int n = 0;
    for (auto _ : state) {
        // A new key each time: a plain save, without the overwrite question.
        const std::string ctn = "B" + std::to_string(n++);
        if (bench.db.saveDevice("Bench", ctn, "Working") != DbResult::Ok) state.SkipWithError("save failed");
        if (bench.db.readDevice("Bench", ctn, "Working", ReadMode::Load) != DbResult::Ok)
            state.SkipWithError("read failed");
    }
}
BENCHMARK(BM_SaveAndReadOneDevice)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"filled", "tmpfs"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SaveOneDevice(benchmark::State& state) {
    ScratchFolder folder;
    const std::string path = folder.file("Orv3.mdb");
    BenchDatabase bench(path);
    createFile(bench, path);
    static_cast<void>(bench.db.openDatabase(path, false));
    bench.db.closeDatabase();
    int n = 0;
    for (auto _ : state) {
        if (bench.db.saveDevice("Bench", "S" + std::to_string(n++), "Working") != DbResult::Ok)
            state.SkipWithError("failed");
    }
}
BENCHMARK(BM_SaveOneDevice)->Unit(benchmark::kMillisecond);

void BM_ReadOneDevice(benchmark::State& state) {
    ScratchFolder folder;
    const std::string path = folder.file("Orv3.mdb");
    BenchDatabase bench(path);
    createFile(bench, path);
    static_cast<void>(bench.db.openDatabase(path, false));
    bench.db.closeDatabase();
    for (auto _ : state) {
        if (bench.db.readDevice("Default", "Default", "Working", ReadMode::Load) != DbResult::Ok)
            state.SkipWithError("failed");
    }
}
BENCHMARK(BM_ReadOneDevice)->Unit(benchmark::kMillisecond);

class FilledFile : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        if (bench) return;
        folder = std::make_unique<ScratchFolder>();
        const std::string path = folder->file("Orv3.mdb");
        bench = std::make_unique<BenchDatabase>(path);
        createFile(*bench, path);
        fillDevices(path);
        static_cast<void>(bench->db.openDatabase(path, false));
        bench->db.closeDatabase();
    }
    static std::unique_ptr<ScratchFolder> folder;
    static std::unique_ptr<BenchDatabase> bench;
};
std::unique_ptr<ScratchFolder> FilledFile::folder;
std::unique_ptr<BenchDatabase> FilledFile::bench;

BENCHMARK_DEFINE_F(FilledFile, FillJobAndCtnLists)(benchmark::State& state) {
    VectorChoiceList jobs;
    VectorChoiceList ctns;
    for (auto _ : state) {
        if (fillJobAndCtnLists(bench->db.jobAndCtnNumbers("04-1201"), "", jobs, ctns) != 0)
            state.SkipWithError("failed");
    }
    state.counters["jobs"] = jobs.count();
    state.counters["ctns"] = ctns.count();
}
BENCHMARK_REGISTER_F(FilledFile, FillJobAndCtnLists)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FilledFile, CtnLookup)(benchmark::State& state) {
    VectorChoiceList ctns;
    for (auto _ : state) {
        if (fillList(ctns, bench->db.lookupCtns()) != 0) state.SkipWithError("failed");
    }
    state.counters["ctns"] = ctns.count();
}
BENCHMARK_REGISTER_F(FilledFile, CtnLookup)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FilledFile, PttIdLookup)(benchmark::State& state) {
    VectorChoiceList ids;
    for (auto _ : state) {
        if (fillList(ids, bench->db.lookupPttIds()) != 0) state.SkipWithError("failed");
    }
    state.counters["ids"] = ids.count();
}
BENCHMARK_REGISTER_F(FilledFile, PttIdLookup)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
