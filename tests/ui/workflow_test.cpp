// The main window's workflows wired to real widgets: the combos, buttons,
// edits and the window title. Their rules are tested without a window
// (tests/unit/workflow).

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "db/parameter_db.h"
#include "device/target_link.h"
#include "dialogs/progress_window.h"
#include "person.h"
#include "widgets/up_down_control.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class WorkflowTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);  // create the database
        startProgram();
    }
};

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
    EXPECT_FALSE(record().recordDirty);
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

TEST_F(WorkflowTest, TheStatusComboEnablesTheSaveAndDeleteButtons) {
    // The stored Default device's status is marked in the combo.
    EXPECT_NE(window().statusCombo()->itemText(0).toStdString().find(" --------------------"),
              std::string::npos);
    QPushButton* save = window().button(MainButton::Save);
    QPushButton* remove = window().button(MainButton::Delete);
    EXPECT_TRUE(save->isEnabled());
    selectStatus("Programmed");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    loginAs("Erin", "Engineer", 0x088);
    selectStatus("Programmed");
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
}

TEST_F(WorkflowTest, ASaveThatStoredNothingKeepsTheChangesForExit) {
    ASSERT_TRUE(bringToFront(window()));
    clickInto(window().customerEdit());
    typeKeys(window().customerEdit(), "Acme");
    pressTab(window().customerEdit());
    ASSERT_TRUE(window().windowTitle().endsWith(" *"));
    answer(kAnswerNo);  // do not overwrite the stored device
    QTest::mouseClick(window().button(MainButton::Save), Qt::LeftButton);
    EXPECT_TRUE(sawText("The device was NOT saved to the database."));
    EXPECT_TRUE(window().windowTitle().endsWith(" *"));
    EXPECT_EQ(window().labelText(StringRow::Customer), "* Customer:");
    // Exit still offers to keep the edits; saving there and declining again stays.
    boxes().clear();
    answer(kAnswerYes);  // save and exit
    answer(kAnswerNo);   // ... but not over the stored device
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(sawTextStarting("Screen data has not been saved to the database."));
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(record().recordDirty);
}

TEST_F(WorkflowTest, TheFileDialogsOpenInTheDataFolderThenWhereTheUserWas) {
    nextFile.clear();  // cancelled
    QTest::mouseClick(window().button(MainButton::Import), Qt::LeftButton);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(QDir(fileRequests.back().directory).canonicalPath(),
              QDir(QString::fromStdString(dir.path().string())).canonicalPath());
    std::filesystem::create_directory(dir.path() / "exchange");
    nextFile = QString::fromStdString((dir.path() / "exchange" / "missing.ppf").string());
    QTest::mouseClick(window().button(MainButton::Import), Qt::LeftButton);
    waitUntil([this] { return !window().operationRunning(); }, std::chrono::seconds(20));
    nextFile.clear();
    QTest::mouseClick(window().button(MainButton::Import), Qt::LeftButton);
    ASSERT_EQ(fileRequests.size(), 3u);
    EXPECT_EQ(QDir(fileRequests.back().directory).canonicalPath(),
              QDir(QString::fromStdString((dir.path() / "exchange").string())).canonicalPath());
}

class RangeTest : public WindowTest {};

TEST_F(RangeTest, ARangeEntryWhoseFileIsMissingIsOfferedForCreationOnce) {
    writeSettings(
        "[DataBase]\nYears=2\n[Files]\nYear0=2004\nYear1=2005\nParameter Db1=old.mdb\n"
        "Parameter Db2=Orv3.mdb\n");
    answer(kAnswerYes);
    startProgram();
    loginAs("Erin", "Engineer", 0x088);
    ASSERT_TRUE(bringToFront(window()));
    QComboBox* range = window().rangeCombo();
    ASSERT_TRUE(range->isEnabled());
    range->setFocus(Qt::TabFocusReason);
    answer(kAnswerNo);                   // not created
    QTest::keyClick(range, Qt::Key_Up);  // the first entry, as the arrow key chooses it
    ASSERT_EQ(range->currentIndex(), 0);
    int offers = 0;
    for (const ShownBox& box : boxes().boxes)
        offers += box.text.find("could not be opened") != std::string::npos;
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(app->parameterDb().currentPath(), "old.mdb");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "old.mdb"));
    EXPECT_EQ(window().statusCombo()->itemText(0), "Working") << "no stored statuses of another file";
}

TEST_F(RangeTest, TheRangeComboListsTheYearsAndItsChoiceReachesTheButtons) {
    writeSettings(
        "[DataBase]\nYears=3\n[Files]\nYear0=2004\nYear1=2005\nYear2=2006\nParameter Db1=old.mdb\n"
        "Parameter Db2=mid.mdb\nParameter Db3=Orv3.mdb\n");
    answer(kAnswerYes);
    startProgram();
    QComboBox* range = window().rangeCombo();
    ASSERT_EQ(range->count(), 3);
    EXPECT_EQ(range->itemText(0), "2004");
    EXPECT_EQ(range->currentIndex(), 2);
    range->setCurrentIndex(0);
    answer(kAnswerNo);  // a database that is not there is not created
    window().workflow().identity.selectRange();
    EXPECT_FALSE(window().button(MainButton::Save)->isEnabled());
    EXPECT_EQ(app->parameterDb().currentPath(), "old.mdb");
}

}  // namespace
}  // namespace orv::test
