#include "reports/report_job.h"

#include "reports/spr_text.h"
#include "sim/budget.h"
#include "sim/sim_messages.h"

namespace orv {

SimulationSnapshot simulationSnapshot(const ParameterRecord& record, const SimulationChart& chart,
                                      std::vector<std::uint32_t> fixes,
                                      std::vector<std::uint32_t> transmissions) {
    SimulationSnapshot snapshot;
    snapshot.chart = chart;
    snapshot.fixes = std::move(fixes);
    snapshot.transmissions = std::move(transmissions);
    snapshot.gpsEnabled = record.general(GeneralRow::GpsFixingEnabled) != 0.0;
    snapshot.transmitterEnabled = record.general(GeneralRow::XmitnsEnabled) != 0.0;
    return snapshot;
}

void addBudgetNotes(SimulationSnapshot& snapshot, const Budget& budget) {
    snapshot.notes = budgetLines(budget);
    snapshot.table.clear();
    if (budget.perSeason.empty()) return;
    snapshot.notes.push_back(kBudgetLedgerHeading);
    snapshot.table = budgetLedger(budget);
}

int runReportJob(const ReportJob& job, ReportPrinter& printer, MessageLog& log,
                 const ReportFileChooser& chooseFile) {
    if (job.kind == ProgrammingReport && job.device == kPrintToFileDevice) {
        std::string text;
        buildSprText(job.record, job.title, text);
        return saveReportText(text, job.outputFile, log, chooseFile);
    }
    return printer.print(job);
}

ReportThread::~ReportThread() {
    if (thread.joinable()) thread.join();
}

void ReportThread::waitIdle(const std::function<void()>& idle) {
    while (busy.load()) {
        if (idle) idle();
        std::this_thread::sleep_for(kPollStep);
    }
}

void ReportThread::start(Work work, const std::function<void()>& idle) {
    // idle may start a report of its own (it runs the window's events): wait
    // until the thread is free and take it in one step.
    do {
        waitIdle(idle);
    } while (busy.exchange(true));
    if (thread.joinable()) thread.join();
    thread = std::thread([this, work = std::move(work)] {
        work();
        busy = false;
    });
}

}  // namespace orv
