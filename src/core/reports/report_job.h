#pragma once

// A report on its way out: what the Print dialog or the main window chose, and
// the report thread that produces it, one at a time.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "model/record.h"
#include "reports/save_report.h"
#include "sim/simulation_chart.h"

namespace orv {

class MessageLog;
struct Budget;

enum ReportKind : int {
    ProgrammingReport = 0,  // the software programming report
    SimulationReport = 2,   // the schedule simulation report
};

// The pseudo devices: the programming report's text to a file, or either
// report's printed page to a PDF file.
inline constexpr const char* kPrintToFileDevice = "_PRINT_TO_FILE_";
inline constexpr const char* kPrintToPdfDevice = "_PRINT_TO_PDF_";

// What the simulation report draws: the chart's view and both channels' events,
// taken when the report is asked for, so the page shows what the screen showed
// and the window may go on changing its own chart meanwhile.
struct SimulationSnapshot {
    SimulationChart chart{0};
    std::vector<std::uint32_t> fixes;
    std::vector<std::uint32_t> transmissions;
    bool gpsEnabled = false;
    bool transmitterEnabled = false;
    // Lines printed under the charts (the battery and event budget of the run).
    std::vector<std::string> notes;
    // A table printed under the notes (the budget's per-season ledger): a heading row, then the rows.
    std::vector<std::vector<std::string>> table;
    // The budget whose battery line the charts show, as the window's "Show on
    // chart" switch has it; nullptr: no line.
    std::shared_ptr<const Budget> battery;
};

// The snapshot of a finished run: the chart's view and the record's channel switches.
SimulationSnapshot simulationSnapshot(const ParameterRecord& record, const SimulationChart& chart,
                                      std::vector<std::uint32_t> fixes,
                                      std::vector<std::uint32_t> transmissions);

// The budget's lines and its per-season ledger under the snapshot's charts.
void addBudgetNotes(SimulationSnapshot& snapshot, const Budget& budget);

struct ReportJob {
    std::string device;      // a print queue, kPrintToFileDevice or kPrintToPdfDevice
    std::string port;        // the queue's port (its device URI)
    std::string outputFile;  // for the file devices; "" asks with a Save As dialog
    std::string title;       // the programming report's title suffix
    ReportKind kind = ProgrammingReport;
    // The record as it was when the report was asked for: the report thread
    // reads its own copy while the window goes on editing the record.
    ParameterRecord record;
    std::shared_ptr<const SimulationSnapshot> simulation;  // for the simulation report
};

// Where a printed page goes: the page code behind it (Qt) draws the report and
// sends it to the queue or writes the PDF. Called on the report thread.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // 0 on success; otherwise the failure was shown through the log.
    virtual int print(const ReportJob& job) = 0;
};

// The report thread's work: the programming report's text to a file (asking for
// a name when the job has none; Cancel writes nothing), or a printed page
// through the printer. 0 on success, kReportNotSaved when nothing was asked
// for, else a failure that was shown.
int runReportJob(const ReportJob& job, ReportPrinter& printer, MessageLog& log,
                 const ReportFileChooser& chooseFile);

// The one report thread. A new report waits for the running one to end (in
// steps of 100 ms, calling idle between them so the window stays live), so two
// reports never run at once.
class ReportThread {
public:
    using Work = std::function<void()>;
    ~ReportThread();

    bool running() const { return busy.load(); }
    // Waits for a running report; idle runs between the 100 ms steps.
    void waitIdle(const std::function<void()>& idle = {});
    // Waits for a running report, then starts work on the report thread.
    void start(Work work, const std::function<void()>& idle = {});

    static constexpr std::chrono::milliseconds kPollStep{100};

private:
    std::thread thread;
    std::atomic<bool> busy{false};
};

}  // namespace orv
