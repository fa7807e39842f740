#include "device/target_link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "device/device_messages.h"
#include "device/result_codes.h"
#include "device/serial_port.h"
#include "pty_peer.h"
#include "recording_progress.h"
#include "scripted_presenter.h"

namespace orv {
namespace {

using namespace std::chrono_literals;
using test::PtyPeer;

class TargetLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(peer.ok());
        port.setDevicePath(1, peer.path());
        link.settings.portSlot = 1;
    }

    // A collar that is awake and answers every command with "+".
    void awakeCollar() {
        peer.respond([](const std::string&) { return PtyPeer::answer("+"); });
    }

    PtyPeer peer;
    SerialPort port;
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};
    TargetLink link{port, log};
    test::RecordingProgress progress;
};

TEST_F(TargetLinkTest, AnAwakeCollarConnectsWithoutTheMagnet) {
    awakeCollar();
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    EXPECT_TRUE(link.portIsOpen());
    EXPECT_EQ(progress.caption, "Connecting to target");
    EXPECT_FALSE(progress.sawLegend("Put the magnet near the target for 10 seconds."));
    EXPECT_EQ(peer.received(), std::vector<std::string>{"T"});
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(TargetLinkTest, ASleepingCollarWakesWithTheMagnetBanner) {
    std::thread magnet([&] {
        std::this_thread::sleep_for(1800ms);
        peer.send("\x01>\x04");
    });
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    magnet.join();
    EXPECT_TRUE(progress.sawLegend("Put the magnet near the target for 10 seconds."));
    EXPECT_TRUE(progress.sawLegend("Put the magnet near the target for 10 seconds, then remove it."));
    EXPECT_GE(progress.beeps.load(), 1);
    EXPECT_EQ(presenter.count(), 0u);
}

TEST_F(TargetLinkTest, AWrongBannerIsUnrecognized) {
    std::thread magnet([&] {
        std::this_thread::sleep_for(700ms);
        peer.send("\x01<\x04");
    });
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::Unrecognized);
    magnet.join();
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().kind, BoxKind::Error);
    EXPECT_EQ(presenter.last().text, "Unrecognized target response");
    EXPECT_TRUE(link.closePending()) << "the port closes later, as after every failure";
}

TEST_F(TargetLinkTest, AbortDuringTheWakeUpEndsIt) {
    progress.abortWhen = [](const test::RecordingProgress& p) {
        return p.legend == "Put the magnet near the target for 10 seconds.";
    };
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::Aborted);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text, "The COM open process was aborted");
}

// A front end that bounds the wait (orvctl --timeout) gets a time-out of its
// own, said once; nobody aborted anything.
TEST_F(TargetLinkTest, AWakeUpNobodyAnswersEndsAsATimeOutWithItsOwnMessage) {
    progress.wakeLimit = 1;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::WakeTimeout);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 1s);
    showOperationFailure(log, MessageVariant::Read, DeviceResult::WakeTimeout, "");
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().kind, BoxKind::Error);
    EXPECT_EQ(
        presenter.last().text,
        "No collar answered within 1 s.\nApply the magnet to the collar for 10 seconds, then remove it, "
        "and try again.");
}

TEST_F(TargetLinkTest, AHangUpDuringTheWakeUpIsReportedAsAHangUp) {
    std::thread unplug([&] {
        std::this_thread::sleep_for(700ms);
        peer.hangUp();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::HungUp);
    unplug.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << "not waited out";
    EXPECT_EQ(presenter.count(), 0u);
    showOperationFailure(log, MessageVariant::Program, DeviceResult::HungUp, "");
    EXPECT_EQ(
        presenter.last().text,
        "The serial line to the target hung up (was the adapter unplugged?).\nThe target memory was NOT "
        "programmed correctly.");
}

TEST_F(TargetLinkTest, AQuestionAnsweredNoIsAnAbort) {
    awakeCollar();
    presenter.answer(kAnswerNo);
    EXPECT_EQ(link.beginConnection(progress, "Go on?"), DeviceResult::Aborted);
    EXPECT_EQ(presenter.last().kind, BoxKind::Choice);
    EXPECT_TRUE(peer.received().empty());
}

TEST_F(TargetLinkTest, APortThatWillNotOpenNamesTheComNumberAndDevice) {
    port.setDevicePath(1, "/nonexistent/ttyUSB1");
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::PortFailed);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text,
              "Was unable to open COM 2.\nIt may be not present or it\nmay be in use.\n\nDevice: "
              "/nonexistent/ttyUSB1");
    EXPECT_FALSE(link.portIsOpen());
}

