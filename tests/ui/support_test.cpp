// The window's way to the computer check and the support bundle: its menu
// entries, driven as a user does, on the real dialog and a real archive.

#include <gmock/gmock.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

#include "device/com_settings.h"
#include "dialogs/computer_check_dialog.h"
#include "dialogs/user_guide_window.h"
#include "run_process.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

using ::testing::HasSubstr;

class SupportTest : public WindowTest {};

TEST_F(SupportTest, CheckThisComputerListsTheChecksWithTheMissingPortFailed) {
    profile.writeInt(kComSection, "Comm Port", 0);
    profile.writeText(kComSection, deviceKeyFor(0), "/dev/orv-no-such-port");
    answer(kAnswerYes);
    startProgram();
    QAction* check = window().computerCheckEntry();
    ASSERT_TRUE(window().actions().contains(check));
    EXPECT_EQ(check->text(), "Check this computer...");
    std::map<QString, std::pair<QString, QString>> rows;  // check: status, found
    QString summary;
    dialogAnswers.push_back([&](QDialog& dialog) {
        auto& checkDialog = dynamic_cast<ComputerCheckDialog&>(dialog);
        // The window stays live while the checks run off its thread.
        waitUntil([&] { return !checkDialog.checking(); }, std::chrono::seconds(30));
        QTreeWidget* list = checkDialog.list();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list->topLevelItem(i);
            rows[row->text(1)] = {row->text(0), row->text(2)};
        }
        summary = checkDialog.summary()->text();
        return false;
    });
    check->trigger();
    ASSERT_EQ(dialogsRun, std::vector<QString>{"Check this computer"});
    ASSERT_TRUE(rows.count("COM 1 (/dev/orv-no-such-port)"));
    EXPECT_EQ(rows["COM 1 (/dev/orv-no-such-port)"].first, "failed");
    EXPECT_THAT(rows["COM 1 (/dev/orv-no-such-port)"].second.toStdString(), HasSubstr("Fix: plug in"));
    EXPECT_EQ(rows["Display"].first, "ok");
    EXPECT_THAT(rows["Display"].second.toStdString(), HasSubstr("offscreen"));
    EXPECT_THAT(summary.toStdString(), HasSubstr("1 failed"));
}

TEST_F(SupportTest, SupportBundleGoesWhereTheUserSaysAndHoldsTheStoredDevices) {
    answer(kAnswerYes);
    startProgram();
    nextFile = QString::fromStdString(dir.file("support.tar.gz"));
    window().supportBundleEntry()->trigger();
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_TRUE(fileRequests[0].save);
    EXPECT_TRUE(fileRequests[0].proposedName.endsWith(".tar.gz"));
    EXPECT_TRUE(sawText("The support bundle was written to " + nextFile.toStdString() + "."));
    const auto devices =
        runProcess("/usr/bin/tar", {"-xzOf", nextFile.toStdString(), "--wildcards", "*/devices.txt"});
    EXPECT_EQ(devices.out, "Default\tDefault\tWorking\n");
    const auto version =
        runProcess("/usr/bin/tar", {"-xzOf", nextFile.toStdString(), "--wildcards", "*/version.txt"});
    EXPECT_THAT(version.out, HasSubstr("Orv 3."));

    // A place that cannot be written is said, and the window goes on.
    nextFile = QString::fromStdString(dir.file("no/such/folder/support.tar.gz"));
    window().supportBundleEntry()->trigger();
    EXPECT_TRUE(sawTextStarting("The support bundle could not be written to "));
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

TEST_F(SupportTest, TheQuestionMarkButtonOpensTheUserGuideMadeFromTheManualPages) {
    answer(kAnswerYes);
    startProgram();
    QString shown;
    dialogAnswers.push_back([&](QDialog& dialog) {
        shown = dynamic_cast<UserGuideWindow&>(dialog).browser()->toPlainText();
        return false;
    });
    window().button(MainButton::ContextHelp)->click();
    ASSERT_EQ(dialogsRun, std::vector<QString>{"Orv user guide"});
    // The window's workflows, its tabs, orvctl and the team database.
    for (const char* part : {"WORKFLOWS", "Write Device", "TABS", "Fact. Parms", "THE TEAM DATABASE",
                             "postgresql://", "orvctl doctor", "support-bundle", "collar-emulator"})
        EXPECT_TRUE(shown.contains(part)) << part;
    // Nothing of the manual pages' markup is left over.
    EXPECT_FALSE(shown.contains("\\f"));
    EXPECT_FALSE(shown.contains("\n.TP"));
}

}  // namespace
}  // namespace orv::test
