// The Database group without a window: the save rules by status and level,
// the sign-off and programmed lines, read, check and delete, Exit.

#include <algorithm>

#include "binding/field_converter.h"
#include "workflow/main_rules.h"
#include "workflow_fixture.h"

namespace orv::test {
namespace {

class SaveRecord : public WorkflowTest {
protected:
    void SetUp() override { start(); }
    void signedOffBefore() {
        record.text(StringRow::CoordSignoff) = "Zed";
        record.text(StringRow::CoordSignoffDate) = "01/01/2001  01:01";
        record.text(StringRow::ProgrammedBy) = "Pat";
        record.text(StringRow::ProgByDate) = "02/02/2002  02:02";
        screen().showMainFields();
    }
    const std::string kDate = dateTimeText(kNow);
    const char* kSignoffQuestion =
        "Do you want to change the device status to 'Coord. Signoff' with\n'%s' as the saved coordinator?";
};

TEST_F(SaveRecord, ACustomerSavesAWorkingRecordUnchangedWithoutAQuestion) {
    signedOffBefore();
    answer(kAnswerYes);  // overwrite the stored Default device
    EXPECT_EQ(records().saveRecord(), 0);
    EXPECT_EQ(texts().size(), 1u);
    EXPECT_TRUE(sawStarting("There is already a record in the database with Job number: 'Default'"));
    EXPECT_EQ(record.text(StringRow::CoordSignoff), "Zed");
    EXPECT_EQ(record.text(StringRow::ProgrammedBy), "Pat");
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk");
}

TEST_F(SaveRecord, AWorkingRecordOfAnEngineerOrCoordinatorIsOfferedForSignoff) {
    for (const auto& [name, level, mask] :
         {std::tuple{"Erin", "Engineer", 0x088}, {"Cora", "Coordinator", 0x022}}) {
        SCOPED_TRACE(level);
        loginAs(name, level, mask);
        selectStatus("Working");
        boxes.clear();
        view.printed.clear();
        answer(kAnswerYes);  // sign off
        answer(kAnswerYes);  // print the report
        answer(kAnswerYes);  // overwrite, when stored before
        EXPECT_EQ(records().saveRecord(), 0);
        EXPECT_EQ(boxes.boxes.at(0).text,
                  "Do you want to change the device status to 'Coord. Signoff' with\n'" + std::string(name) +
                      "' as the saved coordinator?");
        EXPECT_EQ(boxes.boxes.at(1).text, "Do you want to print a 'COORDINATOR SIGNOFF' SPR Report?");
        EXPECT_EQ(view.printed, std::vector<std::string>{"COORDINATOR SIGNOFF REPORT"});
        EXPECT_EQ(record.text(StringRow::CoordSignoff), name);
        EXPECT_EQ(record.text(StringRow::CoordSignoffDate), kDate);
        EXPECT_EQ(shown(StringRow::CoordSignoffDate), kDate);
        EXPECT_EQ(record.text(StringRow::ProgrammedBy), "");
        EXPECT_EQ(record.text(StringRow::DevStatus), "Coord. Signoff");
        // Stored under the new status: its entry is marked and selected.
        EXPECT_EQ(storedStatuses("Default", "Default"),
                  (std::vector<std::string>{"Working", "Coord. Signoff"}));
        EXPECT_EQ(view.statuses.selected(), 1);
    }
}

TEST_F(SaveRecord, DecliningTheSignoffClearsTheSignoffAndProgrammedLines) {
    loginAs("Erin", "Engineer", 0x088);
    signedOffBefore();
    answer(kAnswerNo);   // no sign-off
    answer(kAnswerYes);  // overwrite
    EXPECT_EQ(records().saveRecord(), 0);
    for (const int row : {StringRow::CoordSignoff, StringRow::CoordSignoffDate, StringRow::ProgrammedBy,
                          StringRow::ProgByDate}) {
        EXPECT_EQ(record.text(row), "") << row;
        EXPECT_EQ(shown(row), "") << row;
    }
    EXPECT_EQ(record.text(StringRow::DevStatus), "Working");
    EXPECT_TRUE(view.printed.empty());
    EXPECT_EQ(selectedEntry(view.statuses).rfind("Working", 0), 0u);
}

TEST_F(SaveRecord, ASignedOffRecordIsSignedAgainByWhoeverSavesIt) {
    selectStatus("Coord. Signoff");
    signedOffBefore();
    answer(kAnswerNo);  // no report
    EXPECT_EQ(records().saveRecord(), 0);
    EXPECT_EQ(texts().front(), "Do you want to print a 'COORDINATOR SIGNOFF' SPR Report?");
    EXPECT_EQ(record.text(StringRow::CoordSignoff), "User");
    EXPECT_EQ(record.text(StringRow::CoordSignoffDate), kDate);
    EXPECT_EQ(record.text(StringRow::ProgrammedBy), "");
    EXPECT_EQ(record.text(StringRow::ProgByDate), "");
    EXPECT_EQ(storedStatuses("Default", "Default"), (std::vector<std::string>{"Working", "Coord. Signoff"}));
}

TEST_F(SaveRecord, AnEngineerSavingAsProgrammedIsMarkedAsAManualSave) {
    loginAs("Erin", "Engineer", 0x088);
    selectStatus("Programmed");
    answer(kAnswerNo);  // not as programmed: nothing is stored
    EXPECT_EQ(records().saveRecord(), kSaveNothingStored);
    EXPECT_EQ(texts(),
              std::vector<std::string>{
                  "Do you want to save the record to 'Programmed' with\n'Erin' as the saved programmer?"});
    EXPECT_EQ(storedStatuses("Default", "Default"), std::vector<std::string>{"Working"});

    answer(kAnswerYes);
    EXPECT_EQ(records().saveRecord(), 0);
    EXPECT_EQ(record.text(StringRow::ProgrammedBy), "#Erin");
    EXPECT_EQ(record.text(StringRow::ProgByDate), kDate);
    EXPECT_EQ(shown(StringRow::ProgrammedBy), "#Erin");
    EXPECT_EQ(storedStatuses("Default", "Default"), (std::vector<std::string>{"Working", "Programmed"}));
}

TEST_F(SaveRecord, AProgrammedRecordOfAnyoneElseIsSavedUnchanged) {
    loginAs("Cora", "Coordinator", 0x022);
    selectStatus("Programmed");
    signedOffBefore();
    EXPECT_EQ(records().saveRecord(), 0);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(record.text(StringRow::ProgrammedBy), "Pat");
    EXPECT_EQ(record.text(StringRow::CoordSignoff), "Zed");
    EXPECT_EQ(storedStatuses("Default", "Default"), (std::vector<std::string>{"Working", "Programmed"}));
}

TEST_F(SaveRecord, TheKeyOnScreenIsSavedAndTheListsFollow) {
    type(StringRow::JobNumber, "J7   ");
    type(StringRow::CtnNumber, "C9");
    EXPECT_EQ(records().saveRecord(), 0);
    EXPECT_EQ(storedStatuses("J7", "C9"), std::vector<std::string>{"Working"});
    EXPECT_EQ(selectedEntry(view.jobs), "J7");
    EXPECT_EQ(selectedEntry(view.ctns), "C9");
    EXPECT_EQ(shown(StringRow::JobNumber), "J7");
    // Without the identity area there is nothing to save.
    pages.removePage(Page::Main);
    EXPECT_EQ(records().saveRecord(), 1);
}

class ReadCheckDelete : public WorkflowTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(ReadCheckDelete, ReadAsksBeforeReplacingChangesAndLoadsTheStoredDevice) {
    type(StringRow::Notes, "changed on the screen");
    identity().textEdited(StringRow::Notes);
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk *");
    answer(kAnswerNo);
    records().readRecord();
    EXPECT_EQ(texts(), std::vector<std::string>{
                           "Some data has has been changed on the screen -- reading from the\n"
                           "database now will destroy those changes.\nAre you sure want to continue?"});
    EXPECT_EQ(record.text(StringRow::Notes), "changed on the screen");
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk *");