TEST_F(TargetLinkTest, ASecondOperationWithinTheDelayReusesThePort) {
    awakeCollar();
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    const int fd = port.slotState(1).fd;
    link.endConnection(60);
    EXPECT_TRUE(link.closePending());
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    EXPECT_FALSE(link.closePending());
    EXPECT_EQ(port.slotState(1).fd, fd) << "not reopened";

    // The cancelled close must not close the port it gave up.
    link.endConnection(60);
    std::this_thread::sleep_for(300ms);
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    std::this_thread::sleep_for(600ms);
    EXPECT_TRUE(port.isOpen(1));
    EXPECT_TRUE(link.portIsOpen());
}

TEST_F(TargetLinkTest, TheDelayedCloseClosesAfterItsTicks) {
    awakeCollar();
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    link.endConnection(8);  // two ticks of 250 ms
    EXPECT_TRUE(port.isOpen(1));
    for (int i = 0; i < 100 && port.isOpen(1); ++i) std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(port.isOpen(1));
    EXPECT_FALSE(link.portIsOpen());
    EXPECT_FALSE(link.closePending());
}

TEST_F(TargetLinkTest, EndConnectionZeroClosesAtOnceEvenAfterTheSlotChanged) {
    awakeCollar();
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    link.endConnection(60);
    link.settings.portSlot = 3;  // the COM dialog chose another port
    link.endConnection(0);
    EXPECT_FALSE(port.isOpen(1));
    EXPECT_FALSE(link.portIsOpen());
}

TEST_F(TargetLinkTest, CommandsAreFramedAfterDrainingOldInput) {
    awakeCollar();
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    peer.stopResponder();
    peer.send("stale\x01+\x04");
    std::this_thread::sleep_for(50ms);
    link.sendCommand("%c%06lX%04X", 'R', 0xBFC080UL, 128u);
    EXPECT_EQ(peer.receive(), "\x01RBFC0800080\x04");
    EXPECT_EQ(link.receiveAnswer(200, kAnswerCapacity, &progress), DeviceResult::Timeout)
        << "the stale answer was drained";
}

TEST_F(TargetLinkTest, ReceiveAnswerTakesTheAnswerAndItsResult) {
    awakeCollar();
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    peer.stopResponder();

    peer.send("\x55\xAA\x01R0102\x04");
    EXPECT_EQ(link.receiveAnswer(1000, kAnswerCapacity, &progress), DeviceResult::Ok);
    EXPECT_EQ(link.answerText(), "R0102");

    peer.send("\x01+00\x04");
    EXPECT_EQ(link.receiveAnswer(1000, kAnswerCapacity, &progress), DeviceResult::StatusWithData);
    peer.send("\x01Z\x04");
    EXPECT_EQ(link.receiveAnswer(1000, kAnswerCapacity, &progress), DeviceResult::Unrecognized);
    peer.send("\x01R" + std::string(300, '0'));
    EXPECT_EQ(link.receiveAnswer(1000, kAnswerCapacity, &progress), DeviceResult::AnswerTooLong);
    EXPECT_EQ(link.answerLength, kAnswerCapacity);
}

TEST_F(TargetLinkTest, ReceiveAnswerEndsOnTimeOutAbortAndHangUp) {
    awakeCollar();
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    peer.stopResponder();

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link.receiveAnswer(300, kAnswerCapacity, &progress), DeviceResult::Timeout);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);

    // Each byte after SOH opens a new window: a slow but steady answer is no time-out.
    std::thread slow([&] {
        for (const char c : std::string("\x01R00\x04")) {
            std::this_thread::sleep_for(150ms);
            peer.send(std::string(1, c));
        }
    });
    EXPECT_EQ(link.receiveAnswer(250, kAnswerCapacity, &progress), DeviceResult::Ok);
    slow.join();

    progress.pressAbort();
    EXPECT_EQ(link.receiveAnswer(5000, kAnswerCapacity, &progress), DeviceResult::Aborted);

    peer.hangUp();
    EXPECT_EQ(link.receiveAnswer(60000, kAnswerCapacity, nullptr), DeviceResult::HungUp)
        << "a hang-up, said as one";
}

TEST_F(TargetLinkTest, AHungUpPortIsOpenedAnewNotReused) {
    awakeCollar();
    ASSERT_EQ(link.beginConnection(progress), DeviceResult::Ok);
    link.endConnection(60);
    const std::string path = peer.path();
    peer.hangUp();
    ASSERT_EQ(port.waitReadable(1, 500), LineWait::Lost);
    EXPECT_EQ(link.beginConnection(progress), DeviceResult::PortFailed) << "the device is gone";
}

}  // namespace
}  // namespace orv
