#include "page_report_printer.h"

#include <unistd.h>

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/message_log.h"
#include "app/replace_file.h"
#include "cups_server.h"
#include "report_drawing.h"
#include "reports/printed_spr.h"
#include "reports/reports_messages.h"

namespace orv {

namespace {

constexpr int kPrinterResolution = 600;

// A scratch file that goes when the object does.
struct ScratchPdf {
    std::string path;
    ScratchPdf() {
        const char* dir = std::getenv("TMPDIR");
        std::string pattern =
            std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/orv-report-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = ::mkstemp(name.data());
        if (fd >= 0) {
            ::close(fd);
            path = name.data();
        }
    }
    ~ScratchPdf() {
        if (!path.empty()) std::remove(path.c_str());
    }
};

}  // namespace

namespace {

// The whole document in memory first: the file is only replaced once all of
// it exists, so a full disk leaves the previous file as it was.
bool drawReportPdf(const ReportJob& job, QBuffer& buffer) {
    if (job.kind == SimulationReport && !job.simulation) return false;
    QPdfWriter writer(&buffer);
    writer.setResolution(kPrinterResolution);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(kPrintJobName);
    writer.setCreator(QString::fromStdString(printedApplicationTitle()));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    if (job.kind == SimulationReport) {
        drawSimulationReport(painter, writer, job.record, *job.simulation);
    } else {
        drawSprReport(painter, writer, job.record, job.title);
    }
    return painter.end();
}

}  // namespace

bool writeReportPdf(const ReportJob& job, const std::string& path) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) || !drawReportPdf(job, buffer)) return false;
    buffer.close();
    const QByteArray& bytes = buffer.data();
    return replaceFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       "ORVPDFXXXXXX") == 1;
}

int PageReportPrinter::print(const ReportJob& job) {
    if (job.device != kPrintToPdfDevice) return printToQueue(job);
    std::string path = job.outputFile;
    if (path.empty() && choosePdf) path = choosePdf();
    if (path.empty()) return kReportNotSaved;
    if (!writeReportPdf(job, path)) {
        log.error("%s", reportOpenFailedMessage(path).c_str());
        return kReportOpenFailed;
    }
    return kReportSaved;
}

int PageReportPrinter::printToQueue(const ReportJob& job) {
    const auto queues = catalog.printers();
    const bool known = queues && std::any_of(queues->begin(), queues->end(), [&](const PrinterInfo& queue) {
                           return queue.name == job.device;
                       });
    std::string error;
    ScratchPdf pdf;
    if (!known || pdf.path.empty() || !writeReportPdf(job, pdf.path) ||
        submitPdfToQueue(job.device, pdf.path, kPrintJobName, error) != 0) {
        log.error("%s", kPrintServerMessage);
        return 1;
    }
    return 0;
}

}  // namespace orv
