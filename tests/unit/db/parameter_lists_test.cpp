// The lists filled from the parameter database: Job and CTN lists, stored
// statuses and the lookups.

#include "db_test_support.h"
#include "model/lists.h"

namespace orv::test {
namespace {

class ParameterLists : public ParameterDbTest {
protected:
    void SetUp() override {
        ParameterDbTest::SetUp();
        if (IsSkipped()) return;
        createDatabase();
        record.general(GeneralRow::PttIdCode) = 1234;
        record.text(StringRow::Customer) = "Acme";
        ASSERT_EQ(save("05-1000", "C1"), DbResult::Ok);
        ASSERT_EQ(save("05-100", "C2"), DbResult::Ok);
        ASSERT_EQ(save("05-100", "C3", "Programmed"), DbResult::Ok);
        ASSERT_EQ(save("05-100", "C3", "Coord. Signoff"), DbResult::Ok);
        record.general(GeneralRow::PttIdCode) = 77777;
        record.text(StringRow::Customer) = "Birch   ";
        ASSERT_EQ(save("06-1", "C10"), DbResult::Ok);
        presenter.clear();
    }

    VectorChoiceList jobs;
    VectorChoiceList ctns;
    VectorChoiceList list;
};

TEST_P(ParameterLists, JobAndCtnListsSelectTheJobAskedForNotOneBeginningLikeIt) {
    ASSERT_EQ(fillJobAndCtnLists(db.jobAndCtnNumbers("05-100"), "C3", jobs, ctns), 0);
    EXPECT_EQ(jobs.count(), 4);  // with the Default device
    EXPECT_EQ(selectedEntry(jobs), "05-100");
    EXPECT_EQ(ctns.entries, (std::vector<std::string>{"C2", "C3"}));
    EXPECT_EQ(selectedEntry(ctns), "C3");

    ASSERT_EQ(fillJobAndCtnLists(db.jobAndCtnNumbers("07-9"), "", jobs, ctns), 0);
    EXPECT_EQ(jobs.count(), 5) << "a Job that is not stored is added and selected";
    EXPECT_EQ(selectedEntry(jobs), "07-9");
    EXPECT_EQ(ctns.entries, (std::vector<std::string>{"C2", "C3"})) << "no CTN came back: the list is kept";

    ASSERT_EQ(fillJobAndCtnLists(db.jobAndCtnNumbers(""), "", jobs, ctns), 0);
    EXPECT_EQ(selectedEntry(ctns), ctns.entry(0));
    EXPECT_EQ(jobs.selected(), 0);
}

TEST_P(ParameterLists, StoredStatusesCarryTheMarker) {
    const std::string marker(kStoredStatusMarker);
    ASSERT_EQ(markStoredStatuses(db.storedStatuses("05-100", "C3"), 1, list), 0);
    EXPECT_EQ(list.entries,
              (std::vector<std::string>{"Working", "Coord. Signoff" + marker, "Programmed" + marker}));
    EXPECT_EQ(list.selected(), 1);
    ASSERT_EQ(markStoredStatuses(db.storedStatuses("nobody", "C3"), -1, list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"Working", "Coord. Signoff", "Programmed"}));
    EXPECT_EQ(list.selected(), -1);
}

TEST_P(ParameterLists, PttIdsAreShownWithFiveDigitsAndLeadToTheirCtns) {
    ASSERT_EQ(fillList(list, db.lookupPttIds()), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"00000", "01234", "77777"}));
    EXPECT_EQ(list.selected(), 0);
    ASSERT_EQ(fillList(list, db.lookupCtnsOfPttId("01234")), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"C1", "C2", "C3"}));
    ASSERT_EQ(fillList(list, db.lookupCtnsOfPttId("not a number")), 0);
    EXPECT_TRUE(list.entries.empty());
}

TEST_P(ParameterLists, CustomerSearchListsTrimAndSkipEmptyTexts) {
    ASSERT_EQ(fillList(list, db.lookupCustomers()), 0);
    std::sort(list.entries.begin(), list.entries.end());
    EXPECT_EQ(list.entries, (std::vector<std::string>{"Acme", "Birch"}))
        << "the Default device has no customer";
    ASSERT_EQ(fillList(list, db.lookupJobsOfCustomer("acme")), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"05-100", "05-1000"})) << "texts compare ignoring case";
    ASSERT_EQ(fillList(list, db.lookupCtnsOfJobAndCustomer("05-100", "Acme")), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"C2", "C3"}));
    ASSERT_EQ(fillList(list, db.lookupStatusesOfJobAndCtn("05-100", "C3")), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"Coord. Signoff", "Programmed"}));
    ASSERT_EQ(fillList(list, db.lookupJobsOfCtn("C10")), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"06-1"}));
    ASSERT_EQ(fillList(list, db.lookupStatusesOfCtn("C3")), 0);
    EXPECT_EQ(list.count(), 2);
    ASSERT_EQ(fillList(list, db.lookupCtns()), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"C1", "C10", "C2", "C3", "Default"}));
}

