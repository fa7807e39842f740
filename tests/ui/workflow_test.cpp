// The main window's database workflows and their rules, on real widgets.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "db/parameter_db.h"
#include "device/target_link.h"
#include "progress_window.h"
#include "up_down_control.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class WorkflowTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
    }
    std::string shownText(int stringRow) {
        return window().mainControls().text(mainStringControl(stringRow));
    }
    bool askedAboutSignoff() const {
        return sawTextStarting("Do you want to change the device status to 'Coord.");
    }
};

TEST_F(WorkflowTest, ACustomerSavesAWorkingRecordWithoutTheSignoffQuestion) {
    answer(kAnswerYes);  // overwrite the stored Default device
    EXPECT_EQ(window().workflow().records.saveRecord(), 0);
    EXPECT_FALSE(askedAboutSignoff());
    EXPECT_TRUE(sawTextStarting("There is already a record in the database with Job number: 'Default'"));
    EXPECT_EQ(window().windowTitle(), "Halvorn Orv - Vosk");
}

TEST_F(WorkflowTest, AnEngineerDecliningTheSignoffClearsTheSignoffAndProgrammedLines) {
    loginAs("Erin", "Engineer", 0x088);
    record().text(StringRow::CoordSignoff) = "Zed";
    record().text(StringRow::ProgrammedBy) = "Pat";
    window().workflow().screen.showMainFields();
    answer(kAnswerNo);   // no sign-off
    answer(kAnswerYes);  // overwrite
    EXPECT_EQ(window().workflow().records.saveRecord(), 0);
    EXPECT_TRUE(askedAboutSignoff());
    EXPECT_EQ(record().text(StringRow::CoordSignoff), "");
    EXPECT_EQ(record().text(StringRow::ProgrammedBy), "");
    EXPECT_EQ(shownText(StringRow::CoordSignoff), "");
    EXPECT_EQ(comboText(window().statusCombo()).rfind("Working", 0), 0u);
}

TEST_F(WorkflowTest, AnEngineerSigningOffSavesTheRecordAsCoordSignoffWithHisName) {
    loginAs("Erin", "Engineer", 0x088);
    answer(kAnswerYes);  // sign off
    answer(kAnswerNo);   // no report
    EXPECT_EQ(window().workflow().records.saveRecord(), 0);
    EXPECT_EQ(record().text(StringRow::CoordSignoff), "Erin");
    EXPECT_EQ(record().text(StringRow::DevStatus), "Coord. Signoff");
    EXPECT_FALSE(shownText(StringRow::CoordSignoffDate).empty());
    // Now stored under that status as well: its list entry carries the marker.
    EXPECT_NE(window().statusCombo()->itemText(1).toStdString().find(" --------------------"),
              std::string::npos);
}

TEST_F(WorkflowTest, AnEngineerSavingAsProgrammedIsMarkedAsAManualSave) {
    loginAs("Erin", "Engineer", 0x088);
    selectStatus("Programmed");
    answer(kAnswerYes);
    EXPECT_EQ(window().workflow().records.saveRecord(), 0);
    EXPECT_EQ(record().text(StringRow::ProgrammedBy), "#Erin");
    EXPECT_EQ(shownText(StringRow::ProgrammedBy), "#Erin");
    // Declining saves nothing.
    boxes().clear();
    answer(kAnswerNo);
    record().text(StringRow::ProgrammedBy) = "x";
    EXPECT_EQ(window().workflow().records.saveRecord(), 0);
    EXPECT_FALSE(sawTextStarting("There is already a record"));
}

TEST_F(WorkflowTest, ReadAnsweredNoLeavesTheScreenAsItWas) {
    window().notesEdit()->setPlainText("changed on the screen");
    EXPECT_EQ(record().text(StringRow::Notes), "changed on the screen");
    EXPECT_TRUE(window().windowTitle().endsWith(" *"));
    answer(kAnswerNo);
    window().readRecord();
    EXPECT_TRUE(sawTextStarting("Some data has has been changed on the screen"));
    EXPECT_EQ(window().notesEdit()->toPlainText(), "changed on the screen");
    EXPECT_TRUE(window().windowTitle().endsWith(" *"));
    // Yes reads the stored device back over the edit.
    answer(kAnswerYes);
    window().readRecord();
    EXPECT_EQ(window().notesEdit()->toPlainText(), "");
    EXPECT_EQ(window().windowTitle(), "Halvorn Orv - Vosk");
}

