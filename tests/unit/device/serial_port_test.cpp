#include "device/serial_port.h"

#include <gtest/gtest.h>

#include <chrono>

#include "pty_peer.h"

namespace orv {
namespace {

using test::PtyPeer;

TEST(SettingsWord, DecodesDataBitsParityStopBitsAndEcho) {
    const LineSettings zero = decodeSettingsWord(0);
    EXPECT_EQ(zero.byteSize, 7);
    EXPECT_EQ(zero.parityEnabled, 0);
    EXPECT_EQ(zero.parity, kParityNone);
    EXPECT_EQ(zero.stopBits, kOneStopBit);
    EXPECT_EQ(zero.echoMode, 0);

    const LineSettings even = decodeSettingsWord(0x0D);
    EXPECT_EQ(even.byteSize, 8);
    EXPECT_EQ(even.parityEnabled, 1);
    EXPECT_EQ(even.parity, kParityEven);
    EXPECT_EQ(even.stopBits, kOneStopBit);

    const LineSettings odd = decodeSettingsWord(0x47);
    EXPECT_EQ(odd.byteSize, 8);
    EXPECT_EQ(odd.parity, kParityOdd);
    EXPECT_EQ(odd.stopBits, kTwoStopBits);
    EXPECT_EQ(odd.echoMode, 1);

    // The 3-volt bit is only carried along; even parity needs the parity bit too.
    EXPECT_EQ(decodeSettingsWord(0x80).threeVolt, 1);
    EXPECT_EQ(decodeSettingsWord(0x08).parityEnabled, 0);
}

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(peer.ok());
        port.setDevicePath(0, peer.path());
    }
    PtyPeer peer;
    SerialPort port;
};

TEST_F(SerialPortTest, OpenTakesTheSlotAndTheDeviceExclusively) {
    EXPECT_EQ(port.readByte(0), 0) << "a closed slot reads 0, not -1";
    ASSERT_EQ(port.open(0, 0x04, 9600), 1);
    EXPECT_EQ(port.currentPort(), 0);
    EXPECT_EQ(port.open(0, 0x04, 9600), 0) << "a second open of an open slot";
    EXPECT_TRUE(port.isOpen(0));
    EXPECT_EQ(port.readByte(0), -1) << "the first open is untouched";

    SerialPort other;
    other.setDevicePath(2, peer.path());
    EXPECT_EQ(other.open(2, 0, 9600), 0) << "the device is held by the first port";
    port.close(0);
    EXPECT_EQ(other.open(2, 0, 9600), 1) << "and free again once it is closed";
}

TEST_F(SerialPortTest, OpenFailsWithoutBaudRateOrDevice) {
    EXPECT_EQ(port.open(0, 0, 0), 0);
    port.setDevicePath(1, "/nonexistent/ttyX");
    EXPECT_EQ(port.open(1, 0, 9600), 0);
    EXPECT_EQ(port.open(7, 0, 9600), 0);
    EXPECT_FALSE(port.isOpen(0));
}

TEST_F(SerialPortTest, AcceptsNonStandardRatesAndReconfigures) {
    ASSERT_EQ(port.open(0, 0x01, 31250), 1);
    EXPECT_EQ(port.slotState(0).baudRate, 31250);
    EXPECT_EQ(port.reconfigure(0, 0x0D, 19200), 1);
    EXPECT_EQ(port.slotState(0).byteSize, 8);
    EXPECT_EQ(port.slotState(0).parity, kParityEven);
    EXPECT_EQ(port.reconfigure(1, 0, 9600), 0) << "only an open slot";
}

TEST_F(SerialPortTest, BytesGoBothWaysOneAtATime) {
    ASSERT_EQ(port.open(0, 0x01, 9600), 1);
    EXPECT_EQ(port.writeText(0, "T12"), 1);
    EXPECT_EQ(peer.receive(), "T12");
    peer.send("A\x7F");
    ASSERT_EQ(port.waitReadable(0, 1000), LineWait::Ready);
    EXPECT_EQ(port.readByte(0), 'A');
    EXPECT_EQ(port.readByte(0), 0x7F);
    EXPECT_EQ(port.readByte(0), -1);
    EXPECT_EQ(port.waitReadable(0, 10), LineWait::TimedOut);
}

TEST_F(SerialPortTest, ReadTextStopsAtCapacityAndTerminates) {
    ASSERT_EQ(port.open(0, 0x01, 9600), 1);
    peer.send("abcdefgh");
    char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(port.readText(0, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "abcd");
}

TEST_F(SerialPortTest, EchoModeChecksTheEcho) {
    ASSERT_EQ(port.open(0, 0x40, 9600), 1);
    peer.respond([](const std::string&) { return std::string(); }, /*echo=*/true);
    EXPECT_EQ(port.writeByte(0, 'T'), 1);
    peer.stopResponder();

    // An echo that differs from the byte written.
    peer.send("Q");
    EXPECT_EQ(port.writeByte(0, 'T'), 0);
    peer.receive(20);

    // No echo at all: the write fails after the echo wait, not at once.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.writeByte(0, 'T'), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
}

TEST_F(SerialPortTest, ReopeningWithoutSinglePinTurnsEchoModeOff) {
    ASSERT_EQ(port.open(0, 0x40, 9600), 1);
    EXPECT_EQ(port.slotState(0).echoMode, 1);
    port.close(0);
    ASSERT_EQ(port.open(0, 0x04, 9600), 1);
    EXPECT_EQ(port.slotState(0).echoMode, 0);
    EXPECT_EQ(port.writeByte(0, 'T'), 1) << "no echo expected any more";
}

TEST_F(SerialPortTest, AHungUpLineIsReportedLost) {
    ASSERT_EQ(port.open(0, 0x01, 9600), 1);
    peer.hangUp();
    EXPECT_EQ(port.waitReadable(0, 1000), LineWait::Lost);
    EXPECT_TRUE(port.hasHungUp(0));
    port.close(0);
    EXPECT_EQ(port.waitReadable(0, 10), LineWait::Lost) << "a closed slot";
}

TEST_F(SerialPortTest, PurgeDiscardsWaitingInput) {
    ASSERT_EQ(port.open(0, 0x01, 9600), 1);
    peer.send("junk");
    ASSERT_EQ(port.waitReadable(0, 1000), LineWait::Ready);
    port.purge(0);
    EXPECT_EQ(port.readByte(0), -1);
    EXPECT_EQ(port.pendingOutput(0), 0);
}

// The last frame before a close (a shut-down's final command) reaches the
// collar; only what came in unread is thrown away.
TEST_F(SerialPortTest, CloseRightAfterAWriteStillDeliversTheFrame) {
    for (int round = 0; round < 20; ++round) {
        ASSERT_EQ(port.open(0, 0x01, 9600), 1);
        peer.send("stale");
        ASSERT_EQ(port.waitReadable(0, 1000), LineWait::Ready);
        EXPECT_EQ(port.writeText(0, "\x01X\x04"), 1);
        port.close(0);
        ASSERT_EQ(peer.receive(), "\x01X\x04") << "round " << round;
        ASSERT_EQ(port.open(0, 0x01, 9600), 1);
        EXPECT_EQ(port.readByte(0), -1) << "the unread input went with the close";
        port.close(0);
    }
}
}  // namespace
}  // namespace orv
