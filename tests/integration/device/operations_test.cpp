// The device operations against the emulated collar: the commands they send,
// their progress, their messages, and the abort that callers must see.

#include <gtest/gtest.h>

#include <chrono>

#include "collar_fixture.h"
#include "image/firmware_table.h"

namespace orv::test {
namespace {

using namespace std::chrono_literals;

class OperationsTest : public CollarTest {};

TEST_F(OperationsTest, AnN4ImageIsWrittenInSixBlocksTheLastOf104Bytes) {
    startCollar({});
    useFirmware("N4 040816");
    ASSERT_EQ(programConfiguration(context, progress), DeviceResult::Ok);
    const auto writes = commandsStartingWith('W');
    ASSERT_EQ(writes.size(), 6u);
    for (std::size_t i = 0; i < writes.size(); ++i) {
        char head[16];
        std::snprintf(head, sizeof head, "W%06X00", static_cast<unsigned>(0xBFC000 + 0x80 * i));
        EXPECT_EQ(writes[i].substr(0, 9), head);
        EXPECT_EQ(writes[i].size(), 9 + 2 * (i < 5 ? 128u : 104u));
    }
    EXPECT_EQ(commandsStartingWith('E'), std::vector<std::string>{"E22"});
    EXPECT_EQ(commandsStartingWith('R').size(), 6u);
    EXPECT_EQ(commandsStartingWith('R').front(), "RBFC0000080");
    EXPECT_TRUE(progress.sawCaption("Writing configuration to target"));
    EXPECT_TRUE(progress.sawCaption("Confirming configuration in target"));
    EXPECT_TRUE(progress.sawLegend("Erasing target FLASH memory sector"));
    EXPECT_TRUE(progress.sawLegend("Writing 744 bytes to address 0xBFC000 in memory"));
    EXPECT_TRUE(progress.sawLegend("744 of 744 bytes have been written"));
    EXPECT_TRUE(progress.sawLegend("744 of 744 bytes have been read"));
    EXPECT_EQ(progress.positions.back(), 100);
    EXPECT_TRUE(link.closePending()) << "the port stays open a while for the next operation";
}

TEST_F(OperationsTest, TheMemoryAnswerSixteenSelectsTheHighSector) {
    emu::CollarOptions options;
    options.memoryAnswer = "16";
    startCollar(options);
    useFirmware("N4 040816");
    ASSERT_EQ(programConfiguration(context, progress), DeviceResult::Ok);
    EXPECT_EQ(commandsStartingWith('E'), std::vector<std::string>{"E46"});
    EXPECT_EQ(link.configBaseAddress, 0xDFC000u);
    EXPECT_EQ(link.flashSector, 70);
    EXPECT_EQ(commandsStartingWith('W').front().substr(0, 9), "WDFC00000");

    EXPECT_EQ(configurationAreaFor('0', '8').flashSector, 34);
    EXPECT_EQ(configurationAreaFor('0', '8').baseAddress, 0xBFC000u);
}

TEST_F(OperationsTest, TheVersionBytesBecomeTheFirmwareTexts) {
    startCollar({});
    useFirmware("N4 040816");
    ASSERT_EQ(readFirmwareVersions(context, progress), DeviceResult::Ok);
    EXPECT_EQ(record.text(StringRow::FenmodFwVer), "N4 040816 03");
    EXPECT_EQ(findFirmware(record.text(StringRow::FenmodFwVer)), 14) << "table row 15";
    EXPECT_EQ(record.text(StringRow::NavProcFwVer), "01.07 11/28/2002");
    EXPECT_EQ(record.text(StringRow::RtcPicFwVer), "RT 020501 07");
    EXPECT_EQ(progress.caption, "Reading target configuration");
    EXPECT_TRUE(link.closePending()) << "the port is not held open for ever";
    EXPECT_GE(progress.hides, 1);
}

TEST_F(OperationsTest, ReadingFollowsTheCollarsFirmwareWithANotice) {
    emu::CollarOptions options;
    options.firmware = "N3 020702";
    startCollar(options);
    useFirmware("N4 040816");
    ASSERT_EQ(readConfiguration(context, progress), DeviceResult::Ok);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().kind, BoxKind::Information);
    EXPECT_EQ(selection.selectedRow(), findFirmware("N3 020702"));
    EXPECT_EQ(link.memoryImage.size(), 742u);
}

TEST_F(OperationsTest, ProgrammingADifferentFirmwareAsksAndNoWritesNothing) {
    emu::CollarOptions options;
    options.firmware = "N3 020702";
    startCollar(options);
    useFirmware("N4 040816");
    EXPECT_EQ(programConfiguration(context, progress), DeviceResult::SelectionDeclined);
    ASSERT_EQ(presenter.count(), 2u);
    EXPECT_EQ(presenter.boxes[0].kind, BoxKind::Choice);
    EXPECT_EQ(
        presenter.boxes[1].text,
        "The firmware version selected in the 'Firmware' combo box\ndoes not match that read from the GPS "
        "device ('N3').\nThe target memory was NOT programmed correctly.\n");
    EXPECT_TRUE(commandsStartingWith('E').empty());
    EXPECT_TRUE(commandsStartingWith('W').empty());

    presenter.clear();
    presenter.answer(kAnswerYes);
    EXPECT_EQ(programConfiguration(context, progress), DeviceResult::Ok);
    EXPECT_EQ(link.memoryImage.size(), 742u) << "built for the collar's firmware";
}

TEST_F(OperationsTest, UnknownFamilyLettersAreNotSupported) {
    emu::CollarOptions options;
    options.firmware = "Q7 040816";
    startCollar(options);
    useFirmware("N4 040816");
    EXPECT_EQ(readConfiguration(context, progress), DeviceResult::UnsupportedFirmware);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text,
              "The GPS system firmware version ('Q7') is not supported.\nThe target memory was NOT read "
              "correctly.\n\nContact Halvorn support to get a Orv upgrade.\n");
    EXPECT_TRUE(commandsStartingWith('R').empty());
}

