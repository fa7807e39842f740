#include "reports/print_dialog.h"

#include "reports/reports_messages.h"

namespace orv {

namespace {

constexpr std::string_view kOn = " on ";

}  // namespace

std::string printerEntry(const PrinterInfo& printer) {
    return printer.name + std::string(kOn) + printer.port;
}

PrinterInfo splitPrinterEntry(const std::string& entry) {
    const std::size_t at = entry.find(kOn);
    if (at == std::string::npos) return {entry, ""};
    return {entry.substr(0, at), entry.substr(at + kOn.size())};
}

void PrintDialogController::open(const std::string& reportTitle, bool simulationPreselected) {
    title = reportTitle;
    entries.clear();
    selected = -1;
    if (const auto found = catalog.printers()) {
        for (const PrinterInfo& printer : *found) entries.push_back(printerEntry(printer));
    } else if (session == nullptr || !session->serverMessageShown) {
        log.error("%s", kPrintServerMessage);
        if (session != nullptr) session->serverMessageShown = true;
    }
    if (!entries.empty()) {
        // The default queue, found by the start of its entry; else the first.
        selected = 0;
        const std::string wanted = catalog.defaultPrinter();
        if (!wanted.empty()) {
            for (std::size_t i = 0; i < entries.size(); ++i) {
                if (entries[i].rfind(wanted, 0) == 0) {
                    selected = static_cast<int>(i);
                    break;
                }
            }
        }
    }
    printToFile = false;
    saveAsPdf = entries.empty();
    chooseReport(simulationPreselected ? SimulationReport : ProgrammingReport);
}

void PrintDialogController::selectPrinter(int index) {
    selected = index >= 0 && index < static_cast<int>(entries.size()) ? index : -1;
}

void PrintDialogController::chooseReport(ReportKind kind) {
    report = kind;
    // The simulation report is a picture: it cannot go to the text file.
    printToFileEnabled = kind != SimulationReport;
    if (!printToFileEnabled) printToFile = false;
    applyPrinterRule();
}

void PrintDialogController::setPrintToFile(bool ticked) {
    printToFile = ticked && printToFileEnabled;
    if (printToFile) saveAsPdf = false;
    applyPrinterRule();
}

void PrintDialogController::setSaveAsPdf(bool ticked) {
    saveAsPdf = ticked;
    if (saveAsPdf) printToFile = false;
    applyPrinterRule();
}

void PrintDialogController::applyPrinterRule() {
    printerEnabled = !printToFile && !saveAsPdf;
}

bool PrintDialogController::canPrint() const {
    return printToFile || saveAsPdf || selected >= 0;
}

ReportJob PrintDialogController::ok() const {
    ReportJob job;
    if (printToFile) {
        job.device = kPrintToFileDevice;
    } else if (saveAsPdf) {
        job.device = kPrintToPdfDevice;
    } else if (selected >= 0) {
        const PrinterInfo printer = splitPrinterEntry(entries[static_cast<std::size_t>(selected)]);
        job.device = printer.name;
        job.port = printer.port;
    }
    job.kind = report;
    job.title = title;
    return job;
}

}  // namespace orv
