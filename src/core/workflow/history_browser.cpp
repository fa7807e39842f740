#include "workflow/history_browser.h"

#include <algorithm>

#include "app/format_text.h"
#include "compare/configuration_diff.h"
#include "workflow/main_rules.h"
#include "workflow/main_workflows.h"
#include "workflow/workflow_messages.h"

namespace orv {

HistoryBrowser::HistoryBrowser(MainWorkflows& workflows) : flows(workflows) {}

bool HistoryBrowser::load() {
    MainScreen& screen = flows.screen;
    shownJob = screen.controlText(StringRow::JobNumber);
    shownCtn = screen.controlText(StringRow::CtnNumber);
    list.clear();
    if (shownJob.empty() || shownCtn.empty()) {
        screen.parts().log.information("%s", wftext::kHistoryNeedsDevice);
        return false;
    }
    return screen.parts().db.deviceHistory(shownJob, shownCtn, "", list) == DbResult::Ok;
}

std::string HistoryBrowser::title() const {
    return formatText(wftext::kHistoryTitle, shownJob.c_str(), shownCtn.c_str());
}

std::vector<std::string> HistoryBrowser::rowTexts(std::size_t index) const {
    const DeviceVersion& v = list.at(index);
    return {std::to_string(v.version), v.key.status, v.action, v.user, dateTimeText(v.when)};
}

std::vector<std::string> HistoryBrowser::differences(std::size_t first, std::size_t second) {
    WorkflowParts& p = flows.screen.parts();
    const auto [older, newer] = std::minmax(list.at(first).version, list.at(second).version);
    // Both sides start from the record on screen, so that what a version does
    // not hold (the user, the values without a column) is the same on both.
    Configuration before{p.record};
    Configuration after{p.record};
    DeviceVersion found;
    if (p.db.readVersion(shownJob, shownCtn, older, before.record, found) != DbResult::Ok ||
        p.db.readVersion(shownJob, shownCtn, newer, after.record, found) != DbResult::Ok) {
        return {};
    }
    std::vector<std::string> lines;
    for (const Difference& difference : compareConfigurations(before, after))
        lines.push_back(differenceLine(difference));
    return lines;
}

std::string HistoryBrowser::differencesHeading(std::size_t first, std::size_t second,
                                               std::size_t count) const {
    const auto [older, newer] = std::minmax(list.at(first).version, list.at(second).version);
    return count == 0 ? formatText(wftext::kHistorySame, older, newer)
                      : formatText(wftext::kHistoryDifferences, older, newer);
}

int HistoryBrowser::restore(std::size_t index) {
    const int rc = flows.records.restoreVersion(list.at(index).version);
    load();
    return rc;
}

}  // namespace orv
