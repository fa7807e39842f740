// orvctl batch for a fleet from a template, against emulated collars on a
// paced line (9600 baud): one collar, then eight collars on four ports in two
// waves, the operator's Enter given as soon as it is asked for. The eight
// should take no more than 2.1 times the one: the waves' ports work at once.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "collar_emulator.h"
#include "engineer_login.h"
#include "operator_terminal.h"
#include "run_process.h"
#include "temp_dir.h"

namespace {

using namespace orv::test;

void programFleet(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const int ports = count < 4 ? count : 4;
    TempDir folder;
    const std::string dir = folder.path().string();
    runOrvctl({"export-ppf", "--firmware", "N4 040816", "-o", "template.ppf"}, dir);
    std::vector<std::string> args{"batch",      "--manifest",   "fleet.csv", "--db",        "Orv3.mdb",
                                  "--template", "template.ppf", "--results", "results.csv", "--yes"};
    for (const auto& option : engineerLogin(dir)) args.push_back(option);
    const std::string orvctl = std::string(ORV_BIN_DIR) + "/orvctl";
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::unique_ptr<orv::emu::CollarEmulator>> collars;
        for (int i = 0; i < ports; ++i) {
            orv::emu::CollarOptions options;
            options.baudRate = 9600;
            collars.push_back(std::make_unique<orv::emu::CollarEmulator>(options));
            collars.back()->start();
        }
        // Each run its own Job, so that no save overwrites an earlier one.
        std::string manifest = "port,job,ctn,PttIdCode\n";
        for (int i = 0; i < count; ++i)
            manifest += collars[i % ports]->devicePath() + ",R" + std::to_string(run) + ",C" +
                        std::to_string(i) + "," + std::to_string(3001 + i) + "\n";
        ++run;
        folder.write("fleet.csv", manifest);
        OperatorTerminal terminal;
        state.ResumeTiming();
        RunningProcess running = startOnTerminal(orvctl, args, dir, terminal);
        if (count > ports) {
            if (waitForError(running, "and press Enter", 120000)) terminal.pressEnter();
        }
        const auto result = finishProcess(running);
        if (result.status != 0) state.SkipWithError(("batch failed: " + result.err).c_str());
    }
}
BENCHMARK(programFleet)
    ->ArgName("collars")
    ->Arg(1)
    ->Arg(8)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
