// The device and file operations without a window: the Write Device
// confirmations, and what follows a write, a read, a firmware query, a
// shut-down and an export.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <vector>

#include "image/firmware_table.h"
#include "workflow/archive_files.h"
#include "workflow/main_rules.h"
#include "workflow/workflow_messages.h"
#include "workflow/write_completion.h"
#include "workflow_fixture.h"

namespace orv::test {
namespace {

constexpr const char* kProgramQuestion =
    "Programming the device will replace the configuration\nnow in the device.\n\nAre you sure you want to "
    "continue?";

class PrepareWrite : public WorkflowTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(PrepareWrite, WithoutAUserNothingIsAsked) {
    loginAs("", "Customer", 0x011);
    const WritePlan plan = devices().prepareWrite();
    EXPECT_FALSE(plan.proceed);
    EXPECT_EQ(texts(), std::vector<std::string>{wftext::kUserNeededToProgram});
}

TEST_F(PrepareWrite, OthersThanEngineersAlwaysSaveAfterProgrammingOrDoNotProgram) {
    answer(kAnswerNo);
    EXPECT_FALSE(devices().prepareWrite().proceed);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{
                  "After programming, the configuration will be saved to the database\nwith 'User' as "
                  "the 'Programmed By' entry.\n\nDo you want to continue?",
                  "The device was NOT programmed."}));
    boxes.clear();
    answer(kAnswerYes);
    answer(kAnswerYes);
    const WritePlan plan = devices().prepareWrite();
    EXPECT_TRUE(plan.proceed);
    EXPECT_TRUE(plan.saveAfterProgramming);
    EXPECT_EQ(texts().back(), kProgramQuestion);
}

TEST_F(PrepareWrite, AnEngineerChoosesWhetherToSave) {
    loginAs("Erin", "Engineer", 0x088);
    for (const int save : {kAnswerYes, kAnswerNo}) {
        boxes.clear();
        answer(save);
        answer(kAnswerYes);
        const WritePlan plan = devices().prepareWrite();
        EXPECT_TRUE(plan.proceed);
        EXPECT_EQ(plan.saveAfterProgramming, save == kAnswerYes);
        // The spelling the users know from the old program.
        EXPECT_EQ(texts().front(),
                  "Do you want to save the device as 'Programmmed' with\n'Erin' as the 'Programmed By' "
                  "entry?\n\nNo means program the device without saving.");
    }
    boxes.clear();
    answer(kAnswerYes);
    answer(kAnswerNo);  // the last question
    EXPECT_FALSE(devices().prepareWrite().proceed);
}

TEST_F(PrepareWrite, AZeroPttIdOfAnArgosTransmitterIsQuestioned) {
    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.general(GeneralRow::PttIdCode) = 0;
    for (const int type : {1, 2}) {
        record.general(GeneralRow::XmitterEnblType) = type;
        boxes.clear();
        answer(kAnswerYes);  // save after programming
        answer(kAnswerNo);   // not with a zero PTT ID
        EXPECT_FALSE(devices().prepareWrite().proceed);
        EXPECT_EQ(texts().back().rfind("The 'Assigned PTT ID code' is currently zero!", 0), 0u);
        boxes.clear();
        answer(kAnswerYes);
        answer(kAnswerYes);
        answer(kAnswerYes);
        const WritePlan plan = devices().prepareWrite();
        EXPECT_TRUE(plan.proceed);
        EXPECT_TRUE(plan.rootIdFlag);
    }
    // Spread spectrum, or an assigned code: no question.
    record.general(GeneralRow::XmitterEnblType) = 3;
    boxes.clear();
    answer(kAnswerYes);
    answer(kAnswerYes);
    EXPECT_FALSE(devices().prepareWrite().rootIdFlag);
    EXPECT_EQ(texts().size(), 2u);
}

TEST_F(PrepareWrite, AnActivityIntervalLongerThanAFixIntervalStopsFirst) {
    record.general(GeneralRow::DataCollMode) = 1;
    record.general(GeneralRow::ActivitySenseInterval) = 90;
    record.season(1, SeasonRow::GpsDcbDuration) = 1;
    record.season(1, SeasonRow::GpsDcbDay_1) = 1;
    record.season(1, SeasonRow::GpsFixInterval_1) = 60;
    record.season(1, SeasonRow::FixIntervalUnits) = 1;  // minutes
    record.season(1, SeasonRow::NextSeason) = 13;       // this season forever
    EXPECT_FALSE(devices().prepareWrite().proceed);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts().front().rfind("The Activity Data Collection Interval is greater than one", 0), 0u);
}

