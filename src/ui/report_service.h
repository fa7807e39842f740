#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "cups_server.h"
#include "modal_runner.h"
#include "page_report_printer.h"
#include "reports/report_job.h"

class QWidget;

namespace orv {

class MessageLog;
struct ParameterRecord;

// The simulation a report draws. tabShown: the Simulation tab is the one
// shown, so its chart holds current events; otherwise the simulation runs first.
using SimulationReportSource = std::function<std::shared_ptr<const SimulationSnapshot>(bool tabShown)>;

// The main window's reports: the Print dialog, the report thread and where
// its pages go. The window stays live while a report is produced.
class ReportService : public QObject {
    Q_OBJECT
public:
    ReportService(QWidget* window, MessageLog& log, ParameterRecord& record, ModalRunner& runner);
    ~ReportService() override;

    // The Print dialog for the title suffix; OK starts its report (after a running one).
    void printDialog(const std::string& title, bool simulationTabShown);
    // The programming report's text to a file, as the archive is written: on
    // the report thread, after a running report.
    void printSprToFile(const std::string& fileName, const std::string& title);
    // Starts a job on the report thread once a running report has ended.
    void start(ReportJob job);

    bool running() const { return thread.running(); }
    void waitIdle();

    // By default a run from today, as the Simulation tab opens; the tab's page replaces it.
    SimulationReportSource simulationSource;

private:
    std::string chooseOnGuiThread(bool pdf);
    std::shared_ptr<const SimulationSnapshot> runSimulationToday();

    QWidget* window;
    MessageLog& log;
    ParameterRecord& record;
    ModalRunner& runner;
    CupsPrinterCatalog catalog;
    PrintSession printSession;
    PageReportPrinter pages;
    ReportThread thread;
};

}  // namespace orv
