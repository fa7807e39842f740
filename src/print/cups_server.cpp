#include "cups_server.h"

#include <cups/cups.h>

#include <memory>

namespace orv {

namespace {

constexpr int kConnectTimeoutMs = 5000;

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

// A connection to the server, or none when it does not answer.
Connection connectServer() {
    // Take the server named now (CUPS_SERVER, the client configuration), not
    // the one the library remembered from an earlier call.
    cupsSetServer(nullptr);
    return Connection(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                   kConnectTimeoutMs, nullptr));
}

struct Destinations {
    int count = 0;
    cups_dest_t* list = nullptr;
    ~Destinations() { cupsFreeDests(count, list); }
};

}  // namespace

std::optional<std::vector<PrinterInfo>> CupsPrinterCatalog::printers() {
    Connection http = connectServer();
    if (!http) return std::nullopt;
    Destinations dests;
    dests.count = cupsGetDests2(http.get(), &dests.list);
    if (dests.count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE &&
        cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND) {
        return std::nullopt;
    }
    std::vector<PrinterInfo> found;
    for (int i = 0; i < dests.count; ++i) {
        const cups_dest_t& dest = dests.list[i];
        if (dest.instance != nullptr) continue;  // a saved set of options, not a queue
        const char* uri = cupsGetOption("device-uri", dest.num_options, dest.options);
        found.push_back({dest.name, uri != nullptr ? uri : ""});
    }
    return found;
}

std::string CupsPrinterCatalog::defaultPrinter() {
    Connection http = connectServer();
    if (!http) return "";
    Destinations dests;
    dests.count = cupsGetDests2(http.get(), &dests.list);
    const cups_dest_t* dest = cupsGetDest(nullptr, nullptr, dests.count, dests.list);
    return dest != nullptr ? dest->name : "";
}

int submitPdfToQueue(const std::string& queue, const std::string& pdfPath, const std::string& title,
                     std::string& error) {
    Connection http = connectServer();
    if (!http) {
        error = "the print server does not answer";
        return 1;
    }
    const int job = cupsPrintFile2(http.get(), queue.c_str(), pdfPath.c_str(), title.c_str(), 0, nullptr);
    if (job == 0) {
        error = cupsLastErrorString();
        return 1;
    }
    return 0;
}

}  // namespace orv
