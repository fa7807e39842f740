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
        ASSERT_EQ(save("05-1000", "C1"), 0);
        ASSERT_EQ(save("05-100", "C2"), 0);
        ASSERT_EQ(save("05-100", "C3", "Programmed"), 0);
        ASSERT_EQ(save("05-100", "C3", "Coord. Signoff"), 0);
        record.general(GeneralRow::PttIdCode) = 77777;
        record.text(StringRow::Customer) = "Birch   ";
        ASSERT_EQ(save("06-1", "C10"), 0);
        presenter.clear();
    }

    VectorChoiceList jobs;
    VectorChoiceList ctns;
    VectorChoiceList list;
};

TEST_P(ParameterLists, JobAndCtnListsSelectTheJobAskedForNotOneBeginningLikeIt) {
    ASSERT_EQ(db.fillJobAndCtnLists("05-100", "C3", jobs, ctns), 0);
    EXPECT_EQ(jobs.count(), 4);  // with the Default device
    EXPECT_EQ(selectedEntry(jobs), "05-100");
    EXPECT_EQ(ctns.entries, (std::vector<std::string>{"C2", "C3"}));
    EXPECT_EQ(selectedEntry(ctns), "C3");

    ASSERT_EQ(db.fillJobAndCtnLists("07-9", "", jobs, ctns), 0);
    EXPECT_EQ(jobs.count(), 5) << "a Job that is not stored is added and selected";
    EXPECT_EQ(selectedEntry(jobs), "07-9");
    EXPECT_EQ(ctns.entries, (std::vector<std::string>{"C2", "C3"})) << "no CTN came back: the list is kept";

    ASSERT_EQ(db.fillJobAndCtnLists("", "", jobs, ctns), 0);
    EXPECT_EQ(selectedEntry(ctns), ctns.entry(0));
    EXPECT_EQ(jobs.selected(), 0);
}

TEST_P(ParameterLists, StoredStatusesCarryTheMarker) {
    const std::string marker(kStoredStatusMarker);
    ASSERT_EQ(db.markStoredStatuses("05-100", "C3", 1, list), 0);
    EXPECT_EQ(list.entries,
              (std::vector<std::string>{"Working", "Coord. Signoff" + marker, "Programmed" + marker}));
    EXPECT_EQ(list.selected(), 1);
    ASSERT_EQ(db.markStoredStatuses("nobody", "C3", -1, list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"Working", "Coord. Signoff", "Programmed"}));
    EXPECT_EQ(list.selected(), -1);
}

TEST_P(ParameterLists, PttIdsAreShownWithFiveDigitsAndLeadToTheirCtns) {
    ASSERT_EQ(db.lookupPttIds(list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"00000", "01234", "77777"}));
    EXPECT_EQ(list.selected(), 0);
    ASSERT_EQ(db.lookupCtnsOfPttId("01234", list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"C1", "C2", "C3"}));
    ASSERT_EQ(db.lookupCtnsOfPttId("not a number", list), 0);
    EXPECT_TRUE(list.entries.empty());
}

TEST_P(ParameterLists, CustomerSearchListsTrimAndSkipEmptyTexts) {
    ASSERT_EQ(db.lookupCustomers(list), 0);
    std::sort(list.entries.begin(), list.entries.end());
    EXPECT_EQ(list.entries, (std::vector<std::string>{"Acme", "Birch"}))
        << "the Default device has no customer";
    ASSERT_EQ(db.lookupJobsOfCustomer("acme", list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"05-100", "05-1000"})) << "texts compare ignoring case";
    ASSERT_EQ(db.lookupCtnsOfJobAndCustomer("05-100", "Acme", list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"C2", "C3"}));
    ASSERT_EQ(db.lookupStatusesOfJobAndCtn("05-100", "C3", list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"Coord. Signoff", "Programmed"}));
    ASSERT_EQ(db.lookupJobsOfCtn("C10", list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"06-1"}));
    ASSERT_EQ(db.lookupStatusesOfCtn("C3", list), 0);
    EXPECT_EQ(list.count(), 2);
    ASSERT_EQ(db.lookupCtns(list), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"C1", "C10", "C2", "C3", "Default"}));
}

// Only a file can hold a value of another kind in a text column.
class ParameterListsFileOnly : public ParameterLists {
protected:
    Engine engine() const override { return Engine::Sqlite; }
};

TEST_F(ParameterListsFileOnly, AValueThatIsNotTextEndsTheListWithoutAMessage) {
    rawQuery(path, "UPDATE GenParmsTbl SET Customer = X'41' WHERE JobNumber = '06-1'");
    EXPECT_EQ(db.lookupCustomers(list), 1);
    EXPECT_EQ(presenter.count(), 0u);
    EXPECT_FALSE(db.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Engines, ParameterLists, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

}  // namespace
}  // namespace orv::test