TEST_F(WorkflowTest, AChangedFieldIsMarkedUntilTheRecordIsSaved) {
    EXPECT_EQ(window().labelText(StringRow::Customer), "Customer:");
    window().customerEdit()->setText("Acme");
    window().workflow().identity.textEdited(StringRow::Customer);
    EXPECT_EQ(window().labelText(StringRow::Customer), "* Customer:");
    EXPECT_EQ(window().windowTitle(), "Halvorn Orv - Vosk *");
    answer(kAnswerYes);  // overwrite
    window().saveRecord();
    EXPECT_EQ(window().labelText(StringRow::Customer), "Customer:");
    EXPECT_EQ(window().windowTitle(), "Halvorn Orv - Vosk");
    // The database now holds the change: a check finds no difference.
    window().checkRecord();
    EXPECT_TRUE(sawText("The screen information is the same as the data in the database."));
}

TEST_F(WorkflowTest, TheDeploymentYearStepsWithItsArrowsAndIsKeptWithinItsLimits) {
    auto* spin = window().findChild<UpDownControl*>();
    ASSERT_NE(spin, nullptr);
    spin->step(1);
    EXPECT_EQ(window().mainControls().text(mainGeneralControl(GeneralRow::StartYear)), "2007");
    window().workflow().screen.collectMainFields();
    EXPECT_EQ(record().general(GeneralRow::StartYear), 2007);
    window().mainControls().setText(mainGeneralControl(GeneralRow::StartYear), "2031");
    window().converter().fieldEdited(Page::Main, GeneralRow::StartYear);
    EXPECT_EQ(record().general(GeneralRow::StartYear), 2020);
    EXPECT_TRUE(sawTextStarting("'2031.0000' in field 'Deployment Year' was modified to '2020.0000'"));
}

TEST_F(WorkflowTest, ExitAsksOnceAndSavesWhenTheUserSaysSo) {
    answer(kAnswerNo);
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(sawText("Are you really sure you want to exit the application?"));
    window().notesEdit()->setPlainText("unsaved");
    answer(kAnswerCancel);
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    answer(kAnswerYes);  // save and exit
    answer(kAnswerYes);  // overwrite
    EXPECT_TRUE(window().close());
    EXPECT_EQ(record().recordDirty, 0);
}

TEST_F(WorkflowTest, AZeroPttIdIsQuestionedBeforeProgramming) {
    loginAs("Erin", "Engineer", 0x088);
    record().general(GeneralRow::XmitnsEnabled) = 1;
    record().general(GeneralRow::XmitterEnblType) = 1;
    record().general(GeneralRow::PttIdCode) = 0;
    // What the pages show is what is programmed.
    window().workflow().screen.showRecord();
    answer(kAnswerYes);  // save as programmed
    answer(kAnswerNo);   // not with a zero PTT ID
    window().writeDevice();
    EXPECT_TRUE(sawTextStarting("The 'Assigned PTT ID code' is currently zero!"));
    EXPECT_FALSE(sawTextStarting("Programming the device will replace"));
    EXPECT_FALSE(window().operationRunning());
}

TEST_F(WorkflowTest, NotesHoldAtMost240Characters) {
    window().notesEdit()->setPlainText(QString(241, 'n'));
    EXPECT_TRUE(sawText("The Notes field can only hold 240 characters."));
    EXPECT_EQ(window().notesEdit()->toPlainText().size(), 240);
    EXPECT_EQ(record().text(StringRow::Notes).size(), 240u);
}

TEST_F(WorkflowTest, WriteDeviceWithoutAUserNameStopsBeforeAnyTraffic) {
    loginAs("", "Customer", 0x011);
    window().writeDevice();
    EXPECT_TRUE(sawTextStarting("Users must identify themselves to program devices."));
    EXPECT_FALSE(window().operationRunning());
    EXPECT_FALSE(window().progressWindow()->isVisible());
    EXPECT_FALSE(app->link().portIsOpen());
    EXPECT_TRUE(window().contentWidget()->isEnabled());
}

