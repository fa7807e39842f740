// The window programming, checking and reading an emulated collar on a
// pseudo-terminal, end to end: buttons, worker, progress window, database and
// archive files.

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <filesystem>

#include "collar_emulator.h"
#include "db/parameter_db.h"
#include "device/target_link.h"
#include "dialogs/progress_window.h"
#include "image/firmware_table.h"
#include "window_fixture.h"

namespace orv::test {
namespace {

constexpr std::chrono::seconds kOperationLimit{30};

class DeviceTest : public WindowTest {
protected:
    void startWith(emu::CollarOptions options) {
        std::filesystem::create_directory(dir.path() / "archive");
        // The trailing separator works as if it were not there.
        writeSettings("[Files]\nArchive Path=" + (dir.path() / "archive").string() + "/\n");
        answer(kAnswerYes);
        startProgram();
        collar = std::make_unique<emu::CollarEmulator>(std::move(options));
        ASSERT_TRUE(collar->start());
        TargetLink& link = app->link();
        link.settings.portSlot = 0;
        link.settings.comTimeoutSeconds = 2;
        link.line().setDevicePath(0, collar->devicePath());
        window().firmwareChosen(findFirmware("N4 040816"));
        boxes().clear();
        boxes().defaultQuestionAnswer = kAnswerYes;
    }

    void TearDown() override {
        WindowTest::TearDown();
        if (collar) collar->stop();
    }

    bool finish() {
        return waitUntil([this] { return !window().operationRunning(); }, kOperationLimit);
    }

    std::vector<std::string> devices() {
        std::vector<DeviceKey> keys;
        EXPECT_EQ(app->parameterDb().listDevices(keys), DbResult::Ok);
        std::vector<std::string> names;
        for (const DeviceKey& key : keys) names.push_back(key.job + "/" + key.ctn + "/" + key.status);
        return names;
    }

    // "Changes to be written" comes up once the collar has been read: Write or Cancel.
    void answerChanges(bool write) {
        dialogAnswers.push_back([write](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Changes to be written");
            return write;
        });
    }
    std::vector<std::uint8_t> flash() const {
        return collar->memory(emu::kLowSectorBase, imageSize(findFirmware("N4 040816")));
    }
    std::vector<std::string> archived() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "archive"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::unique_ptr<emu::CollarEmulator> collar;
};

TEST_F(DeviceTest, AnEngineerProgramsSavesArchivesAndThenChecksTheCollar) {
    startWith({});
    loginAs("Erin", "Engineer", 0x088);
    window().ctnCombo()->setEditText("ABCDEFGHIJKL");
    const auto held = flash();
    answerChanges(true);
    window().writeDevice();
    EXPECT_TRUE(window().operationRunning());
    EXPECT_FALSE(window().contentWidget()->isEnabled());  // one operation at a time
    ASSERT_TRUE(finish());
    EXPECT_TRUE(window().contentWidget()->isEnabled());

    EXPECT_EQ(record().text(StringRow::DevStatus), "Programmed");
    EXPECT_EQ(record().text(StringRow::ProgrammedBy), "Erin");
    const auto stored = devices();
    EXPECT_NE(std::find(stored.begin(), stored.end(), "Default/ABCDEFGHIJKL/Programmed"), stored.end());
    EXPECT_TRUE(
        sawText("Ctn Number: 'ABCDEFGHIJKL' is longer than 8 characters.  The base filename\nfor the SPR and "
                "BIN files "
                "will be truncated to 'ABCDEFGH'."));
    EXPECT_TRUE(sawTextStarting("IMPORTANT!! After programming, the GPS System must be restarted"));

    const std::string bin = dir.read("archive/ABCDEFGH.bin");
    const std::string spr = dir.read("archive/ABCDEFGH.spr");
    ASSERT_EQ(bin.size(), imageSize(findFirmware("N4 040816")));
    EXPECT_FALSE(spr.empty());
    const auto written = flash();
    EXPECT_EQ(std::string(written.begin(), written.end()), bin);
    // Beside them, what the collar held before the write.
    const auto names = archived();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].rfind("ABCDEFGH-before-", 0), 0u) << names[0];
    const std::string copy = dir.read("archive/" + names[0]);
    EXPECT_EQ(std::vector<std::uint8_t>(copy.begin(), copy.end()), held);
    ASSERT_FALSE(dialogsRun.empty());
    EXPECT_EQ(dialogsRun.front(), "Changes to be written");

    boxes().clear();
    window().checkDevice();
    ASSERT_TRUE(finish());
    bool matched = false;
    for (const ShownBox& box : boxes().boxes) {
        if (box.text == "The screen information is the same as the data in the device.") {
            matched = true;
            EXPECT_EQ(box.caption, "Gps System Check");
        }
    }
    EXPECT_TRUE(matched);
}

