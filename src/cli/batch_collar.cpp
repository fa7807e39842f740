#include "batch_collar.h"

#include <chrono>
#include <ctime>
#include <mutex>

#include "db/parameter_db.h"
#include "device/device_operations.h"
#include "device/serial_port.h"
#include "device/tracing_line.h"
#include "image/firmware_selection.h"
#include "workflow/write_sequence.h"

namespace orv::cli {

namespace {

std::mutex databaseMutex;  // one save at a time on the database

// A port's boxes as lines "PORT: Error: ...". Questions take --yes/--no, else No.
class PortPresenter : public MessagePresenter {
public:
    PortPresenter(std::string port, int answer, BatchProgressBoard& board)
        : port(std::move(port)), answer(answer), board(board) {}
    int present(BoxKind kind, const std::string&, const std::string& text) override {
        static const char* const kPrefix[] = {"Error", "Warning", "Information", "Question", "Question"};
        board.message(port + ": " + kPrefix[static_cast<int>(kind)] + ": " + text);
        if (kind == BoxKind::Error || kind == BoxKind::Warning) lastProblem = text;
        if (kind != BoxKind::Choice && kind != BoxKind::YesNoCancel) return kAnswerOk;
        return answer != 0 ? answer : kAnswerNo;
    }
    std::string lastProblem;

private:
    std::string port;
    int answer;
    BatchProgressBoard& board;
};

// A port's progress window: its phase (the legend) and bar on the board.
class PortProgress : public ProgressSink {
public:
    PortProgress(std::size_t index, BatchProgressBoard& board, int wakeSeconds, std::atomic<bool>& abortAll)
        : index(index), board(board), wakeLimit(wakeSeconds), abortAll(abortAll) {}
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
    std::atomic<bool>& abortAll;
    std::string caption;
    std::string legend;
    int position = 0;
    std::chrono::steady_clock::time_point wakeStart{};
};

}  // namespace

const char* collarResultText(CollarResult result) {
    switch (result) {
        case CollarResult::Programmed:
            return "programmed";
        case CollarResult::NotArchived:
            return "not archived";
        case CollarResult::NotSaved:
            return "not saved";
        case CollarResult::Failed:
            return "failed";
        case CollarResult::Aborted:
            return "aborted";
        case CollarResult::NotProgrammed:
            break;
    }
    return "not programmed";
}

const char* resultsFileWord(CollarResult result) {
    switch (result) {
        case CollarResult::Programmed:
        case CollarResult::NotArchived:
            return "programmed";
        case CollarResult::NotProgrammed:
            return "not programmed";
        default:
            return "failed";
    }
}

CollarOutcome programCollar(const BatchRun& run, const BatchEntry& entry, ParameterRecord record,
                            bool rootIdFlag, std::size_t boardLine, BatchProgressBoard& board) {
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    CollarOutcome outcome;
    PortPresenter presenter(entry.port, run.answer, board);
    MessageLog log(&presenter);
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
    PortProgress progress(boardLine, board, run.wakeSeconds, run.abortAll);
    // A batch asks nothing while it writes: the collar is read first for the
    // before-copy and the count of values the write changes.
    WriteView view;
    WriteOptions options;
    options.showChanges = false;
    const WriteOutcome written = runWrite(context, progress, view, options);
    if (written.differenceCount) outcome.differences = static_cast<int>(*written.differenceCount);
    WriteCompletion completion;
    completion.saveAfterProgramming = true;
    completion.job = entry.job;
    completion.ctn = entry.ctn;
    completion.settingsFile = run.settingsFile;
    completion.when = std::time(nullptr);
    completion.restartWarning = false;  // once for the whole batch
    WriteEnd end;
    {
        std::lock_guard lock(databaseMutex);
        ParameterDb db(log, record);
        db.setCurrentPath(run.dbPath);
        completion.db = &db;
        end = completeWrite(record, written, completion, view, log);
    }
    switch (end) {
        case WriteEnd::Completed:
            outcome.result = CollarResult::Programmed;
            break;
        case WriteEnd::NotProgrammed:
            outcome.result = run.abortAll ? CollarResult::Aborted : CollarResult::Failed;
            break;
        case WriteEnd::NotSaved:  // the collar holds the configuration, the database does not say so
            outcome.result = CollarResult::NotSaved;
            break;
        case WriteEnd::NotArchived:  // stored as "Programmed"; only archive files are missing
            outcome.result = CollarResult::NotArchived;
            break;
    }
    if (end != WriteEnd::Completed && !run.abortAll) outcome.message = presenter.lastProblem;
    outcome.seconds = elapsed();
    return outcome;
}

}  // namespace orv::cli
