// orvctl batch against emulated collars at 9600 baud: one collar, then four at
// once. Each port has a worker of its own, so four take about the time of one.
// The second argument 1 writes the serial trace of every port (--trace), to
// show what the trace costs.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"

namespace {

using namespace orv::test;

void programCollars(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TempDir folder;
    const std::string dir = folder.path().string();
    for (int i = 1; i <= count; ++i) {
        runOrvctl({"db", "save", "--db", "Orv3.mdb", "--job", "B1", "--ctn", "C" + std::to_string(i),
                   "--firmware", "N4 040816", "--yes"},
                  dir);
    }
    std::vector<std::string> args{"batch", "--manifest", "job.csv", "--db", "Orv3.mdb", "--yes"};
    if (state.range(1) != 0) args.insert(args.end(), {"--trace", "batch.trace"});
    for (const auto& option : engineerLogin(dir)) args.push_back(option);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::unique_ptr<orv::emu::CollarEmulator>> collars;
        std::string manifest = "port,job,ctn\n";
        for (int i = 1; i <= count; ++i) {
            orv::emu::CollarOptions options;
            options.baudRate = 9600;
            collars.push_back(std::make_unique<orv::emu::CollarEmulator>(options));
            collars.back()->start();
            manifest += collars.back()->devicePath() + ",B1,C" + std::to_string(i) + "\n";
        }
        folder.write("job.csv", manifest);
        state.ResumeTiming();
        const auto result = runOrvctl(args, dir);
        if (result.status != 0) state.SkipWithError(("batch failed: " + result.err).c_str());
    }
}
BENCHMARK(programCollars)
    ->ArgNames({"collars", "trace"})
    ->ArgsProduct({{1, 4}, {0, 1}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
