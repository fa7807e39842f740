#include "device/com_settings.h"

#include <gtest/gtest.h>

#include "app/memory_profile.h"
#include "device/serial_port.h"
#include "device/target_link.h"
#include "device/tracing_line.h"
#include "pty_peer.h"
#include "recording_progress.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv {
namespace {

struct ComSettingsTest : ::testing::Test {
    MemoryProfile profile;
    SerialPort port;
    MessageLog log;
    TargetLink link{port, log};
};

TEST_F(ComSettingsTest, AnEmptyProfileGivesTheDefaults) {
    link.settings = ComSettings{0, 0, 0, 1, 2, 64, 128, 5};
    loadComSettings(profile, link);
    const ComSettings& s = link.settings;
    EXPECT_EQ(s.portSlot, 3);
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.parityBits, 4);
    EXPECT_EQ(s.dataBitsBit, 0);
    EXPECT_EQ(s.stopBitsBits, 0);
    EXPECT_EQ(s.singlePinBit, 0);
    EXPECT_EQ(s.voltageBit, 0);
    EXPECT_EQ(s.comTimeoutSeconds, 90);
    EXPECT_EQ(s.settingsWord(), 4);
    EXPECT_EQ(port.devicePath(0), "/dev/ttyUSB0");
    EXPECT_EQ(port.devicePath(3), "/dev/ttyUSB3");
    EXPECT_FALSE(profile.contains(kComSection, "Comm Timeout")) << "loading writes nothing else";
}

TEST_F(ComSettingsTest, AZeroTimeOutBecomesNinetyAndIsWrittenBack) {
    profile.writeInt(kComSection, "Comm Timeout", 0);
    profile.writeInt(kComSection, "Comm Port", 1);
    profile.writeText(kComSection, "COM 2 Device", "/dev/serial/by-id/collar");
    loadComSettings(profile, link);
    EXPECT_EQ(link.settings.comTimeoutSeconds, 90);
    EXPECT_EQ(profile.readInt(kComSection, "Comm Timeout", -1), 90);
    EXPECT_EQ(link.settings.portSlot, 1);
    EXPECT_EQ(port.devicePath(1), "/dev/serial/by-id/collar");
}

TEST_F(ComSettingsTest, SaveThenLoadKeepsEverySetting) {
    link.settings = ComSettings{2, 19200, 12, 1, 2, 64, 128, 30, 1, "/var/tmp/collar.trace"};
    port.setDevicePath(2, "/dev/ttyACM0");
    saveComSettings(profile, link);
    link.settings = ComSettings{};
    loadComSettings(profile, link);
    EXPECT_EQ(link.settings.portSlot, 2);
    EXPECT_EQ(link.settings.baudRate, 19200);
    EXPECT_EQ(link.settings.comTimeoutSeconds, 30);
    EXPECT_EQ(link.settings.settingsWord(), 12 | 1 | 2 | 64 | 128);
    EXPECT_EQ(port.devicePath(2), "/dev/ttyACM0");
    EXPECT_EQ(link.settings.serialTrace, 1);
    EXPECT_EQ(link.settings.traceFile, "/var/tmp/collar.trace");
}

TEST(ComTrace, TheSettingOpensItsFileSessionAfterSessionAndAFileThatCannotBeOpenedTurnsItOff) {
    test::TempDir folder;
    SerialPort port;
    TracingLine line(port);
    test::ScriptedPresenter presenter;
    MessageLog log(&presenter);
    ComSettings settings;
    EXPECT_EQ(settings.serialTrace, 0) << "off unless asked for";
    ASSERT_TRUE(followTraceSetting(line, settings, log));
    EXPECT_FALSE(line.trace());

    settings.serialTrace = 1;
    settings.traceFile = folder.file("collar.trace");
    ASSERT_TRUE(followTraceSetting(line, settings, log));
    const auto first = line.trace();
    ASSERT_TRUE(first);
    ASSERT_TRUE(followTraceSetting(line, settings, log));
    EXPECT_EQ(line.trace(), first) << "the same file stays open";
    settings.serialTrace = 0;
    followTraceSetting(line, settings, log);
    EXPECT_FALSE(line.trace());
    settings.serialTrace = 1;
    followTraceSetting(line, settings, log);
    line.setTrace(nullptr);
    const std::string text = folder.read("collar.trace");
    EXPECT_NE(text.find("# Serial trace, session started"), text.rfind("# Serial trace, session started"))
        << "a second session is appended, the first kept";
    EXPECT_EQ(presenter.count(), 0u);

    settings.traceFile = folder.file("missing/collar.trace");
    EXPECT_FALSE(followTraceSetting(line, settings, log));
    EXPECT_FALSE(line.trace());
    EXPECT_EQ(settings.serialTrace, 0);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text,
              "The serial trace file '" + settings.traceFile +
                  "' could not be opened:\nNo such file or directory\n\nThe serial trace is off.");
}

