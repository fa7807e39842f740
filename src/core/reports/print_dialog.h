#pragma once

// The logic of the "Print" dialog without its widgets: the printer list from
// the print server, the report choice, "Print to File" and "Save as PDF", and
// the job that OK hands to the report thread.

#include <optional>
#include <string>
#include <vector>

#include "app/message_log.h"
#include "reports/report_job.h"

namespace orv {

struct PrinterInfo {
    std::string name;  // the queue's name
    std::string port;  // its device URI
};

// The print server as the dialog sees it.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    // The queues, or nothing when the server cannot be reached.
    virtual std::optional<std::vector<PrinterInfo>> printers() = 0;
    // The server's default queue ("" when there is none).
    virtual std::string defaultPrinter() = 0;
};

// "NAME on PORT", as the printer list shows a queue.
std::string printerEntry(const PrinterInfo& printer);
// The entry split at the first " on ": the device before it, the port after it
// (an entry without " on " is all device).
PrinterInfo splitPrinterEntry(const std::string& entry);

// What the Print dialogs of one run of the program share: a print server that
// cannot be reached is said once, not before every dialog.
struct PrintSession {
    bool serverMessageShown = false;
};

class PrintDialogController {
public:
    PrintDialogController(PrinterCatalog& catalog, MessageLog& messages, PrintSession* session = nullptr)
        : catalog(catalog), log(messages), session(session) {}

    // The dialog opens: the list from the server (its message when it cannot be
    // reached, once a session), the default queue selected, "SPR report" chosen
    // unless the caller asked for the simulation report. With no queue to print
    // on, "Save as PDF" is chosen, so the dialog still makes the report.
    void open(const std::string& reportTitle, bool simulationPreselected);

    // The user's actions.
    void selectPrinter(int index);
    void chooseReport(ReportKind kind);
    void setPrintToFile(bool ticked);
    void setSaveAsPdf(bool ticked);

    // OK: the job for the report thread (record and simulation still to add).
    // The file devices leave outputFile empty: it is asked for later.
    ReportJob ok() const;
    // Whether the choice can be carried out at all (a printer chosen, or a file).
    bool canPrint() const;

    // What the dialog shows.
    std::vector<std::string> entries;
    int selected = -1;
    ReportKind report = ProgrammingReport;
    bool printToFile = false;
    bool printToFileEnabled = true;
    bool saveAsPdf = false;
    bool printerEnabled = true;  // the "&Printer:" label and the combo
    std::string title;

private:
    void applyPrinterRule();

    PrinterCatalog& catalog;
    MessageLog& log;
    PrintSession* session;
};

}  // namespace orv
