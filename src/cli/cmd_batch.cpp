// orvctl batch --manifest FILE.csv --user NAME: a production line programs a
// whole job at once. Each collar of the manifest is read from the parameter
// database and goes through the whole Write Device sequence on its own port,
// one worker per port, all at the same time: the firmware check, connect,
// erase, write, readback and compare, the save as "Programmed" by the user and
// the archive files. A failure on one port touches no other; Ctrl-C aborts all.

#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "app/replace_file.h"
#include "app/startup.h"
#include "cli.h"
#include "cli_messages.h"
#include "db/parameter_db.h"
#include "device/device_operations.h"
#include "device/serial_port.h"
#include "device/tracing_line.h"
#include "image/firmware_selection.h"
#include "login.h"
#include "trace_option.h"
#include "workflow/batch_manifest.h"
#include "workflow/batch_progress.h"
#include "workflow/workflow_messages.h"
#include "workflow/write_completion.h"
#include "write_consent.h"

namespace orv::cli {
namespace {

std::atomic<bool> abortAll{false};
std::mutex databaseMutex;  // one save or read at a time on the database

void onInterrupt(int) {
    abortAll = true;
}

// A port's boxes as lines "PORT: Error: ...". Questions take --yes/--no, else No.
class PortPresenter : public MessagePresenter {
public:
    PortPresenter(std::string port, int answer, BatchProgressBoard& board)
        : port(std::move(port)), answer(answer), board(board) {}
    int present(BoxKind kind, const std::string&, const std::string& text) override {
        static const char* const kPrefix[] = {"Error", "Warning", "Information", "Question", "Question"};
        board.message(port + ": " + kPrefix[static_cast<int>(kind)] + ": " + text);
        if (kind != BoxKind::Choice && kind != BoxKind::YesNoCancel) return kAnswerOk;
        return answer != 0 ? answer : kAnswerNo;
    }

private:
    std::string port;
    int answer;
    BatchProgressBoard& board;
};

// A port's progress window: its phase (the legend) and bar on the board.
class PortProgress : public ProgressSink {
public:
    PortProgress(std::size_t index, BatchProgressBoard& board, int wakeSeconds)
        : index(index), board(board), wakeLimit(wakeSeconds) {}
    // The phase is the legend, or the caption while the legend is empty.
    void setCaption(const std::string& text) override {
        caption = text;
        board.update(index, phase(), position);
    }
    void setLegend(const std::string& text) override {
        legend = text;
        const bool magnet =
            text.rfind("Put the magnet", 0) == 0 || text == "Waiting for the target response.";
        if (!magnet) {
            wakeStart = {};
        } else if (wakeStart == std::chrono::steady_clock::time_point{}) {
            wakeStart = std::chrono::steady_clock::now();
        }
        board.update(index, phase(), position);
    }
    void setPosition(int percent) override {
        position = percent;
        board.update(index, phase(), position);
    }
    bool aborted() override {
        if (abortAll) return true;
        return wakeStart != std::chrono::steady_clock::time_point{} &&
               std::chrono::steady_clock::now() - wakeStart > std::chrono::seconds(wakeLimit);
    }

private:
    const std::string& phase() const { return legend.empty() ? caption : legend; }

