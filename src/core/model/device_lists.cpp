#include "model/device_lists.h"

#include "model/lists.h"

namespace orv {

int fillJobAndCtnLists(const JobAndCtnTexts& read, const std::string& ctn, ChoiceList& jobs,
                       ChoiceList& ctns) {
    if (!read.jobs.opened) return 1;
    if (!read.jobs.texts.empty()) {
        jobs.clear();
        for (const std::string& job : read.jobs.texts) jobs.add(job);
    }
    if (read.jobChosen) {
        int index = findEqualEntry(jobs, read.job);
        if (index < 0) {
            jobs.add(read.job);
            index = jobs.count() - 1;
        }
        jobs.select(index);
        if (!read.ctns.texts.empty()) {
            ctns.clear();
            for (const std::string& text : read.ctns.texts) ctns.add(text);
            ctns.select(0);
        }
    }
    if (!ctn.empty()) {
        const int index = findEqualEntry(ctns, ctn);
        if (index >= 0) ctns.select(index);
    }
    return read.jobs.ok() && read.ctns.ok() ? 0 : 1;
}

int markStoredStatuses(const TextList& stored, int selection, ChoiceList& list) {
    if (!stored.opened) return 1;
    list.clear();
    for (const char* status : deviceStatusList()) list.add(status);
    for (const std::string& status : stored.texts) {
        const int index = findByPrefix(list, status);
        const std::string entry = list.entry(index);
        if (index >= 0 && entry.find(kStoredStatusMarker) == std::string::npos) {
            list.replace(index, entry + std::string(kStoredStatusMarker));
        }
    }
    if (selection >= 0) list.select(selection);
    return stored.complete ? 0 : 1;
}

}  // namespace orv