TEST_F(WorkflowTest, ACustomerWhoDeclinesTheProgrammingQuestionIsToldNothingWasProgrammed) {
    answer(kAnswerNo);
    window().writeDevice();
    EXPECT_TRUE(
        sawTextStarting("After programming, the configuration will be saved to the database\nwith 'User'"));
    EXPECT_TRUE(sawText("The device was NOT programmed."));
    EXPECT_FALSE(window().operationRunning());
}

TEST_F(WorkflowTest, DeletingAsksAndReportsTheOutcome) {
    answer(kAnswerNo);
    window().deleteRecord();
    EXPECT_TRUE(sawText("The device was NOT deleted from the database."));
    answer(kAnswerYes);
    window().deleteRecord();
    EXPECT_TRUE(
        sawText("Job #: 'Default', Ctn #: 'Default', Status: 'Working' has been deleted from the database"));
    answer(kAnswerYes);
    window().deleteRecord();
    EXPECT_TRUE(
        sawText("Job #: 'Default', Ctn #: 'Default', Status: 'Working' was not found in the database"));
}

TEST_F(WorkflowTest, ANewJobAndCtnTypedAreOfferedForReadingOnEnter) {
    window().jobCombo()->setEditText("J42");
    window().workflow().identity.jobTyped();
    answer(kAnswerNo);
    window().workflow().identity.enterPressed(0);
    EXPECT_TRUE(sawTextStarting("The Job Number and/or a CTN/sequence number have changed."));
    EXPECT_EQ(record().text(StringRow::JobNumber), "J42");
    EXPECT_FALSE(sawTextStarting("Could not find Job number"));
    // The status of the new key can be saved; renaming needs a new name.
    window().workflow().identity.changeDeviceName(NameField::Job, "");
    EXPECT_TRUE(sawTextStarting("The current Job Number and CTN number and the 'New Job Number' fields"));
}

TEST_F(WorkflowTest, OnlyAnEngineerMaySaveTheDefaultJobOrAProgrammedDevice) {
    QPushButton* save = window().button(MainButton::Save);
    QPushButton* remove = window().button(MainButton::Delete);
    EXPECT_TRUE(save->isEnabled());
    selectStatus("Programmed");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    selectStatus("Coord. Signoff");
    EXPECT_FALSE(save->isEnabled());
    loginAs("Cora", "Coordinator", 0x022);
    selectStatus("Coord. Signoff");
    EXPECT_TRUE(save->isEnabled());
    window().jobCombo()->setEditText(" DEFAULT");
    selectStatus("Working");
    EXPECT_FALSE(save->isEnabled());
    loginAs("Erin", "Engineer", 0x088);
    selectStatus("Working");
    EXPECT_TRUE(save->isEnabled());
}

class RangeTest : public WindowTest {};

TEST_F(RangeTest, SaveAndDeleteAreEnabledOnlyOnTheLastTwoOfThreeEntries) {
    writeSettings(
        "[DataBase]\nYears=3\n[Files]\nYear0=2004\nYear1=2005\nYear2=2006\nParameter Db1=old.mdb\n"
        "Parameter Db2=mid.mdb\nParameter Db3=Orv3.mdb\n");
    answer(kAnswerYes);
    startProgram();
    QComboBox* range = window().rangeCombo();
    ASSERT_EQ(range->count(), 3);
    EXPECT_EQ(range->currentIndex(), 2);
    QPushButton* save = window().button(MainButton::Save);
    QPushButton* remove = window().button(MainButton::Delete);
    const bool expected[] = {false, true, true};
    for (int entry : {0, 1, 2}) {
        range->setCurrentIndex(entry);
        answer(kAnswerNo);  // a database that is not there is not created
        window().workflow().identity.selectRange();
        EXPECT_EQ(save->isEnabled(), expected[entry]) << entry;
        EXPECT_EQ(remove->isEnabled(), expected[entry]) << entry;
    }
    EXPECT_EQ(app->settings().parameterDbPath, "Orv3.mdb");
    EXPECT_EQ(app->parameterDb().currentPath(), "Orv3.mdb");
}

}  // namespace
}  // namespace orv::test
