// Start-up work that opens no window: the record reset alone, and the settings
// overrides plus the reset, on a first run (no Orv3.cfg: all 166 entries are
// written) and on a later run (a full Orv3.cfg that is only read).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/message_log.h"
#include "model/definitions.h"
#include "model/overrides.h"
#include "model/record.h"

namespace {

class ScratchDir {
public:
    ScratchDir() {
        char pattern[] = "/tmp/orv-bench-startup-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            std::abort();
        }
        dir = pattern;
    }
    ~ScratchDir() {
        std::remove(file().c_str());
        ::rmdir(dir.c_str());
    }
    std::string file() const { return dir + "/Orv3.cfg"; }

private:
    std::string dir;
};

void startUp(const std::string& cfg, orv::ParameterRecord& record) {
    orv::restoreBuiltinDefinitions();
    orv::MessageLog log;
    orv::loadSettingsOverrides(cfg, log);
    orv::resetRecord(record);
}

void BM_ResetRecord(benchmark::State& state) {
    orv::ParameterRecord record;
    for (auto _ : state) {
        orv::resetRecord(record);
        benchmark::DoNotOptimize(record.generalValues.data());
    }
}
BENCHMARK(BM_ResetRecord)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_OverridesAndReset_NoSettingsFile(benchmark::State& state) {
    const ScratchDir dir;
    orv::ParameterRecord record;
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(dir.file().c_str());
        state.ResumeTiming();
        startUp(dir.file(), record);
    }
}
BENCHMARK(BM_OverridesAndReset_NoSettingsFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_OverridesAndReset_FullSettingsFile(benchmark::State& state) {
    const ScratchDir dir;
    orv::ParameterRecord record;
    startUp(dir.file(), record);  // the first run fills the file
    for (auto _ : state) {
        startUp(dir.file(), record);
    }
}
BENCHMARK(BM_OverridesAndReset_FullSettingsFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
