// The dialogs of the main window: COM port, lookups, rename, login, the
// database utility, the device history, the .ppf file dialogs and the sibling
// launcher.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <cstdlib>

#include "collar_emulator.h"
#include "db/parameter_db.h"
#include "device/target_link.h"
#include "dialogs/change_name_dialog.h"
#include "dialogs/change_summary_dialog.h"
#include "dialogs/com_port_dialog.h"
#include "dialogs/database_utility_dialog.h"
#include "dialogs/handler_utility.h"
#include "dialogs/history_dialog.h"
#include "dialogs/login_dialog.h"
#include "dialogs/lookup_dialogs.h"
#include "image/firmware_table.h"
#include "image/image_codec.h"
#include "trace_reader.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

class DialogTest : public WindowTest {
protected:
    void SetUp() override {
        answer(kAnswerYes);
        startProgram();
    }
    // Stores a device under the key with a customer and a PTT ID.
    void storeDevice(const std::string& job, const std::string& ctn, const std::string& customer, int pttId) {
        record().text(StringRow::Customer) = customer;
        record().general(GeneralRow::PttIdCode) = pttId;
        ASSERT_EQ(app->parameterDb().saveDevice(job, ctn, "Working"), DbResult::Ok);
    }
    // COM 1 leads to the collar, whose firmware the window has chosen.
    TargetLink& useCollar(const emu::CollarEmulator& collar) {
        TargetLink& link = app->link();
        link.settings.portSlot = 0;
        link.settings.comTimeoutSeconds = 2;
        link.line().setDevicePath(0, collar.devicePath());
        window().firmwareChosen(findFirmware("N4 040816"));
        return link;
    }
    template <typename Dialog>
    void whenShown(std::function<bool(Dialog&)> fill) {
        dialogAnswers.push_back([fill](QDialog& dialog) { return fill(dynamic_cast<Dialog&>(dialog)); });
    }
};

TEST_F(DialogTest, ComPortOkTakesTheSettingsAndClosesAPendingConnectionAtOnce) {
    emu::CollarEmulator collar;
    ASSERT_TRUE(collar.start());
    TargetLink& link = useCollar(collar);
    window().queryFirmware();
    ASSERT_TRUE(waitUntil([this] { return !window().operationRunning(); }, std::chrono::seconds(20)));
    ASSERT_TRUE(link.portIsOpen());  // kept open a while for the next operation

    whenShown<ComPortDialog>([&](ComPortDialog& dialog) {
        EXPECT_EQ(dialog.portCombo()->currentText(), "COM 1");
        EXPECT_EQ(dialog.deviceCombo()->currentText().toStdString(), collar.devicePath());
        dialog.parityCombo()->setCurrentText("EVEN");
        dialog.dataBitsCombo()->setCurrentText("8");
        dialog.stopBitsCombo()->setCurrentText("2");
        dialog.singlePinBox()->setChecked(true);
        dialog.portCombo()->setCurrentIndex(2);  // COM 3 shows its own device
        EXPECT_EQ(dialog.deviceCombo()->currentText().toStdString(), link.line().devicePath(2));
        dialog.deviceCombo()->setEditText("/dev/ttyTEST3");
        EXPECT_TRUE(dialog.showChangesBox()->isChecked()) << "on until a factory line turns it off";
        EXPECT_EQ(dialog.showChangesBox()->text(), "Show changes before writing");
        dialog.showChangesBox()->setChecked(false);
        return true;
    });
    window().editComPort();
    EXPECT_EQ(link.settings.showChanges, 0);
    EXPECT_EQ(profile.readInt("GpsDial", "Show Changes", 1), 0);
    EXPECT_FALSE(link.portIsOpen());
    EXPECT_EQ(link.settings.settingsWord(), 0x4F);
    EXPECT_EQ(link.settings.portSlot, 2);
    EXPECT_EQ(link.line().devicePath(2), "/dev/ttyTEST3");
    EXPECT_EQ(profile.readInt("GpsDial", "Parity", 0), 12);
    link.endConnection(0);
    collar.stop();
}