TEST_F(DeviceTest, ACorruptedReadbackLeavesTheDatabaseAndTheArchiveUntouched) {
    emu::CollarOptions options;
    options.faults.push_back({emu::FaultKind::FlippedReadbackBit, 0});
    startWith(options);
    loginAs("Erin", "Engineer", 0x088);
    const auto before = devices();
    const auto held = flash();
    answerChanges(true);
    window().writeDevice();
    ASSERT_TRUE(finish());
    EXPECT_TRUE(sawTextStarting("Error -- The target failed the program readback check."));
    EXPECT_EQ(devices(), before);
    // No report or image of a programming; only the copy of what the erased collar held.
    const auto names = archived();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].rfind("Default-before-", 0), 0u) << names[0];
    const std::string copy = dir.read("archive/" + names[0]);
    EXPECT_EQ(std::vector<std::uint8_t>(copy.begin(), copy.end()), held);
    EXPECT_FALSE(sawTextStarting("IMPORTANT!! After programming"));
    EXPECT_NE(record().text(StringRow::DevStatus), "Programmed");
}

TEST_F(DeviceTest, CancelAtTheChangesLeavesEverythingAndWithoutTheListTheCopyIsStillKept) {
    startWith({});
    loginAs("Erin", "Engineer", 0x088);
    const auto before = devices();
    const auto held = flash();
    answerChanges(false);
    window().writeDevice();
    ASSERT_TRUE(finish());
    EXPECT_EQ(flash(), held);
    EXPECT_EQ(devices(), before);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "archive"));
    EXPECT_FALSE(sawTextStarting("Error"));
    EXPECT_FALSE(sawTextStarting("IMPORTANT!! After programming"));
    EXPECT_NE(record().text(StringRow::DevStatus), "Programmed");

    // "Show changes before writing" off: nothing asked, the collar still read for the copy.
    app->link().settings.showChanges = 0;
    dialogsRun.clear();
    window().writeDevice();
    ASSERT_TRUE(finish());
    EXPECT_EQ(std::count(dialogsRun.begin(), dialogsRun.end(), "Changes to be written"), 0);
    EXPECT_TRUE(sawTextStarting("IMPORTANT!! After programming"));
    const auto names = archived();
    ASSERT_EQ(names.size(), 3u);
    const std::string copy = dir.read("archive/" + names[0]);
    EXPECT_EQ(std::vector<std::uint8_t>(copy.begin(), copy.end()), held);
}

TEST_F(DeviceTest, ReadDeviceLoadsTheCollarAndMarksTheRecordUnsaved) {
    startWith({});
    loginAs("Erin", "Engineer", 0x088);
    record().general(GeneralRow::ElevAngle) = 12.5;
    window().workflow().screen.showRecord();  // the pages show what is programmed
    answerChanges(true);
    window().writeDevice();
    ASSERT_TRUE(finish());
    record().general(GeneralRow::ElevAngle) = 0;
    boxes().clear();
    window().readDevice();
    ASSERT_TRUE(finish());
    EXPECT_NEAR(record().general(GeneralRow::ElevAngle), 12.5, 1e-6);
    EXPECT_EQ(record().text(StringRow::FenmodFwVer).rfind("N4 040816", 0), 0u);
    EXPECT_TRUE(window().windowTitle().endsWith(" *"));
}

TEST_F(DeviceTest, ReadDeviceShowsTheSixFirmwareTextsOnTheGpsTab) {
    startWith({});
    window().readDevice();
    ASSERT_TRUE(finish());
    auto* gps = dynamic_cast<QtFieldControls*>(window().pageSet().controls(Page::GpsParms));
    ASSERT_NE(gps, nullptr);
    for (int row = StringRow::FenmodFwVer; row <= StringRow::SigProcFwVer; ++row) {
        const std::string shown = gps->text(stringDefinitions()[static_cast<std::size_t>(row)].controlId);
        EXPECT_EQ(shown, record().text(row).empty() ? "Unknown" : record().text(row)) << row;
    }
    EXPECT_EQ(gps->text(stringDefinitions()[StringRow::FenmodFwVer].controlId).rfind("N4 040816", 0), 0u);
}

TEST_F(DeviceTest, TheFirmwareQuerySetsTheSelectionToTheCollarsVersion) {
    emu::CollarOptions options;
    options.firmware = "N3 020702";
    startWith(options);
    window().queryFirmware();
    ASSERT_TRUE(finish());
    EXPECT_EQ(window().firmwareCombo()->currentText(), "N3 020702");
    EXPECT_TRUE(sawText("OK, the firmware version is now set correctly to 'N3 020702'."));
    EXPECT_EQ(readCurrentFirmware("Orv3.cfg"), "N3 020702");
}

