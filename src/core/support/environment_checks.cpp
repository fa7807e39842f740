// The print server with its queues, and a display for the window.

#include <algorithm>

#include "reports/print_dialog.h"
#include "reports/reports_messages.h"
#include "support/doctor.h"
#include "support/support_messages.h"

namespace orv {

DoctorCheck checkPrintServer(PrinterCatalog& printers) {
    DoctorCheck check{doctortext::kPrintServerName, CheckStatus::Ok, "", ""};
    const auto queues = printers.printers();
    if (!queues) {
        check.status = CheckStatus::Warning;
        check.detail = kPrintServerMessage;
        check.fix = doctortext::kPrintServerFix;
        return check;
    }
    if (queues->empty()) {
        check.status = CheckStatus::Warning;
        check.detail = doctortext::kNoQueues;
        check.fix = doctortext::kNoQueuesFix;
        return check;
    }
    std::string list;
    for (const PrinterInfo& queue : *queues) list += (list.empty() ? "" : ", ") + printerEntry(queue);
    check.detail = doctortext::queuesFound(list, printers.defaultPrinter());
    return check;
}

DoctorCheck checkDisplay(const DisplayFacts& facts) {
    DoctorCheck check{doctortext::kDisplayName, CheckStatus::Ok, "", ""};
    if (!facts.runningPlatform.empty()) {
        check.detail = doctortext::windowRuns(facts.runningPlatform);
        return check;
    }
    // The plugins Qt may load, in its order: the one asked for, else the
    // session's (a Wayland session with X beside it falls back to X).
    std::vector<std::pair<std::string, std::string>> candidates;  // plugin, what offers it
    const std::string asked = facts.qpaPlatform.substr(0, facts.qpaPlatform.find(':'));
    if (!facts.waylandDisplay.empty() && (asked.empty() || asked == "wayland"))
        candidates.emplace_back("wayland", "WAYLAND_DISPLAY=" + facts.waylandDisplay);
    if (!facts.display.empty() && (asked.empty() || asked == "xcb"))
        candidates.emplace_back("xcb", "DISPLAY=" + facts.display);
    if (!asked.empty() && asked != "wayland" && asked != "xcb")
        candidates.emplace_back(asked, "QT_QPA_PLATFORM=" + facts.qpaPlatform);
    if (candidates.empty()) {
        check.status = CheckStatus::Warning;
        check.detail = doctortext::kNoDisplay;
        check.fix = doctortext::kNoDisplayFix;
        return check;
    }
    for (const auto& [plugin, offeredBy] : candidates) {
        if (std::find(facts.plugins.begin(), facts.plugins.end(), plugin) != facts.plugins.end()) {
            check.detail = doctortext::displayReady(offeredBy, plugin);
            return check;
        }
    }
    check.status = CheckStatus::Failed;
    check.detail = doctortext::pluginMissing(candidates.front().first, facts.pluginFolder);
    check.fix = doctortext::pluginMissingFix(candidates.front().first);
    return check;
}

}  // namespace orv