TEST_F(DialogTest, TickingTheSerialTraceMakesTheNextOperationWriteItsFramesAndUntickingStopsIt) {
    emu::CollarEmulator collar;
    ASSERT_TRUE(collar.start());
    TargetLink& link = useCollar(collar);
    const std::string traceFile = dir.file("support.trace");
    const auto query = [this] {
        window().queryFirmware();
        return waitUntil([this] { return !window().operationRunning(); }, std::chrono::seconds(20));
    };
    ASSERT_TRUE(query());  // before the box is ticked: no trace
    EXPECT_FALSE(std::filesystem::exists(traceFile));

    whenShown<ComPortDialog>([&](ComPortDialog& dialog) {
        EXPECT_FALSE(dialog.traceBox()->isChecked()) << "off by default";
        EXPECT_EQ(dialog.traceFileEdit()->text(), "serial-trace.txt");
        dialog.traceBox()->setChecked(true);
        dialog.traceFileEdit()->setText(QString::fromStdString(traceFile));
        return true;
    });
    window().editComPort();
    EXPECT_EQ(profile.readInt("GpsDial", "Serial Trace", 0), 1);
    EXPECT_EQ(profile.readText("GpsDial", "Serial Trace File", ""), traceFile);
    const int heardBefore = collar.commandCount();
    ASSERT_TRUE(query());
    link.endConnection(0);
    const ReadTrace traced = readTrace(dir.read("support.trace"));
    EXPECT_TRUE(traced.unreadable.empty());
    std::vector<std::string> heard = collar.commandLog();
    heard.erase(heard.begin(), heard.begin() + heardBefore);
    EXPECT_EQ(commandsSent(traced, collar.devicePath()), heard);
    EXPECT_NE(std::find(heard.begin(), heard.end(), "F"), heard.end());

    whenShown<ComPortDialog>([](ComPortDialog& dialog) {
        EXPECT_TRUE(dialog.traceBox()->isChecked());
        dialog.traceBox()->setChecked(false);
        return true;
    });
    window().editComPort();
    const std::string kept = dir.read("support.trace");
    ASSERT_TRUE(query());
    link.endConnection(0);
    EXPECT_EQ(dir.read("support.trace"), kept) << "unticked: nothing more is written";
    EXPECT_TRUE(presenter.script.shown(BoxKind::Error).empty());
    collar.stop();
}

TEST_F(DialogTest, TheCtnLookupListsPttIdsWithFiveDigitsAndLoadsTheChosenDevice) {
    storeDevice("J1", "C1", "Acme", 1234);
    storeDevice("J2", "C2", "Birds", 77);
    whenShown<CtnLookupDialog>([](CtnLookupDialog& dialog) {
        dialog.searchByPttId();
        // The Default device keeps PTT ID 0.
        EXPECT_EQ(dialog.pttCombo()->count(), 3);
        EXPECT_EQ(dialog.pttCombo()->itemText(0), "00000");
        EXPECT_EQ(dialog.pttCombo()->itemText(1), "00077");
        EXPECT_EQ(dialog.pttCombo()->itemText(2), "01234");
        dialog.pttCombo()->setCurrentIndex(2);
        dialog.pttIdSelected();
        EXPECT_EQ(dialog.ctnCombo()->currentText(), "C1");
        EXPECT_EQ(dialog.jobCombo()->currentText(), "J1");
        EXPECT_EQ(dialog.statusCombo()->currentText(), "Working");
        dialog.searchByCtn();
        EXPECT_EQ(dialog.pttCombo()->count(), 0);  // a CTN search empties the PTT ID list
        dialog.ctnCombo()->setCurrentIndex(dialog.ctnCombo()->findText("C1"));
        dialog.ctnSelected();
        return true;
    });
    window().ctnLookup();
    EXPECT_EQ(comboText(window().jobCombo()), "J1");
    EXPECT_EQ(comboText(window().ctnCombo()), "C1");
    EXPECT_EQ(record().general(GeneralRow::PttIdCode), 1234);
    EXPECT_EQ(window().customerEdit()->text(), "Acme");
    EXPECT_EQ(window().windowTitle(), "Halvorn Orv - Vosk");
}

TEST_F(DialogTest, TheCustomerSearchOpensOnTheCurrentCustomerWithItsListsFilled) {
    storeDevice("J1", "C1", "Acme", 1);
    storeDevice("J2", "C2", "Birds", 2);
    record().text(StringRow::Customer) = "Birds";
    whenShown<CustomerSearchDialog>([](CustomerSearchDialog& dialog) {
        EXPECT_EQ(dialog.customer(), "Birds");
        EXPECT_EQ(dialog.job(), "J2");
        EXPECT_EQ(dialog.ctn(), "C2");
        EXPECT_EQ(dialog.status(), "Working");
        return true;
    });
    window().customerSearch();
    EXPECT_EQ(comboText(window().ctnCombo()), "C2");
    EXPECT_EQ(record().general(GeneralRow::PttIdCode), 2);
}

