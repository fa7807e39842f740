// The "DataBase Handler Utility": Year filter, statistics and Make DB.

#include "dialogs/handler_utility.h"

#include "app/format_text.h"
#include "db/db_messages.h"
#include "db_test_support.h"

namespace orv::test {
namespace {

class HandlerUtilityTest : public ParameterDbTest {
protected:
    void SetUp() override {
        ParameterDbTest::SetUp();
        if (IsSkipped()) return;
        createDatabase();
        for (const char* job : {"05-1", "05-2", "04-7", "15-3", "A-9"})
            ASSERT_EQ(save(job, "C1"), DbResult::Ok);
        record.general(GeneralRow::ElevAngle) = 33;
        ASSERT_EQ(save("05-1", "C2", "Programmed"), DbResult::Ok);
        ASSERT_EQ(save("05-1", "C2", "Coord. Signoff"), DbResult::Ok);
        resetRecord(record);
        utility.open();
        presenter.clear();
    }

    void selectYear(const std::string& year) {
        yearCombo.select(findEqualEntry(yearCombo, year));
        utility.yearSelected();
    }

    VectorChoiceList jobCombo, ctnCombo, statusCombo, yearCombo, jobsList, ctnsList, statusList;
    HandlerUtility utility{
        db, log, {jobCombo, ctnCombo, statusCombo, yearCombo, jobsList, ctnsList, statusList}};
};

TEST_P(HandlerUtilityTest, YearFilterListsTheJobsOfThatYear) {
    EXPECT_EQ(yearCombo.count(), 11);
    selectYear("05");
    EXPECT_EQ(jobsList.entries, (std::vector<std::string>{"05-1", "05-2"}));
    selectYear("Other");
    std::sort(jobsList.entries.begin(), jobsList.entries.end());
    EXPECT_EQ(jobsList.entries, (std::vector<std::string>{"15-3", "A-9", "Default"}));
    const auto other = jobsList.entries;
    selectYear("10");
    std::sort(jobsList.entries.begin(), jobsList.entries.end());
    EXPECT_EQ(jobsList.entries, other);
}

TEST_P(HandlerUtilityTest, StatisticsCountByTheSecondCharacter) {
    utility.statistics();
    ASSERT_EQ(presenter.count(), 2u);
    EXPECT_EQ(presenter.boxes[0].text, "6 is number of Jobs");
    // "05-1", "05-2", "15-3" under 05; "04-7" under 04; "A-9" and "Default" other.
    EXPECT_EQ(presenter.boxes[1].text, "01 - 0,  02 - 0, 03 - 0, 04 - 1, 05 - 3, 06 - 0, 07 - 0, other - 2");
}

TEST_P(HandlerUtilityTest, MakeDbWithNoJobsListedCopiesNothingButNamesTheTarget) {
    utility.targetName = stores.fresh(engine(), "copy.mdb");
    const MakeDbResult result = utility.makeDb();
    EXPECT_EQ(result.copied, 0);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text, utility.targetName);
    EXPECT_TRUE(TestStores::untouched(utility.targetName));
}

TEST_P(HandlerUtilityTest, MakeDbCopiesEveryStatusAndRestoresPathAndRecord) {
    const std::string target = stores.fresh(engine(), "copy.mdb");
    utility.targetName = target;
    selectYear("05");
    record.general(GeneralRow::SigLevel) = 19;  // on screen, unsaved
    const ParameterRecord onScreen = record;
    presenter.defaultQuestionAnswer = kAnswerYes;  // create the target
    const MakeDbResult result = utility.makeDb();
    EXPECT_EQ(result.copied, 4);
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(db.currentPath(), path);
    EXPECT_EQ(record.generalValues, onScreen.generalValues);
    EXPECT_EQ(rawQuery(target,
                       "SELECT JobNumber, CtnNumber, DevStatus, CAST(ElevAngle AS INTEGER) FROM GenParmsTbl "
                       "WHERE JobNumber <> 'Default' ORDER BY 1, 2, 3"),
              (std::vector<std::vector<std::string>>{{"05-1", "C1", "Working", "10"},
                                                     {"05-1", "C2", "Coord. Signoff", "33"},
                                                     {"05-1", "C2", "Programmed", "33"},
                                                     {"05-2", "C1", "Working", "10"}}));
    EXPECT_EQ(rawScalar(target, "SELECT count(*) FROM SeasParmsTbl"), "60");
}

TEST_P(HandlerUtilityTest, ADeviceThatCannotBeReadIsReportedAndNotCopied) {
    rawQuery(path, "DELETE FROM SeasParmsTbl WHERE JobNumber = '05-2' AND SeasonNum = 3");
    utility.targetName = stores.fresh(engine(), "copy.mdb");
    selectYear("05");
    presenter.defaultQuestionAnswer = kAnswerYes;
    const MakeDbResult result = utility.makeDb();
    EXPECT_EQ(result.copied, 3);
    ASSERT_EQ(result.failed.size(), 1u);
    EXPECT_EQ(result.failed[0].job, "05-2");
    EXPECT_EQ(presenter.shown(BoxKind::Error).at(0).text, formatText(dbtext::kNoSeason, "05-2", "C1", 3));
    EXPECT_EQ(rawScalar(utility.targetName, "SELECT count(*) FROM GenParmsTbl WHERE JobNumber = '05-2'"),
              "0");
}

INSTANTIATE_TEST_SUITE_P(Engines, HandlerUtilityTest, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

}  // namespace
}  // namespace orv::test
