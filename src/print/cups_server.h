#pragma once

// The CUPS print server: its queues for the Print dialog, and a finished PDF
// handed to a queue as a print job.

#include <string>

#include "reports/print_dialog.h"

namespace orv {

class CupsPrinterCatalog : public PrinterCatalog {
public:
    // The queues of the server named by CUPS_SERVER / the client configuration;
    // nothing when it cannot be reached.
    std::optional<std::vector<PrinterInfo>> printers() override;
    std::string defaultPrinter() override;
};

// Sends the PDF file to the queue as a job named title. 0 on success, else
// the server's reason in error.
int submitPdfToQueue(const std::string& queue, const std::string& pdfPath, const std::string& title,
                     std::string& error);

}  // namespace orv