TEST_F(DialogTest, ChangeCtnRenamesTheDeviceOnTheScreen) {
    storeDevice("J1", "C1", "Acme", 1);
    window().workflow().identity.loadLookedUpDevice("J1", "C1", "Working");
    whenShown<ChangeNameDialog>([](ChangeNameDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Change Device Name");
        EXPECT_EQ(dialog.currentNameEdit()->text(), "C1");
        EXPECT_TRUE(dialog.newNameEdit()->text().isEmpty());
        dialog.newNameEdit()->setText("C9");
        return true;
    });
    window().changeName(NameField::Ctn);
    EXPECT_EQ(comboText(window().ctnCombo()), "C9");
    std::vector<DeviceKey> keys;
    ASSERT_EQ(app->parameterDb().listDevices(keys), DbResult::Ok);
    bool renamed = false;
    for (const DeviceKey& key : keys) renamed = renamed || (key.job == "J1" && key.ctn == "C9");
    EXPECT_TRUE(renamed);
}

TEST_F(DialogTest, TheLoginButtonTakesTheNewUserAndItsRights) {
    answer(kAnswerYes);  // create the password database
    whenShown<LoginDialog>([](LoginDialog& dialog) {
        EXPECT_EQ(dialog.nameEdit()->text(), "User");
        EXPECT_TRUE(dialog.maintainButton()->isHidden());  // a Customer keeps no user list
        dialog.nameEdit()->setText("Bob");
        dialog.tryAccept();
        return dialog.result() == QDialog::Accepted;
    });
    window().login();
    EXPECT_EQ(record().text(StringRow::UserName), "Bob");
    EXPECT_EQ(window().mainControls().text(mainStringControl(StringRow::UserName)), "Bob");
    EXPECT_EQ(window().mainControls().text(mainStringControl(StringRow::UserAccessLevel)), "Customer");
    // A cancelled login changes nothing.
    window().login();
    EXPECT_EQ(record().text(StringRow::UserName), "Bob");
}

TEST_F(DialogTest, ExportAndImportUseTheFileDialogsAndRememberTheFolder) {
    window().firmwareChosen(findFirmware("N4 040816"));
    std::filesystem::create_directory(dir.path() / "files");
    nextFile = QString::fromStdString((dir.path() / "files" / "Default.ppf").string());
    record().general(GeneralRow::ElevAngle) = 15;
    window().workflow().screen.showRecord();  // the pages show what is exported
    window().exportFile();
    ASSERT_TRUE(waitUntil([this] { return !window().operationRunning(); }, std::chrono::seconds(20)));
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_TRUE(fileRequests[0].save);
    EXPECT_EQ(fileRequests[0].title, "Export File As");
    EXPECT_EQ(fileRequests[0].proposedName, "Default.ppf");
    EXPECT_TRUE(sawText("Configuration Successfully exported!"));
    EXPECT_EQ(dir.read("files/Default.ppf").size(), 1176u);

    record().general(GeneralRow::ElevAngle) = 0;
    window().importFile();
    ASSERT_TRUE(waitUntil([this] { return !window().operationRunning(); }, std::chrono::seconds(20)));
    ASSERT_EQ(fileRequests.size(), 2u);
    EXPECT_FALSE(fileRequests[1].save);
    EXPECT_EQ(fileRequests[1].title, "Import File");
    EXPECT_EQ(fileRequests[1].directory.toStdString(), (dir.path() / "files").string() + "/");
    EXPECT_NEAR(record().general(GeneralRow::ElevAngle), 15, 1e-6);
    EXPECT_TRUE(window().windowTitle().endsWith(" *"));

    nextFile.clear();
    window().importFile();
    EXPECT_TRUE(sawText("Import not completed!"));
}

TEST_F(DialogTest, ExportWithoutAKnownFirmwareExportsNothing) {
    record().text(StringRow::FenmodFwVer).clear();
    window().exportFile();
    EXPECT_TRUE(sawTextStarting("The programmed Firmware is not known."));
    EXPECT_TRUE(fileRequests.empty());
}

TEST_F(DialogTest, TheDatabaseUtilityBrowsesTheCurrentDatabase) {
    storeDevice("05-1", "C1", "Acme", 1);
    storeDevice("06-2", "C2", "Acme", 1);
    whenShown<DatabaseUtilityDialog>([](DatabaseUtilityDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "DataBase Handler Utility");
        dialog.yearCombo()->setCurrentText("05");
        dialog.utility().yearSelected();
        EXPECT_EQ(dialog.jobsList()->count(), 1);
        EXPECT_EQ(dialog.jobsList()->item(0)->text(), "05-1");
        dialog.yearCombo()->setCurrentText("Other");
        dialog.utility().yearSelected();
        EXPECT_EQ(dialog.jobsList()->count(), 1);  // only "Default" does not begin with "0"
        return false;
    });
    window().databaseUtility();
    EXPECT_EQ(dialogsRun.back(), "DataBase Handler Utility");
}

