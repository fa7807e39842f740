#pragma once

// The device key lists of the main window and the handler utility: the Job
// and CTN combos and the status list with its stored-status markers, filled
// from what the parameter database read.

#include <string>

#include "model/choice_list.h"

namespace orv {

// Every stored Job number, and the CTNs of one Job.
struct JobAndCtnTexts {
    TextList jobs;
    // Every Job was read and there is one: job is the Job the CTNs belong to
    // (the one asked for, or the first stored when none was).
    bool jobChosen = false;
    std::string job;
    TextList ctns;
};

// Refills the Job list and selects the Job (added when it is not stored), then
// the CTN list (kept when no CTN came back), selecting ctn when it is there.
// 0 when everything was read, else 1.
int fillJobAndCtnLists(const JobAndCtnTexts& read, const std::string& ctn, ChoiceList& jobs,
                       ChoiceList& ctns);

// Refills list with the three statuses, those stored followed by the marker;
// selection >= 0 selects that entry. 0 when everything was read, else 1.
int markStoredStatuses(const TextList& stored, int selection, ChoiceList& list);

}  // namespace orv
