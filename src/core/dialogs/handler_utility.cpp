#include "dialogs/handler_utility.h"

#include <array>

#include "db/column_values.h"
#include "model/lists.h"

namespace orv {
namespace {

constexpr std::array<const char*, 11> kYears = {"10", "09", "08", "07", "06",   "05",
                                                "04", "03", "02", "01", "Other"};

bool startsWithZero(const std::string& text) {
    return !text.empty() && text[0] == '0';
}

// The statuses of the status list that carry the stored-status marker, without it.
std::vector<std::string> storedStatuses(const ChoiceList& list) {
    std::vector<std::string> statuses;
    for (int i = 0; i < list.count(); ++i) {
        const std::string entry = list.entry(i);
        if (entry.find(kStoredStatusMarker) != std::string::npos)
            statuses.push_back(withoutStoredMarker(entry));
    }
    return statuses;
}

}  // namespace

void HandlerUtility::open() {
    lists.statusCombo.clear();
    for (const char* status : deviceStatusList()) lists.statusCombo.add(status);
    lists.yearCombo.clear();
    for (const char* year : kYears) lists.yearCombo.add(year);
    fillJobAndCtnLists(db.jobAndCtnNumbers(""), "", lists.jobCombo, lists.ctnCombo);
}

void HandlerUtility::jobComboSelected() {
    const std::string job = selectedEntry(lists.jobCombo);
    fillJobAndCtnLists(db.jobAndCtnNumbers(job), selectedEntry(lists.ctnCombo), lists.jobCombo,
                       lists.ctnCombo);
    markStoredStatuses(db.storedStatuses(job, selectedEntry(lists.ctnCombo)), lists.statusCombo.selected(),
                       lists.statusCombo);
}

void HandlerUtility::ctnComboSelected() {
    markStoredStatuses(db.storedStatuses(selectedEntry(lists.jobCombo), selectedEntry(lists.ctnCombo)),
                       lists.statusCombo.selected(), lists.statusCombo);
}

// Job numbers begin with the two digits of their year; "10" and "Other" both
// list those that do not begin with "0".
void HandlerUtility::yearSelected() {
    const std::string year = selectedEntry(lists.yearCombo);
    lists.jobsList.clear();
    for (int i = 0; i < lists.jobCombo.count(); ++i) {
        const std::string job = lists.jobCombo.entry(i);
        if (startsWithZero(job) && startsWithZero(year)) {
            if (job.size() > 1 && year.size() > 1 && job[1] == year[1]) lists.jobsList.add(job);
        } else if (!startsWithZero(job) && !startsWithZero(year)) {
            lists.jobsList.add(job);
        }
    }
}

void HandlerUtility::jobsListSelected() {
    const std::string job = selectedEntry(lists.jobsList);
    fillJobAndCtnLists(db.jobAndCtnNumbers(job), "", lists.jobCombo, lists.ctnsList);
    markStoredStatuses(db.storedStatuses(job, selectedEntry(lists.ctnsList)), lists.statusList.selected(),
                       lists.statusList);
}

void HandlerUtility::ctnsListSelected() {
    markStoredStatuses(db.storedStatuses(selectedEntry(lists.jobsList), selectedEntry(lists.ctnsList)),
                       lists.statusList.selected(), lists.statusList);
}

void HandlerUtility::listAllJobs() {
    lists.jobsList.clear();
    for (int i = 0; i < lists.jobCombo.count(); ++i) lists.jobsList.add(lists.jobCombo.entry(i));
}

void HandlerUtility::statistics() {
    log.information("%d is number of Jobs", lists.jobCombo.count());
    std::array<int, 8> counts{};  // 01 to 07, then other
    for (int i = 0; i < lists.jobCombo.count(); ++i) {
        const std::string job = lists.jobCombo.entry(i);
        const char second = job.size() > 1 ? job[1] : '\0';
        ++counts[second >= '1' && second <= '7' ? static_cast<std::size_t>(second - '1') : 7u];
    }
    log.information("01 - %d,  02 - %d, 03 - %d, 04 - %d, 05 - %d, 06 - %d, 07 - %d, other - %d", counts[0],
                    counts[1], counts[2], counts[3], counts[4], counts[5], counts[6], counts[7]);
}

// Every device is read from the source and saved into the target with the
// current path switched around the save. The Job, CTN and statuses of a device
// are taken from the lists before its copy starts, so refreshing the lists
// cannot skip or misdirect the statuses still to come; a device whose read
// failed is not saved (it would carry values of the device read before it);
// and the record on screen is given back as it was.
MakeDbResult HandlerUtility::makeDb() {
    log.information("%s", displayName(targetName).c_str());
    const std::string source = db.currentPath();
    const ParameterRecord onScreen = db.record();
    MakeDbResult result;
    for (int j = 0; j < lists.jobsList.count(); ++j) {
        lists.jobsList.select(j);
        jobsListSelected();
        const std::string job = selectedEntry(lists.jobsList);
        for (int c = 0; c < lists.ctnsList.count(); ++c) {
            lists.ctnsList.select(c);
            ctnsListSelected();
            const std::string ctn = lists.ctnsList.entry(c);
            for (const std::string& status : storedStatuses(lists.statusList)) {
                bool copied = db.readDevice(job, ctn, status, ReadMode::Load) == DbResult::Ok;
                bool declined = false;
                if (copied) {
                    db.setCurrentPath(targetName);
                    copied = db.saveDevice(job, ctn, status, HistoryAction::Copy) == DbResult::Ok;
                    declined = copied && db.saveDeclined();
                    db.setCurrentPath(source);
                }
                if (declined) {
                    result.declined.push_back({job, ctn, status});
                } else if (copied) {
                    ++result.copied;
                } else {
                    result.failed.push_back({job, ctn, status});
                }
            }
        }
    }
    db.setCurrentPath(source);
    db.record() = onScreen;
    return result;
}

}  // namespace orv