    std::size_t index;
    BatchProgressBoard& board;
    int wakeLimit;
    std::string caption;
    std::string legend;
    int position = 0;
    std::chrono::steady_clock::time_point wakeStart{};
};

struct Outcome {
    std::string result = "failed";
    double seconds = 0;
};

// The whole Write Device sequence for one collar on its port.
struct BatchRun {
    const ParameterRecord& base;
    std::string dbPath;
    std::string settingsFile;
    int answer;
    int wakeSeconds;
    BatchProgressBoard& board;
    std::shared_ptr<SerialTrace> trace;  // one file for every port; nullptr: no trace
};

Outcome programCollar(const BatchRun& run, const BatchEntry& entry, std::size_t index, bool rootIdFlag) {
    const auto start = std::chrono::steady_clock::now();
    Outcome outcome;
    const std::string& dbPath = run.dbPath;
    PortPresenter presenter(entry.port, run.answer, run.board);
    MessageLog log(&presenter);
    ParameterRecord record = run.base;
    {
        std::lock_guard lock(databaseMutex);
        ParameterDb db(log, record);
        db.setCurrentPath(dbPath);
        if (db.readDevice(entry.job, entry.ctn, entry.status, kReadDevice) != DbResult::Ok) return outcome;
    }
    SerialPort serial;
    serial.setDevicePath(0, entry.port);
    // Each line of the trace names its port.
    TracingLine traced(serial, run.trace);
    TargetLink link(traced, log);
    link.settings = ComSettings{};
    link.settings.portSlot = 0;
    link.settings.comTimeoutSeconds = run.wakeSeconds;
    RecordFirmwareSelection selection(record);
    DeviceContext context{link, record, selection, rootIdFlag};
    PortProgress progress(index, run.board, run.wakeSeconds);
    const DeviceResult rc = programConfiguration(context, progress);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (rc != DeviceResult::Ok) {
        outcome.result = abortAll ? "aborted" : "failed";
        return outcome;
    }
    int saved;
    {
        std::lock_guard lock(databaseMutex);
        ParameterDb db(log, record);
        db.setCurrentPath(dbPath);
        saved = saveProgrammed(record, db, entry.job, entry.ctn, std::time(nullptr));
    }
    const int archived = archiveProgrammed(record, run.settingsFile, link.memoryImage, log);
    outcome.result = saved == 0 && archived == 0 ? "programmed" : "not saved";
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

// The columns of the terminal on stderr; 80 when it does not say.
int terminalColumns() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

bool isCharacterDevice(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

int runBatch(Session& session, const Args& args) {
    const std::string manifestPath = args.value("manifest").value_or("");
    if (manifestPath.empty()) return usageError(clitext::kBatchNeedsManifest);
    if (!args.has("user")) return usageError(clitext::kBatchNeedsUser);
    const std::string dbPath =
        args.value("db").value_or(readAppSettings(session.settingsFile).parameterDbPath);
    int wakeSeconds = 90;
    if (const auto timeout = args.value("timeout")) {
        wakeSeconds = std::atoi(timeout->c_str());
        if (wakeSeconds <= 0) return usageError(clitext::kBatchTimeoutNotPositive);
    }
    std::string text;
    if (!readWholeFile(manifestPath, text) || text.empty()) {
        reportFailure(clitext::manifestUnreadable(manifestPath));
        return kExitFailed;
    }
    BatchManifest manifest;
    std::vector<std::string> problems;
    if (!parseBatchManifest(text, manifest, problems)) {
        for (const std::string& problem : problems)
            reportFailure(clitext::manifestProblem(manifestPath, problem));
        return kExitUsage;
    }
    const std::vector<BatchEntry>& entries = manifest.entries;
    // One collar a port in this version.
    for (const BatchEntry& entry : entries) {
        if (entry.wave == 0) continue;
        const auto first = std::find_if(entries.begin(), entries.end(),
                                        [&](const BatchEntry& other) { return other.port == entry.port; });
        reportFailure(clitext::manifestLineProblem(
            manifestPath, entry.line,
            "port " + entry.port + " is already used on line " + std::to_string(first->line)));
        return kExitUsage;
    }
    if (int rc = logIn(session, args); rc != kExitOk) return rc;
    session.record.text(StringRow::UserName) = session.userName;
    // Every collar's port, stored configuration and Write Device confirmations
    // before any collar is touched.
    std::vector<char> rootIdFlags(entries.size(), 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BatchEntry& entry = entries[i];
        ParameterRecord scratch = session.record;
        ParameterDb db(session.log, scratch);
        db.setCurrentPath(dbPath);
        std::string problem;
        if (!isCharacterDevice(entry.port)) {
            problem = clitext::portNotSerial(entry.port);
        } else if (db.readDevice(entry.job, entry.ctn, entry.status, kReadDevice) != DbResult::Ok) {
            problem = clitext::deviceNotStored(entry.job, entry.ctn, entry.status, dbPath);
        }
        if (!problem.empty()) {
            reportFailure(clitext::manifestLineProblem(manifestPath, entry.line, problem));
            return kExitFailed;
        }
        bool rootIdFlag = false;
        if (confirmWrite(session, scratch, args, manifestPath + ": line " + std::to_string(entry.line),
                         rootIdFlag) != kExitOk)
            return kExitFailed;
        rootIdFlags[i] = rootIdFlag ? 1 : 0;
    }

    int traceStatus = kExitOk;
    const std::shared_ptr<SerialTrace> trace = openTraceOption(args, traceStatus);
    if (traceStatus != kExitOk) return traceStatus;

    abortAll = false;
    struct sigaction action {
    }, previous{};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous);
    const int answer = session.presenter.forcedAnswer;
    std::vector<BatchPortState> ports;
    for (const BatchEntry& entry : entries) ports.push_back({entry.port, entry.ctn, "waiting", 0});
    BatchProgressBoard board(std::move(ports), isatty(STDERR_FILENO) == 1, terminalColumns(),
                             [](const std::string& text) {
                                 std::fputs(text.c_str(), stderr);
                                 std::fflush(stderr);
                             });
    const BatchRun run{session.record, dbPath, session.settingsFile, answer, wakeSeconds, board, trace};
    std::vector<Outcome> outcomes(entries.size());
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        workers.emplace_back(
            [&, i] { outcomes[i] = programCollar(run, entries[i], i, rootIdFlags[i] != 0); });
    }
    for (auto& worker : workers) worker.join();
    sigaction(SIGINT, &previous, nullptr);
    reportTraceFailure(trace.get(), session.log);

    bool allProgrammed = true;
    std::printf("%-24s %-12s %-12s %-11s %8s\n", "port", "job", "ctn", "result", "time (s)");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::printf("%-24s %-12s %-12s %-11s %8.1f\n", entries[i].port.c_str(), entries[i].job.c_str(),
                    entries[i].ctn.c_str(), outcomes[i].result.c_str(), outcomes[i].seconds);
        allProgrammed = allProgrammed && outcomes[i].result == "programmed";
    }
    if (allProgrammed) session.log.warning("%s", wftext::kRestartWarning);
    return allProgrammed ? kExitOk : kExitFailed;
}

}  // namespace

ORV_CLI_COMMAND("batch", runBatch, {"manifest", "timeout", "allow-zero-ptt-id", "trace"},
                {"allow-zero-ptt-id"});

}  // namespace orv::cli