class WriteFinished : public WorkflowTest {
protected:
    void SetUp() override { start(); }
    // A write that ended with result, having read before from the collar first.
    WriteOutcome outcome(DeviceResult result, std::vector<std::uint8_t> before = {}) const {
        WriteOutcome o;
        o.result = result;
        o.written = image;
        o.before = std::move(before);
        return o;
    }
    const std::vector<std::uint8_t> image{1, 2, 3, 0, 255};
};

TEST_F(WriteFinished, ASuccessSavesAsProgrammedOffersTheReportAndWarnsToRestart) {
    loginAs("Erin", "Engineer", 0x088);
    answer(kAnswerYes);  // print
    devices().writeFinished(outcome(DeviceResult::Ok), WritePlan{true, true, false});
    EXPECT_EQ(record.text(StringRow::ProgrammedBy), "Erin") << "no '#': the collar was programmed";
    EXPECT_EQ(record.text(StringRow::ProgByDate), dateTimeText(kNow));
    EXPECT_EQ(record.text(StringRow::DevStatus), "Programmed");
    EXPECT_EQ(shown(StringRow::ProgrammedBy), "Erin");
    EXPECT_EQ(storedStatuses("Default", "Default"), (std::vector<std::string>{"Working", "Programmed"}));
    EXPECT_EQ(view.statuses.selected(), 2);
    EXPECT_FALSE(record.recordDirty);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Do you want to print a 'DEVICE PROGRAMMING' SPR Report?",
                                                 wftext::kRestartWarning}));
    EXPECT_EQ(view.printed, std::vector<std::string>{"DEVICE PROGRAMMING REPORT"});
}

TEST_F(WriteFinished, WithoutSavingTheDatabaseIsLeftAlone) {
    devices().writeFinished(outcome(DeviceResult::Ok, {9, 8, 7}), WritePlan{true, false, false});
    EXPECT_EQ(storedStatuses("Default", "Default"), std::vector<std::string>{"Working"});
    EXPECT_EQ(record.text(StringRow::ProgrammedBy), "");
    EXPECT_EQ(texts().back(), wftext::kRestartWarning);
    EXPECT_TRUE(view.printed.empty()) << "the print question was answered No";
}

TEST_F(WriteFinished, AFailedWriteSavesArchivesAndAsksNothing) {
    writeSettings("[Files]\nArchive Path=" + dir.path().string() + "\n");
    devices().writeFinished(outcome(DeviceResult::Timeout), WritePlan{true, true, false});
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(storedStatuses("Default", "Default"), std::vector<std::string>{"Working"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("Default.spr")));
}

TEST_F(WriteFinished, AWriteThatFailedAfterReadingTheCollarKeepsWhatItHeld) {
    std::filesystem::create_directory(dir.file("arch"));
    writeSettings("[Files]\nArchive Path=" + dir.file("arch") + "\n");
    record.text(StringRow::CtnNumber) = "C7";
    devices().writeFinished(outcome(DeviceResult::Timeout, {4, 5, 6}), WritePlan{true, true, false});
    EXPECT_EQ(storedStatuses("Default", "Default"), std::vector<std::string>{"Working"});
    const std::string copy = dir.read("arch/" + beforeCopyPath({"", "C7"}, kNow).substr(1));
    EXPECT_EQ(copy, std::string("\x04\x05\x06", 3));
    EXPECT_FALSE(std::filesystem::exists(dir.file("arch/C7.bin"))) << "nothing was programmed";
    // A cancel at the summary left the collar as it was: no copy.
    std::filesystem::remove_all(dir.file("arch"));
    std::filesystem::create_directory(dir.file("arch"));
    WriteOutcome cancelled = outcome(DeviceResult::Aborted, {4, 5, 6});
    cancelled.cancelled = true;
    devices().writeFinished(cancelled, WritePlan{true, true, false});
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("arch")));
}

