// orvctl batch --manifest FILE.csv --user NAME: a production line programs a
// whole job at once. Every line of the manifest is checked and its
// configuration made ready before any collar is touched (batch_prepare); then
// the collars of a wave are programmed at the same time, one worker per port
// (batch_collar). A port named again on a later line waits for the next wave:
// the operator connects the next collars and presses Enter. A failure on one
// port touches no other; Ctrl-C (or a kill) aborts all. --results writes a
// line per collar as it finishes; --resume programs what a results file does
// not name as programmed.

#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <map>
#include <mutex>
#include <thread>

#include "app/format_text.h"
#include "app/replace_file.h"
#include "app/startup.h"
#include "batch_collar.h"
#include "batch_prepare.h"
#include "cli.h"
#include "cli_messages.h"
#include "config_source.h"
#include "fleet_messages.h"
#include "login.h"
#include "manifest_option.h"
#include "trace_option.h"
#include "workflow/batch_results.h"
#include "workflow/workflow_messages.h"

namespace orv::cli {
namespace {

std::atomic<bool> abortAll{false};

void onInterrupt(int) {
    abortAll = true;
}

// The columns of the terminal on stderr; 80 when it does not say.
int terminalColumns() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

std::string utcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    gmtime_r(&now, &t);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &t);
    return text;
}

std::vector<const BatchEntry*> entriesOf(const std::vector<const PreparedCollar*>& collars) {
    std::vector<const BatchEntry*> entries;
    for (const PreparedCollar* collar : collars) entries.push_back(collar->entry);
    return entries;
}

struct LineResult {
    CollarOutcome outcome;
    bool earlier = false;  // programmed by an earlier run (--resume)
};

// The results file knows three words; where the summary's word says more
// ("not archived", "not saved", "aborted") the message starts with it.
BatchResult resultOf(const BatchEntry& entry, const CollarOutcome& outcome) {
    const std::string word = resultsFileWord(outcome.result);
    std::string message = outcome.message;
    if (word != collarResultText(outcome.result))
        message = collarResultText(outcome.result) + (message.empty() ? "" : ": " + message);
    return {entry.line, entry.port,          entry.job,       entry.ctn, word,
            message,    outcome.differences, outcome.seconds, utcNow()};
}

class Batch {
public:
    Batch(Session& session, const Args& args) : session(session), args(args) {}

    int run() {
        if (int rc = readArguments(); rc != kExitOk) return rc;
        if (int rc = readManifest(); rc != kExitOk) return rc;
        if (int rc = logIn(session, args); rc != kExitOk) return rc;
        session.record.text(StringRow::UserName) = session.user.name;
        if (int rc = readResume(); rc != kExitOk) return rc;
        if (int rc = loadTemplate(); rc != kExitOk) return rc;
        BatchSource source{manifestPath, dbPath, templateSpec ? &templateRecord : nullptr, {}};
        for (const auto& [line, result] : earlier) source.done.insert(line);
        if (int rc = prepareCollars(session, args, manifest, source, prepared); rc != kExitOk) return rc;
        int traceStatus = kExitOk;
        trace = openTraceOption(args, traceStatus);
        if (traceStatus != kExitOk) return traceStatus;
        if (int rc = openResults(); rc != kExitOk) return rc;
        programWaves();
        return summary();
    }

private:
    int readArguments() {
        manifestPath = args.value("manifest").value_or("");
        if (manifestPath.empty()) return usageError(clitext::kBatchNeedsManifest);
        if (!args.has("user")) return usageError(clitext::kBatchNeedsUser);
        dbPath = args.value("db").value_or(readAppSettings(session.settingsFile).parameterDbPath);
        if (const auto timeout = args.value("timeout")) {
            wakeSeconds = std::atoi(timeout->c_str());
            if (wakeSeconds <= 0) return usageError(clitext::kBatchTimeoutNotPositive);
        }
        if (const auto source = args.value("template")) {
            std::string error;
            templateSpec = parseSourceSpec(*source, error);
            if (!templateSpec) return usageError(error);
            // The collars are the ones being programmed: none of them is a template.
            if (templateSpec->kind == SourceSpec::Kind::Device)
                return usageError(clitext::kTemplateNotDevice);
        }
        resumePath = args.value("resume").value_or("");
        resultsPath = args.value("results").value_or(resumePath);
        if (args.has("results") && resultsPath.empty()) return usageError(clitext::kResultsNeedsFile);
        return kExitOk;
    }

    // --template SOURCE: the configuration every line starts from, named as
    // 'orvctl diff' names one (a .ppf file, db:JOB,CTN,STATUS, defaults).
    int loadTemplate() {
        if (!templateSpec) return kExitOk;
        Configuration loaded;
        const int rc = loadSource(session, args, *templateSpec, session.record, loaded);
        if (rc != kExitOk) {
            if (rc != kExitUsage) reportFailure(clitext::sourceUnreadable(templateSpec->text));
            return rc;
        }
        templateRecord = loaded.record;
        return kExitOk;
    }

    int readManifest() { return readManifestFile(manifestPath, manifest); }

    // --resume FILE: the lines it names as programmed are done.
    int readResume() {
        if (resumePath.empty()) return kExitOk;
        std::string text;
        if (!readWholeFile(resumePath, text) || text.empty()) {
            reportFailure(clitext::manifestUnreadable(resumePath));
            return kExitFailed;
        }
        std::vector<std::string> problems;
        if (readProgrammedLines(text, manifest, earlier, problems)) return kExitOk;
        for (const std::string& problem : problems)
            reportFailure(clitext::resultsProblem(resumePath, problem));
        return kExitUsage;
    }

