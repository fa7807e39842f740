// The Job, CTN and status lists filled from what the database read, also when
// it could not be opened or stopped halfway.

#include "model/device_lists.h"

#include <gtest/gtest.h>

#include "model/lists.h"

namespace orv::test {
namespace {

using Texts = std::vector<std::string>;

TEST(DeviceLists, TheJobAskedForIsSelectedOrAddedAndTheCtnListIsKeptWhenNoCtnCame) {
    VectorChoiceList jobs, ctns;
    ctns.entries = {"old"};
    JobAndCtnTexts read{{{"05-100", "05-1000"}}, true, "05-1000", {{"C1", "C2"}}};
    EXPECT_EQ(fillJobAndCtnLists(read, "c2", jobs, ctns), 0);
    EXPECT_EQ(jobs.entries, (Texts{"05-100", "05-1000"}));
    EXPECT_EQ(selectedEntry(jobs), "05-1000") << "the equal entry, not the first beginning like it";
    EXPECT_EQ(selectedEntry(ctns), "C2");

    read = {{{"05-100"}}, true, "07-9", {}};
    EXPECT_EQ(fillJobAndCtnLists(read, "", jobs, ctns), 0);
    EXPECT_EQ(jobs.entries, (Texts{"05-100", "07-9"}));
    EXPECT_EQ(selectedEntry(jobs), "07-9");
    EXPECT_EQ(ctns.entries, (Texts{"C1", "C2"})) << "no CTN came back: the list is kept";
}

TEST(DeviceLists, AFailedReadLeavesOrPartlyFillsTheListsAndSaysSo) {
    VectorChoiceList jobs, ctns;
    jobs.entries = {"J"};
    ctns.entries = {"C1", "C2"};
    JobAndCtnTexts notOpened;
    notOpened.jobs = {{}, false, false};
    EXPECT_EQ(fillJobAndCtnLists(notOpened, "C2", jobs, ctns), 1);
    EXPECT_EQ(jobs.entries, (Texts{"J"}));
    EXPECT_EQ(ctns.selected(), -1) << "nothing read: nothing selected either";

    JobAndCtnTexts halfway{{{"A", "B"}, true, false}, false, "", {}};
    EXPECT_EQ(fillJobAndCtnLists(halfway, "C2", jobs, ctns), 1);
    EXPECT_EQ(jobs.entries, (Texts{"A", "B"}));
    EXPECT_EQ(jobs.selected(), -1) << "no Job is chosen from a list read halfway";
    EXPECT_EQ(selectedEntry(ctns), "C2");

    VectorChoiceList list;
    list.entries = {"kept"};
    EXPECT_EQ(fillList(list, {{}, false, false}), 1);
    EXPECT_EQ(list.entries, (Texts{"kept"}));
    EXPECT_EQ(fillList(list, {{"x"}, true, false}), 1);
    EXPECT_EQ(list.entries, (Texts{"x"}));
    EXPECT_EQ(list.selected(), 0);
}

TEST(DeviceLists, StoredStatusesAreMarkedOnce) {
    VectorChoiceList list;
    const std::string marker(kStoredStatusMarker);
    EXPECT_EQ(markStoredStatuses({{"programmed", "Programmed", "Nonsense"}}, 2, list), 0);
    EXPECT_EQ(list.entries, (Texts{"Working", "Coord. Signoff", "Programmed" + marker}));
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(markStoredStatuses({{}, false, false}, 0, list), 1);
    EXPECT_EQ(list.entries, (Texts{"Working", "Coord. Signoff", "Programmed" + marker}));
}

}  // namespace
}  // namespace orv::test