TEST_F(WriteFinished, TheArchiveFilesAreNamedFromTheCtn) {
    std::filesystem::create_directory(dir.file("arch"));
    writeSettings("[Files]\nArchive Path=" + dir.file("arch") + "\\\n");
    type(StringRow::CtnNumber, "CTN-123456789");
    record.text(StringRow::CtnNumber) = "CTN-123456789";
    devices().writeFinished(outcome(DeviceResult::Ok, {9, 8, 7}), WritePlan{true, false, false});
    EXPECT_EQ(texts().front(),
              "Ctn Number: 'CTN-123456789' is longer than 8 characters.  The base filename\nfor the SPR and "
              "BIN files will be truncated to 'CTN-1234'.");
    const std::string bin = dir.read("arch/CTN-1234.bin");
    EXPECT_EQ(std::vector<std::uint8_t>(bin.begin(), bin.end()), image);
    EXPECT_NE(dir.read("arch/CTN-1234.spr").find("DEVICE PROGRAMMING REPORT"), std::string::npos);
    // Beside them what the collar held before, named with the local time of the write.
    std::tm local{};
    const std::time_t now = kNow;
    localtime_r(&now, &local);
    char name[64];
    std::strftime(name, sizeof name, "arch/CTN-1234-before-%Y%m%d-%H%M%S.bin", &local);
    EXPECT_EQ(beforeCopyPath({dir.file("arch"), "CTN-1234"}, kNow), dir.file(name));
    EXPECT_EQ(dir.read(name), std::string("\x09\x08\x07", 3));
}

class OtherCompletions : public WorkflowTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(OtherCompletions, ARecordReadFromTheCollarIsNotYetSaved) {
    record.generalChanged[GeneralRow::StartYear] = true;
    devices().readFinished(true);
    EXPECT_TRUE(record.recordDirty);
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk *");
    EXPECT_FALSE(record.generalChanged[GeneralRow::StartYear]);
}

TEST_F(OtherCompletions, ACheckOrFailedReadLeavesTheChangesAlone) {
    record.text(StringRow::Customer) = "from the collar";
    devices().readFinished(false);
    EXPECT_FALSE(record.recordDirty);
    EXPECT_EQ(pages.title, "Halvorn Orv - Vosk");
    EXPECT_EQ(shown(StringRow::Customer), "from the collar") << "the main fields are shown";
}

TEST_F(OtherCompletions, TheFirmwareSelectionFollowsTheCollar) {
    const auto table = firmwareTable();
    record.text(StringRow::FenmodFwVer) = table[1].version;
    devices().firmwareFinished(DeviceResult::Ok);
    EXPECT_EQ(firmware.row, 1);
    EXPECT_EQ(texts(),
              std::vector<std::string>{std::string("OK, the firmware version is now set correctly to '") +
                                       table[1].version + "'."});
    boxes.clear();
    record.text(StringRow::FenmodFwVer) = "ZZ 999999";
    devices().firmwareFinished(DeviceResult::Ok);
    EXPECT_EQ(firmware.row, 1);
    EXPECT_EQ(texts(),
              std::vector<std::string>{
                  "The GPS system firmware version ('ZZ 999999') is not supported.\nThe firmware "
                  "version was NOT set correctly.\n\nContact Halvorn support to get a Orv upgrade.\n"});
    boxes.clear();
    devices().firmwareFinished(DeviceResult::StatusWithData);  // the query failed and said so itself
    EXPECT_TRUE(texts().empty());
}

TEST_F(OtherCompletions, ShutdownWarnsOnlyWhenItWorked) {
    devices().shutdownFinished(DeviceResult::ReadbackMismatch);
    EXPECT_TRUE(texts().empty());
    devices().shutdownFinished(DeviceResult::Ok);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts().front().rfind("The System has been successfully shut down", 0), 0u);
}

TEST_F(OtherCompletions, ExportNeedsAKnownFirmware) {
    record.text(StringRow::FenmodFwVer) = "";
    EXPECT_FALSE(devices().prepareExport());
    EXPECT_EQ(texts().front().rfind("The programmed Firmware is not known.", 0), 0u);
    boxes.clear();
    record.text(StringRow::FenmodFwVer) = firmwareTable()[0].version;
    EXPECT_TRUE(devices().prepareExport());
    EXPECT_TRUE(texts().empty());
}

}  // namespace
}  // namespace orv::test