    int openResults() {
        if (resultsPath.empty()) return kExitOk;
        std::vector<BatchResult> kept;
        for (const auto& [line, result] : earlier) kept.push_back(result);
        if (results.create(resultsPath, kept)) return kExitOk;
        reportFailure(clitext::resultsNotWritten(resultsPath));
        return kExitFailed;
    }

    void record(const PreparedCollar& collar, const CollarOutcome& outcome) {
        {
            std::lock_guard guard(linesLock);
            lines[collar.entry->line].outcome = outcome;
        }
        if (results.isOpen() && !results.append(resultOf(*collar.entry, outcome))) resultsFailed = true;
    }

    void programWaves() {
        abortAll = false;
        struct sigaction action {
        }, previousInt{}, previousTerm{};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previousInt);
        sigaction(SIGTERM, &action, &previousTerm);
        for (const auto& [line, result] : earlier)
            lines[line] = {{CollarResult::Programmed, "", result.differences, result.seconds}, true};
        bool firstWave = true;
        for (int wave = 0; wave < manifest.waves; ++wave) {
            std::vector<const PreparedCollar*> waveCollars;
            for (const PreparedCollar& collar : prepared)
                if (collar.entry->wave == wave && !earlier.count(collar.entry->line))
                    waveCollars.push_back(&collar);
            if (waveCollars.empty()) continue;
            if (abortAll || (!firstWave && !nextCollarsConnected(entriesOf(waveCollars), abortAll))) {
                notProgrammedFrom(wave);
                break;
            }
            firstWave = false;
            programWave(waveCollars);
        }
        sigaction(SIGINT, &previousInt, nullptr);
        sigaction(SIGTERM, &previousTerm, nullptr);
    }

    void programWave(const std::vector<const PreparedCollar*>& wave) {
        std::vector<BatchPortState> ports;
        for (const PreparedCollar* collar : wave)
            ports.push_back({collar->entry->port, collar->entry->ctn, "waiting", 0});
        BatchProgressBoard board(std::move(ports), isatty(STDERR_FILENO) == 1, terminalColumns(),
                                 [](const std::string& text) {
                                     std::fputs(text.c_str(), stderr);
                                     std::fflush(stderr);
                                 });
        const BatchRun batchRun{
            dbPath, session.settingsFile, session.presenter.forcedAnswer, wakeSeconds, trace, abortAll};
        std::vector<std::thread> workers;
        for (std::size_t i = 0; i < wave.size(); ++i) {
            workers.emplace_back([&, i] {
                const PreparedCollar& collar = *wave[i];
                record(collar,
                       programCollar(batchRun, *collar.entry, collar.record, collar.rootIdFlag, i, board));
            });
        }
        for (auto& worker : workers) worker.join();
    }

    // The lines from this wave on stay for another run.
    void notProgrammedFrom(int wave) {
        std::size_t count = 0;
        for (const PreparedCollar& collar : prepared) {
            if (collar.entry->wave < wave || earlier.count(collar.entry->line)) continue;
            record(collar,
                   {CollarResult::NotProgrammed, abortAll ? "aborted" : "no terminal", std::nullopt, 0});
            ++count;
        }
        if (!abortAll) reportFailure(clitext::linesNotProgrammed(count));
    }

    int summary() {
        bool allProgrammed = !resultsFailed;
        std::printf("%-5s %-24s %-12s %-12s %-14s %8s %7s  %s\n", "line", "port", "job", "ctn", "result",
                    "time (s)", "changes", "message");
        for (const BatchEntry& entry : manifest.entries) {
            const LineResult& line = lines[entry.line];
            const std::string message = line.earlier ? "programmed by an earlier run" : line.outcome.message;
            // The values the write changed on the collar; "-" where it held nothing to compare.
            const auto& changes = line.outcome.differences;
            std::printf("%-5d %-24s %-12s %-12s %-14s %8.1f %7s  %s\n", entry.line, entry.port.c_str(),
                        entry.job.c_str(), entry.ctn.c_str(), collarResultText(line.outcome.result),
                        line.outcome.seconds, changes ? std::to_string(*changes).c_str() : "-",
                        message.c_str());
            allProgrammed = allProgrammed && line.outcome.result == CollarResult::Programmed;
        }
        reportTraceFailure(trace.get(), session.log);
        if (resultsFailed) reportFailure(clitext::resultsNotWritten(resultsPath));
        if (allProgrammed) session.log.warning("%s", wftext::kRestartWarning);
        return allProgrammed ? kExitOk : kExitFailed;
    }

    Session& session;
    const Args& args;
    std::string manifestPath;
    std::string dbPath;
    std::string resumePath;
    std::string resultsPath;
    int wakeSeconds = 90;
    BatchManifest manifest;
    std::map<int, BatchResult> earlier;  // by line: programmed by an earlier run
    std::optional<SourceSpec> templateSpec;
    ParameterRecord templateRecord;
    std::vector<PreparedCollar> prepared;
    std::shared_ptr<SerialTrace> trace;
    BatchResultsFile results;
    bool resultsFailed = false;
    std::map<int, LineResult> lines;  // by line
    std::mutex linesLock;
};

int runBatch(Session& session, const Args& args) {
    return Batch(session, args).run();
}

}  // namespace

ORV_CLI_COMMAND("batch", runBatch,
                {"manifest", "timeout", "allow-zero-ptt-id", "trace", "template", "results", "resume"},
                {"allow-zero-ptt-id"});

}  // namespace orv::cli