TEST_F(DialogTest, TheHistoryListsTheVersionsShowsWhatChangedAndRestoresOne) {
    storeDevice("J1", "C1", "Acme", 1);
    answer(kAnswerYes);  // over the stored device
    storeDevice("J1", "C1", "Birds", 2);
    window().workflow().identity.loadLookedUpDevice("J1", "C1", "Working");
    ASSERT_EQ(record().general(GeneralRow::PttIdCode), 2);

    whenShown<HistoryDialog>([this](HistoryDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "History of Job 'J1', CTN 'C1'");
        QTableWidget* table = dialog.versionTable();
        EXPECT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(1, 0)->text(), "2");
        EXPECT_EQ(table->item(1, 2)->text(), "save");
        EXPECT_FALSE(dialog.restoreButton()->isEnabled());
        dialog.choose({0, 1});
        EXPECT_EQ(dialog.differencesHeading()->text(), "Version 1 to version 2:");
        EXPECT_TRUE(dialog.differencesText()->toPlainText().contains("PttIdCode"));
        EXPECT_TRUE(dialog.differencesText()->toPlainText().contains("Birds"));
        if (const char* folder = std::getenv("ORV_SCREENSHOT_DIR")) {
            dialog.show();
            dialog.grab().toImage().save(QString(folder) + "/history-window.png");
        }

        dialog.choose({0});
        EXPECT_TRUE(dialog.restoreButton()->isEnabled());
        answer(kAnswerYes);  // over the stored device
        dialog.restoreChosen();
        EXPECT_EQ(table->rowCount(), 3);
        EXPECT_EQ(table->item(2, 2)->text(), "restore");
        return false;
    });
    window().history();
    EXPECT_EQ(dialogsRun.back(), "History of Job 'J1', CTN 'C1'");
    EXPECT_EQ(record().general(GeneralRow::PttIdCode), 1) << "the restored version is shown";
    EXPECT_EQ(window().customerEdit()->text(), "Acme");

    // Without a device on screen there is no history to show.
    const std::size_t shown = dialogsRun.size();
    window().jobCombo()->setEditText("");
    window().history();
    EXPECT_TRUE(
        sawText("The Job number and the CTN/Sequence number must both have data\nto show the history of a "
                "device."));
    EXPECT_EQ(dialogsRun.size(), shown);
}

TEST_F(DialogTest, TheChangesToBeWrittenAreGroupedByPageAndSeasonWithTheirImpact) {
    record().text(StringRow::FenmodFwVer) = "N4 040816";
    MemoryImage held;
    ASSERT_EQ(buildImage(record(), held), ImageResult::Ok);
    record().general(GeneralRow::ElevAngle) = 20;
    record().season(5, SeasonRow::GpsFixInterval_1) = 90;
    record().season(5, SeasonRow::NumberOfDays) = 40;
    WriteOptions options;
    options.now = 1'800'000'000;
    const ChangeSummary summary = summarizeChanges(record(), held, options, true);
    ChangeSummaryDialog dialog(summary, &window());
    dialog.resize(dialog.sizeHint());
    if (const char* folder = std::getenv("ORV_SCREENSHOT_DIR"))
        dialog.grab().save(QString(folder) + "/changes-to-be-written.png");

    EXPECT_EQ(dialog.windowTitle(), "Changes to be written");
    QTreeWidget* list = dialog.differenceList();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "GPS Parms");
    EXPECT_EQ(list->topLevelItem(0)->childCount(), 1);
    EXPECT_TRUE(list->topLevelItem(0)->child(0)->text(0).startsWith("Elev. Mask Angle (deg) (ElevAngle): "));
    EXPECT_TRUE(list->topLevelItem(1)->text(0).endsWith(", season 5"))
        << list->topLevelItem(1)->text(0).toStdString();
    EXPECT_EQ(list->topLevelItem(1)->childCount(), 2);
    bool impactShown = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        impactShown = impactShown || label->text().contains("Projected battery life (days): ");
    EXPECT_TRUE(impactShown);
    EXPECT_EQ(dialog.writeButton()->text(), "Write");
    EXPECT_TRUE(dialog.cancelButton()->isDefault()) << "Enter does not write by accident";
}

TEST_F(DialogTest, TheSiblingProgramMissingIsReported) {
    setenv("XDG_DATA_HOME", dir.file("none").c_str(), 1);
    setenv("XDG_DATA_DIRS", dir.file("none2").c_str(), 1);
    window().launchSibling();
    EXPECT_TRUE(sawText("Cannot locate Wren2-Orv on this machine - check installation!"));
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
}

}  // namespace
}  // namespace orv::test