// Texts that differ only in the case of ASCII letters are one entry; the lists
// are sorted by the texts with those letters lowered, byte by byte, so
// punctuation and letters beyond ASCII come in the same places on both engines.
// Of several spellings the entry shows that of the first device in key order.
class MixedCaseLists : public ParameterLists {
protected:
    void SetUp() override {
        ParameterLists::SetUp();
        if (IsSkipped()) return;
        record.text(StringRow::Customer) = "acme";
        ASSERT_EQ(save("AB-1", "K2"), DbResult::Ok);
        ASSERT_EQ(save("ab-1", "k1"), DbResult::Ok);
        record.text(StringRow::Customer) = "a_b";
        ASSERT_EQ(save("ab_1", "k_1"), DbResult::Ok);
        record.text(StringRow::Customer) = "A-b";
        ASSERT_EQ(save("Ab~", "K~"), DbResult::Ok);
        ASSERT_EQ(save("ab1", "k1"), DbResult::Ok);
        ASSERT_EQ(save("\u00C9-1", "k\u00C9"), DbResult::Ok);
        ASSERT_EQ(save("\u00E9-1", "k\u00E92"), DbResult::Ok);
        ASSERT_EQ(save("ab1", "K1", "Programmed"), DbResult::Ok);
        presenter.clear();
    }
};

TEST_P(MixedCaseLists, BothEnginesGiveTheSameEntriesInTheSameOrder) {
    ASSERT_EQ(fillJobAndCtnLists(db.jobAndCtnNumbers("AB1"), "", jobs, ctns), 0);
    EXPECT_EQ(jobs.entries, (std::vector<std::string>{"05-100", "05-1000", "06-1", "ab-1", "ab1", "ab_1",
                                                      "Ab~", "Default", "\u00C9-1", "\u00E9-1"}));
    EXPECT_EQ(selectedEntry(jobs), "ab1");
    EXPECT_EQ(ctns.entries, (std::vector<std::string>{"K1"})) << "of k1/K1 the spelling stored as Programmed";

    ASSERT_EQ(fillList(list, db.lookupCtns()), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"C1", "C10", "C2", "C3", "Default", "k1", "K2", "k_1",
                                                      "K~", "k\u00C9", "k\u00E92"}));
    ASSERT_EQ(fillList(list, db.lookupCustomers()), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"A-b", "a_b", "Acme", "Birch"}));
    ASSERT_EQ(fillList(list, db.lookupJobsOfCustomer("ACME")), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"05-100", "05-1000", "ab-1"}));
    ASSERT_EQ(fillList(list, db.lookupJobsOfCtn("K1")), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"ab-1", "ab1"}));

    std::vector<DeviceKey> devices;
    ASSERT_EQ(db.listDevices(devices), DbResult::Ok);
    std::vector<std::string> keys;
    for (const DeviceKey& key : devices) {
        if (key.job.rfind("05", 0) != 0) keys.push_back(key.job + "/" + key.ctn + "/" + key.status);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"06-1/C10/Working", "ab-1/k1/Working", "AB-1/K2/Working",
                                              "ab1/K1/Programmed", "ab1/k1/Working", "ab_1/k_1/Working",
                                              "Ab~/K~/Working", "Default/Default/Working",
                                              "\u00C9-1/k\u00C9/Working", "\u00E9-1/k\u00E92/Working"}));
}

// A database made before the lists had indexes of their own gets them at its
// first open in a run (on the file, the key indexes serve the lists).
TEST_P(MixedCaseLists, AnOlderDatabaseGetsTheListIndexes) {
    const bool server = isServerUri(path);
    const std::string count =
        "SELECT count(*) FROM pg_indexes WHERE indexname IN ('GenParmsTbl_JobList', 'GenParmsTbl_CtnList')";
    if (server) {
        EXPECT_EQ(rawScalar(path, count), "2");
        rawQuery(path, "DROP INDEX GenParmsTbl_JobList; DROP INDEX GenParmsTbl_CtnList");
    }
    ParameterDb fresh(log, record);
    fresh.setCurrentPath(path);
    ASSERT_EQ(fillJobAndCtnLists(fresh.jobAndCtnNumbers("ab-1"), "", jobs, ctns), 0);
    EXPECT_EQ(jobs.count(), 10);
    EXPECT_EQ(ctns.entries, (std::vector<std::string>{"k1", "K2"}));
    if (server) {
        EXPECT_EQ(rawScalar(path, count), "2");
    }
    EXPECT_EQ(presenter.count(), 0u);
}

// Only a file can hold a value of another kind in a text column.
class ParameterListsFileOnly : public ParameterLists {
protected:
    Engine engine() const override { return Engine::Sqlite; }
};

TEST_F(ParameterListsFileOnly, AValueThatIsNotTextEndsTheListWithoutAMessage) {
    rawQuery(path, "UPDATE GenParmsTbl SET Customer = X'41' WHERE JobNumber = '06-1'");
    EXPECT_EQ(fillList(list, db.lookupCustomers()), 1);
    EXPECT_EQ(presenter.count(), 0u);
    EXPECT_FALSE(db.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Engines, ParameterLists, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);
INSTANTIATE_TEST_SUITE_P(Engines, MixedCaseLists, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

}  // namespace
}  // namespace orv::test
