#pragma once

// The printed reports on their way out: drawn into a PDF, which either is the
// destination (a PDF file) or goes to a CUPS queue as a job.

#include <functional>
#include <string>

#include "reports/print_dialog.h"
#include "reports/report_job.h"

namespace orv {

// Asks for the PDF file's name (a Save As dialog); "" on Cancel.
using PdfFileChooser = std::function<std::string()>;

// Draws the job's report into a PDF file at path, written whole beside it and
// then renamed into place; false (the previous file as it was) when it cannot be.
bool writeReportPdf(const ReportJob& job, const std::string& path);

class PageReportPrinter : public ReportPrinter {
public:
    PageReportPrinter(PrinterCatalog& catalog, MessageLog& log, PdfFileChooser choosePdf = {})
        : catalog(catalog), log(log), choosePdf(std::move(choosePdf)) {}

    // A queue the server does not know, or a server that does not answer, gets
    // the Print dialog's message; a PDF file that cannot be written the report
    // file message. A cancelled PDF file choice writes nothing.
    int print(const ReportJob& job) override;

private:
    int printToQueue(const ReportJob& job);

    PrinterCatalog& catalog;
    MessageLog& log;
    PdfFileChooser choosePdf;
};

}  // namespace orv