TEST_F(DeviceTest, AShutDownCollarIsReportedWithTheRestartWarning) {
    startWith({});
    window().shutdownDevice();
    ASSERT_TRUE(finish());
    // The shut-down command has no answer: the collar may still be taking it in.
    EXPECT_TRUE(waitUntil([this] { return collar->shutDown(); }, kOperationLimit));
    EXPECT_TRUE(sawTextStarting("The System has been successfully shut down"));
}

TEST_F(DeviceTest, AnAbortedProgrammingSavesNothingAndWritesNoArchive) {
    emu::CollarOptions options;
    options.baudRate = 19200;  // slow enough to be stopped half way
    startWith(options);
    loginAs("Erin", "Engineer", 0x088);
    const auto before = devices();
    window().writeDevice();
    // Abort as soon as the progress window offers it.
    ASSERT_TRUE(waitUntil([this] { return window().progressWindow()->isVisible(); }, kOperationLimit));
    ASSERT_TRUE(waitUntil([this] { return window().progressWindow()->position() > 0; }, kOperationLimit));
    window().progressWindow()->pressAbort();
    ASSERT_TRUE(finish());
    // Between blocks or inside an answer, the abort has its message.
    bool abortShown = false;
    for (const ShownBox& box : boxes().boxes)
        abortShown = abortShown || box.text.find("aborted") != std::string::npos;
    EXPECT_TRUE(abortShown);
    EXPECT_FALSE(sawTextStarting("IMPORTANT!! After programming"));
    EXPECT_EQ(devices(), before);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "archive"));
}

TEST_F(DeviceTest, AReadThatNeverReachesTheCollarKeepsTheFactoryConfiguration) {
    startWith({});
    loginAs("Erin", "Engineer", 0x088);
    auto* factory = dynamic_cast<QtFieldControls*>(window().pageSet().controls(Page::FactParms));
    ASSERT_NE(factory, nullptr);
    auto* type = qobject_cast<QComboBox*>(
        factory->widget(generalDefinitions()[GeneralRow::XmitterEnblType].controlId));
    auto* ctn =
        qobject_cast<QLineEdit*>(factory->widget(stringDefinitions()[StringRow::FactSysCTN].controlId));
    ASSERT_NE(type, nullptr);
    ASSERT_NE(ctn, nullptr);
    record().general(GeneralRow::XmitterEnblType) = 2;
    record().text(StringRow::FactSysCTN) = "00001234";
    window().workflow().screen.showRecord();
    // No port, then a port where no collar answers: the operation fails, the configuration stays.
    for (const std::string& path : {(dir.path() / "no-such-port").string(), std::string("/dev/null")}) {
        app->link().line().setDevicePath(0, path);
        boxes().clear();
        window().button(MainButton::ReadDevice)->click();
        ASSERT_TRUE(finish());
        EXPECT_FALSE(boxes().boxes.empty()) << "the failure is said";
        EXPECT_EQ(record().general(GeneralRow::XmitterEnblType), 2) << path;
        EXPECT_EQ(record().text(StringRow::FactSysCTN), "00001234") << path;
        EXPECT_EQ(type->currentText(), "Petrel w/PS") << path;
        EXPECT_EQ(ctn->text(), "00001234") << path;
    }
}

TEST_F(DeviceTest, ABlankCollarsNotesShowNoUndecodableCharacters) {
    startWith({});  // never programmed: its flash is erased (0xFF)
    window().button(MainButton::ReadDevice)->click();
    ASSERT_TRUE(finish());
    auto* factory = dynamic_cast<QtFieldControls*>(window().pageSet().controls(Page::FactParms));
    auto* notes =
        qobject_cast<QPlainTextEdit*>(factory->widget(stringDefinitions()[StringRow::SSTNotes].controlId));
    ASSERT_NE(notes, nullptr);
    EXPECT_FALSE(notes->toPlainText().contains(QChar::ReplacementCharacter));
    EXPECT_EQ(notes->toPlainText(), "");
    EXPECT_EQ(record().text(StringRow::SSTNotes), "");
}

TEST_F(DeviceTest, TheProgressWindowShowsItsWholeInstruction) {
    emu::CollarOptions options;
    options.asleep = true;  // the program asks for the magnet
    options.magnetAfterMs = 3000;
    startWith(options);
    ProgressWindow& progress = *window().progressWindow();
    window().button(MainButton::ReadDevice)->click();
    ASSERT_TRUE(waitUntil([&] { return progress.legend().endsWith("then remove it."); }, kOperationLimit));
    QApplication::processEvents();
    auto* legend = progress.findChild<QLabel*>();
    ASSERT_NE(legend, nullptr);
    EXPECT_GE(legend->width(), legend->fontMetrics().horizontalAdvance(legend->text()))
        << legend->text().toStdString();
    EXPECT_TRUE(progress.rect().contains(QRect(legend->mapTo(&progress, QPoint(0, 0)), legend->size())));
    ASSERT_TRUE(finish());
}

}  // namespace
}  // namespace orv::test