TEST_F(OperationsTest, AnEraseAnsweredMinusIsUnrecognizedAndNothingIsWritten) {
    emu::CollarOptions options;
    options.faults = {{emu::FaultKind::EraseRefused, 0}};
    startCollar(options);
    useFirmware("N4 040816");
    EXPECT_EQ(programConfiguration(context, progress), DeviceResult::Unrecognized);
    EXPECT_EQ(boxTexts(),
              std::vector<std::string>{"An unrecognized response was returned from the target!\nThe "
                                       "target memory was NOT programmed correctly."});
    EXPECT_TRUE(commandsStartingWith('W').empty());
}

TEST_F(OperationsTest, AOneBitReadbackDifferenceFailsTheCheck) {
    emu::CollarOptions options;
    options.faults = {{emu::FaultKind::FlippedReadbackBit, 0}};
    startCollar(options);
    useFirmware("N4 040816");
    EXPECT_EQ(programConfiguration(context, progress), DeviceResult::ReadbackMismatch);
    EXPECT_EQ(boxTexts(),
              std::vector<std::string>{"Error -- The target failed the program readback check.\nThe "
                                       "target was NOT programmed correctly."});
}

TEST_F(OperationsTest, AbortDuringTheReadbackShowsTheReadingMessageAndIsSeen) {
    startCollar({});
    useFirmware("N4 040816");
    progress.abortWhen = [](const RecordingProgress& p) {
        return p.caption == "Confirming configuration in target" &&
               p.legend == "128 of 744 bytes have been read";
    };
    EXPECT_EQ(programConfiguration(context, progress), DeviceResult::Aborted);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "Target reading was aborted!\nThe target memory was NOT read correctly."});
    EXPECT_EQ(presenter.last().kind, BoxKind::Warning);
    EXPECT_EQ(commandsStartingWith('R').size(), 1u);
    EXPECT_TRUE(link.closePending());
}

TEST_F(OperationsTest, AbortDuringWritingShowsTheProgrammingMessage) {
    startCollar({});
    useFirmware("N4 040816");
    progress.abortWhen = [](const RecordingProgress& p) {
        return p.legend == "256 of 744 bytes have been written";
    };
    EXPECT_EQ(programConfiguration(context, progress), DeviceResult::Aborted);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "Target programming was aborted!\nThe target was NOT programmed correctly."});
    EXPECT_EQ(commandsStartingWith('W').size(), 2u);
    EXPECT_TRUE(commandsStartingWith('R').empty()) << "no readback after an abort";
}

