#include "report_service.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>
#include <ctime>

#include "app/message_log.h"
#include "dialogs/print_dialog.h"
#include "gui_thread.h"
#include "image/firmware_table.h"
#include "model/record.h"
#include "sim/run_simulation.h"

namespace orv {

ReportService::ReportService(QWidget* window, MessageLog& log, ParameterRecord& record, ModalRunner& runner)
    : QObject(window), window(window), log(log), record(record), runner(runner), pages(catalog, log, [this] {
          return chooseOnGuiThread(true);
      }) {
    simulationSource = [this](bool) { return runSimulationToday(); };
}

ReportService::~ReportService() {
    waitIdle();
}

void ReportService::waitIdle() {
    // The window's events go on while waiting: a running report may need it
    // (its Save As dialog, its messages).
    thread.waitIdle([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 100); });
}

std::shared_ptr<const SimulationSnapshot> ReportService::runSimulationToday() {
    const std::int64_t now = std::time(nullptr);
    SimulationJob run;
    run.firmwareRow = findFirmware(record.text(StringRow::FenmodFwVer));
    run.startTime = simulationStartOf(now);
    runSimulation(record, run, log);
    SimulationChart chart(now);
    chart.showRunFrom(run.startTime);
    return std::make_shared<const SimulationSnapshot>(
        simulationSnapshot(record, chart, std::move(run.fixes), std::move(run.transmissions)));
}

std::string ReportService::chooseOnGuiThread(bool pdf) {
    QString path;
    onGuiThreadAndWait(window, [&] {
        ModalRunner::FileRequest request;
        request.save = true;
        request.title = "Save As";
        request.filter = pdf ? "PDF Files (*.pdf);;All Files (*.*)" : "Text Files (*.txt);;All Files (*.*)";
        request.defaultSuffix = pdf ? "pdf" : "txt";
        path = runner.chooseFile(window, request);
    });
    return path.toStdString();
}

void ReportService::start(ReportJob job) {
    thread.start(
        [this, job = std::move(job)] {
            runReportJob(job, pages, log, [this] { return chooseOnGuiThread(false); });
        },
        [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 100); });
}

void ReportService::printDialog(const std::string& title, bool simulationTabShown) {
    PrintDialog dialog(catalog, log, title, simulationTabShown, window, &printSession);
    if (!runner.runDialog(dialog)) return;
    ReportJob job = dialog.job();
    job.record = record;
    if (job.kind == SimulationReport) job.simulation = simulationSource(simulationTabShown);
    start(std::move(job));
}

void ReportService::printSprToFile(const std::string& fileName, const std::string& title) {
    ReportJob job;
    job.device = kPrintToFileDevice;
    job.outputFile = fileName;
    job.title = title;
    job.kind = ProgrammingReport;
    job.record = record;
    start(std::move(job));
}

}  // namespace orv