    answer(kAnswerYes);
    records().readRecord();
    EXPECT_EQ(record.text(StringRow::Notes), "");
    EXPECT_EQ(shown(StringRow::Notes), "");
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk");
    EXPECT_FALSE(record.recordDirty);
    // A clean screen is read without a question.
    boxes.clear();
    records().readRecord();
    EXPECT_TRUE(texts().empty());
}

TEST_F(ReadCheckDelete, ReadTakesTheTransmissionsFlagFromTheEnableType) {
    record.general(GeneralRow::XmitnsEnabled) = 0;
    record.general(GeneralRow::XmitterEnblType) = 2;
    answer(kAnswerYes);  // overwrite
    ASSERT_EQ(db.saveDevice("Default", "Default", "Working"), DbResult::Ok);
    record.general(GeneralRow::XmitterEnblType) = 0;
    records().readRecord();
    EXPECT_EQ(record.general(GeneralRow::XmitterEnblType), 2);
    EXPECT_EQ(record.general(GeneralRow::XmitnsEnabled), 1);
}

TEST_F(ReadCheckDelete, CheckComparesTheScreenWithTheStoredDevice) {
    records().checkRecord();
    EXPECT_EQ(texts(),
              std::vector<std::string>{"The screen information is the same as the data in the database."});
    boxes.clear();
    main().setText(mainGeneralControl(GeneralRow::StartYear), "2011");
    type(StringRow::Customer, "Acme");
    records().checkRecord();
    EXPECT_FALSE(saw("The screen information is the same as the data in the database."));
    ASSERT_EQ(boxes.count(), 1u) << "the first difference is shown";
    // Behind it, every difference from the stored device to the screen.
    const std::string& details = boxes.last().details;
    EXPECT_NE(details.find("(StartYear): "), std::string::npos) << details;
    EXPECT_NE(details.find("-> \"Acme\""), std::string::npos) << details;
    EXPECT_EQ(std::count(details.begin(), details.end(), '\n'), 2) << details;
    EXPECT_EQ(record.general(GeneralRow::StartYear), 2011) << "the screen stays as it is";

    // Details belong to that box alone.
    boxes.clear();
    log.information("next");
    EXPECT_EQ(boxes.last().details, "");
}

TEST_F(ReadCheckDelete, DeleteAsksAndReportsTheOutcome) {
    answer(kAnswerNo);
    records().deleteRecord();
    EXPECT_EQ(
        texts().at(0),
        "Are you sure you want to delete Job #: 'Default', Ctn #: 'Default'\nStatus: 'Working' from the "
        "database?");
    EXPECT_EQ(texts().at(1), "The device was NOT deleted from the database.");
    EXPECT_EQ(storedStatuses("Default", "Default"), std::vector<std::string>{"Working"});
    answer(kAnswerYes);
    records().deleteRecord();
    EXPECT_TRUE(
        saw("Job #: 'Default', Ctn #: 'Default', Status: 'Working' has been deleted from the database"));
    EXPECT_TRUE(storedStatuses("Default", "Default").empty());
    EXPECT_EQ(view.statuses.entries.front(), "Working") << "the marker is gone";
    answer(kAnswerYes);
    records().deleteRecord();
    EXPECT_TRUE(saw("Job #: 'Default', Ctn #: 'Default', Status: 'Working' was not found in the database"));
}

TEST_F(ReadCheckDelete, ExitAsksAboutUnsavedDataAndSavesOnYes) {
    answer(kAnswerNo);
    EXPECT_FALSE(records().exitApplication());
    EXPECT_EQ(texts(), std::vector<std::string>{"Are you really sure you want to exit the application?"});
    type(StringRow::Notes, "unsaved");
    identity().textEdited(StringRow::Notes);
    answer(kAnswerCancel);
    EXPECT_FALSE(records().exitApplication());
    answer(kAnswerNo);
    EXPECT_TRUE(records().exitApplication());
    EXPECT_TRUE(record.recordDirty) << "No leaves without saving";
    answer(kAnswerYes);  // save and exit
    answer(kAnswerYes);  // overwrite
    EXPECT_TRUE(records().exitApplication());
    EXPECT_FALSE(record.recordDirty);
    records().readRecord();
    EXPECT_EQ(record.text(StringRow::Notes), "unsaved");
}

TEST_F(ReadCheckDelete, DefaultsAskFirstAndLeaveTheRecordUnsaved) {
    EXPECT_TRUE(records().confirmDefaults());
    EXPECT_TRUE(texts().empty()) << "a clean screen is not asked about";
    type(StringRow::Notes, "typed");
    identity().textEdited(StringRow::Notes);
    answer(kAnswerNo);
    EXPECT_FALSE(records().confirmDefaults());
    EXPECT_TRUE(sawStarting("Data has been changed on the screen since the device was last saved"));
    records().defaultsApplied();
    EXPECT_TRUE(record.recordDirty);
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk *");
    EXPECT_FALSE(record.stringChanged[StringRow::Notes]) << "no field is marked";
}

}  // namespace
}  // namespace orv::test
