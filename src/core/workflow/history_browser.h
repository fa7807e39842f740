#pragma once

// The History window of the device shown: the versions of its Job and CTN
// with their status, action, user and time; the differences between any two
// (the list Check's details give); and Restore of one.

#include <cstddef>
#include <string>
#include <vector>

#include "db/parameter_db.h"

namespace orv {

struct MainWorkflows;

class HistoryBrowser {
public:
    explicit HistoryBrowser(MainWorkflows& flows);

    // The versions of the Job and CTN the identity area shows. false (shown)
    // when it shows no Job or CTN, or when the history could not be read.
    bool load();

    const std::string& job() const { return shownJob; }
    const std::string& ctn() const { return shownCtn; }
    // The window's title: the Job and CTN.
    std::string title() const;
    const std::vector<DeviceVersion>& versions() const { return list; }
    // The texts of a version's row: number, status, action, user, local time.
    std::vector<std::string> rowTexts(std::size_t index) const;

    // What changed from one version to another (the older first, whatever
    // order they are given in): one line a difference. A version that cannot
    // be read gives no lines (shown).
    std::vector<std::string> differences(std::size_t first, std::size_t second);
    // The heading of those lines: "Version A to version B", or that they are the same.
    std::string differencesHeading(std::size_t first, std::size_t second, std::size_t count) const;

    // Stores the version again as the device of its status, by the Save
    // button's rules, shows it, and lists the versions anew. 0 restored.
    int restore(std::size_t index);

private:
    MainWorkflows& flows;
    std::string shownJob;
    std::string shownCtn;
    std::vector<DeviceVersion> list;
};

}  // namespace orv
