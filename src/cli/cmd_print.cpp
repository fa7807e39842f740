// orvctl print: the printed programming report or the schedule simulation
// report, the same page the window prints, sent to a print queue or written
// as a PDF file. No display is needed: the page is drawn offscreen.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/energy_settings.h"
#include "cli.h"
#include "cli_messages.h"
#include "cups_server.h"
#include "image/firmware_table.h"
#include "page_report_printer.h"
#include "reports/report_job.h"
#include "sim/budget.h"
#include "sim/run_simulation.h"
#include "sim_options.h"

namespace orv::cli {

namespace {

// Qt's own notes (a missing runtime folder and the like) are no message of ours.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The simulation the report draws: a run from the deployment date, the chart
// opened on that date at the widest zoom, as the Simulation tab shows it, with
// the battery line unless it is switched off.
int runReportSimulation(Session& session, std::uint32_t start, bool batteryLine, ReportJob& job) {
    SimulationJob run;
    run.firmwareRow = findFirmware(session.record.text(StringRow::FenmodFwVer));
    run.startTime = start;
    if (runSimulation(session.record, run, session.log) != 0) return kExitFailed;
    SimulationChart chart(start);
    chart.showRunFrom(start);
    // The run's battery and event budget goes under the charts, as on the Simulation tab.
    auto budget =
        std::make_shared<const Budget>(computeBudget(run, session.record.general(GeneralRow::SimulationYears),
                                                     readEnergySettings(session.settingsFile, session.log)));
    auto snapshot = std::make_shared<SimulationSnapshot>(
        simulationSnapshot(session.record, chart, std::move(run.fixes), std::move(run.transmissions)));
    addBudgetNotes(*snapshot, *budget);
    if (batteryLine) snapshot->battery = std::move(budget);
    job.simulation = std::move(snapshot);
    return kExitOk;
}

int runPrint(Session& session, const Args& args) {
    if (!args.positional.empty()) return usageError(clitext::takesNoArgument("print", args.positional[0]));
    const std::string report = args.value("report").value_or("");
    if (report != "spr" && report != "simulation") return usageError(clitext::kPrintNeedsReport);
    const auto printer = args.value("printer");
    const auto file = args.value("o");
    if (printer.has_value() == file.has_value()) return usageError(clitext::kPrintNeedsTarget);
    if ((printer && printer->empty()) || (file && file->empty()))
        return usageError(printer ? clitext::kPrinterNeedsName : clitext::kOutputNeedsName);
    std::uint32_t start = simulationStartOf(std::time(nullptr));
    if (const auto startText = args.value("start")) {
        if (!parseDate(*startText, start)) return usageError(clitext::startNotDate(*startText));
    }
    if (int rc = loadConfiguration(session, args); rc != kExitOk) return rc;

    ReportJob job;
    job.kind = report == "spr" ? ProgrammingReport : SimulationReport;
    job.title = args.value("title").value_or("");
    job.device = printer ? *printer : kPrintToPdfDevice;
    job.outputFile = file.value_or("");
    job.record = session.record;

    // The page is drawn with Qt Gui, offscreen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "orvctl";
    char* argv[] = {name, nullptr};
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication application(argc, argv);

    if (job.kind == SimulationReport) {
        if (int rc = runReportSimulation(session, start, !args.has("no-battery-line"), job); rc != kExitOk)
            return rc;
    }
    CupsPrinterCatalog catalog;
    PageReportPrinter pages(catalog, session.log);
    return pages.print(job) == 0 ? kExitOk : kExitFailed;
}

}  // namespace

ORV_CLI_COMMAND("print", runPrint, {"report", "title", "start", "printer", "o"}, {"no-battery-line"});

}  // namespace orv::cli