TEST_F(OperationsTest, AnAbortedReadLeavesTheImageAlone) {
    startCollar({});
    useFirmware("N4 040816");
    link.memoryImage = {1, 2, 3};
    progress.abortWhen = [](const RecordingProgress& p) {
        return p.legend == "128 of 744 bytes have been read";
    };
    EXPECT_EQ(readConfiguration(context, progress), DeviceResult::Aborted);
    EXPECT_EQ(link.memoryImage, (std::vector<std::uint8_t>{1, 2, 3})) << "nothing half-read to decode";
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "Target reading was aborted!\nThe target memory was NOT read correctly."});
}

TEST_F(OperationsTest, ASleepingCollarIsWokenByTheMagnet) {
    emu::CollarOptions options;
    options.asleep = true;
    options.magnetAfterMs = 700;
    startCollar(options);
    useFirmware("N4 040816");
    ASSERT_EQ(programConfiguration(context, progress), DeviceResult::Ok)
        << ::testing::PrintToString(boxTexts());
    EXPECT_TRUE(progress.sawLegend("Put the magnet near the target for 10 seconds."));
    EXPECT_EQ(collar->commandLog().front(), "T") << "the probe it slept through";
}

TEST_F(OperationsTest, ASecondOperationReusesThePortOfTheFirst) {
    startCollar({});
    useFirmware("N4 040816");
    ASSERT_EQ(readFirmwareVersions(context, progress), DeviceResult::Ok);
    const int fd = port.slotState(0).fd;
    ASSERT_EQ(readConfiguration(context, progress), DeviceResult::Ok);
    EXPECT_EQ(port.slotState(0).fd, fd);
    EXPECT_TRUE(link.closePending());
}

TEST_F(OperationsTest, SinglePinEchoWorksEndToEnd) {
    emu::CollarOptions options;
    options.singlePin = true;
    options.firmware = "DS 040903";
    startCollar(options);
    useFirmware("DS 040903");
    link.settings.singlePinBit = 64;
    ASSERT_EQ(programConfiguration(context, progress), DeviceResult::Ok)
        << ::testing::PrintToString(boxTexts());
    EXPECT_EQ(decodeImage(record, link.memoryImage, {ReadMode::Check, 1, link.versionBytes}, log),
              ImageResult::Ok);
}

struct Shutdown {
    const char* firmware;
    std::vector<std::string> commands;  // after the opening's T, F
};

class ShutdownTest : public CollarTest, public ::testing::WithParamInterface<Shutdown> {};

TEST_P(ShutdownTest, SendsTheFamilysSequence) {
    emu::CollarOptions options;
    options.firmware = GetParam().firmware;
    startCollar(options);
    useFirmware(GetParam().firmware);
    EXPECT_EQ(shutDownTarget(context, progress), DeviceResult::Ok) << ::testing::PrintToString(boxTexts());
    ASSERT_TRUE(collar->waitForCommands(2 + static_cast<int>(GetParam().commands.size()), 2000));
    auto log = collar->commandLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 2), (std::vector<std::string>{"T", "F"}));
    EXPECT_EQ(std::vector<std::string>(log.begin() + 2, log.end()), GetParam().commands);
    EXPECT_EQ(progress.caption, "Writing Shut Down command to target");
    EXPECT_EQ(collar->shutDown(), !GetParam().commands.empty());
}

INSTANTIATE_TEST_SUITE_P(Families, ShutdownTest,
                         ::testing::Values(Shutdown{"N4 040816", {"G", "X"}},
                                           Shutdown{"N3 020702", {"V5353440D", "WFFFF0F0100", "X"}},
                                           Shutdown{"N6 020513", {"V5353440D", "WFFFF0F0100", "X"}},
                                           Shutdown{"DS 040903", {"V5353440D", "WFFFF0F0100", "X"}},
                                           Shutdown{"N1 010803", {}}),
                         [](const auto& info) { return std::string(info.param.firmware).substr(0, 2); });

}  // namespace
}  // namespace orv::test
