// Whole-process time of `orvctl show --json`: in an empty folder (the first run
// writes the "Parameters" entries) and with a full Orv3.cfg already there.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

int runOrvctl(const fs::path& folder) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        const std::string program = std::string(ORV_BIN_DIR) + "/orvctl";
        execl(program.c_str(), program.c_str(), "show", "--json", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

fs::path freshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void BM_ShowJsonEmptyFolder(benchmark::State& state) {
    const fs::path folder = freshFolder("orv-bench-empty");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(folder / "Orv3.cfg");
        state.ResumeTiming();
        if (runOrvctl(folder) != 0) state.SkipWithError("orvctl failed");
    }
    fs::remove_all(folder);
}

void BM_ShowJsonFullSettings(benchmark::State& state) {
    const fs::path folder = freshFolder("orv-bench-full");
    runOrvctl(folder);  // writes the full "Parameters" section
    for (auto _ : state) {
        if (runOrvctl(folder) != 0) state.SkipWithError("orvctl failed");
    }
    fs::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_ShowJsonEmptyFolder)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ShowJsonFullSettings)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