TEST(ComDialog, FillShowsTheSettingsAsTheDialogTexts) {
    ComDialogFields f = comDialogFill(ComSettings{});
    EXPECT_EQ(f.port, "COM 4");
    EXPECT_EQ(f.baudRate, "9600");
    EXPECT_EQ(f.parity, "ODD");
    EXPECT_EQ(f.dataBits, "7");
    EXPECT_EQ(f.stopBits, "1");
    EXPECT_EQ(f.voltage, "5 Volts");
    EXPECT_FALSE(f.singlePin);

    f = comDialogFill(ComSettings{7, 300, 12, 1, 2, 64, 128, 90});
    EXPECT_EQ(f.port, "COM 1") << "any other slot shows COM 1";
    EXPECT_EQ(f.parity, "EVEN");
    EXPECT_EQ(f.dataBits, "8");
    EXPECT_EQ(f.stopBits, "2");
    EXPECT_EQ(f.voltage, "3 Volts");
    EXPECT_TRUE(f.singlePin);
    EXPECT_EQ(comDialogFill(ComSettings{0, 300, 6, 0, 1, 0, 0, 90}).parity, "NONE");
}

TEST(ComDialog, ReadBackMapsTheTextsToTheSettingsWord) {
    ComSettings s;
    ComDialogFields f{"COM 2", "19200", "EVEN", "8", "2", "3 Volts", true, "", true, ""};
    comDialogReadBack(f, s);
    EXPECT_EQ(s.serialTrace, 1);
    EXPECT_EQ(s.traceFile, "serial-trace.txt") << "no file named: the one in the data directory";
    EXPECT_EQ(s.portSlot, 1);
    EXPECT_EQ(s.baudRate, 19200);
    EXPECT_EQ(s.settingsWord() & 0x7F, 79);
    EXPECT_EQ(s.voltageBit, 128);
    EXPECT_EQ(s.comTimeoutSeconds, 90) << "the time-out has no control";

    f = ComDialogFields{"COM 9", "96OO", "odd", "x", "3", "5 Volts", false, ""};
    comDialogReadBack(f, s);
    EXPECT_EQ(s.portSlot, 0);
    EXPECT_EQ(s.baudRate, 0) << "letters in the baud rate store 0";
    EXPECT_EQ(s.parityBits, 0);
    EXPECT_EQ(s.dataBitsBit, 1);
    EXPECT_EQ(s.stopBitsBits, 0);
    EXPECT_EQ(s.voltageBit, 0);
}

TEST_F(ComSettingsTest, OkClosesAPendingPortAtOnce) {
    test::PtyPeer peer;
    ASSERT_TRUE(peer.ok());
    peer.respond([](const std::string&) { return test::PtyPeer::answer("+"); });
    port.setDevicePath(3, peer.path());
    test::RecordingProgress progress;
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    link.endConnection(60);
    ASSERT_TRUE(link.closePending());

    applyComDialog(comDialogFill(link.settings), profile, link);
    EXPECT_FALSE(port.isOpen(3));
    EXPECT_FALSE(link.closePending());
    EXPECT_EQ(profile.readInt(kComSection, "Comm Port", -1), 3);
}

}  // namespace
}  // namespace orv
