// The emulated collar itself: what the tests above rely on it to do.

#include "collar_device.h"

#include <gtest/gtest.h>

namespace orv::emu {
namespace {

std::string frame(const std::string& payload) {
    return "\x01" + payload + "\x04";
}

TEST(CollarDevice, FlashWritesOnlyClearBitsUntilErased) {
    CollarOptions options;
    options.initialFill = 0x0F;
    CollarDevice collar(options);
    EXPECT_EQ(collar.handle("WBFC00000F0F1").bytes, frame("+"));
    EXPECT_EQ(collar.handle("RBFC0000002").bytes, frame("R0001")) << "0x0F AND 0xF0, 0x0F AND 0xF1";
    EXPECT_EQ(collar.handle("E22").bytes, frame("+"));
    EXPECT_EQ(collar.handle("RBFC0000002").bytes, frame("RFFFF"));
    EXPECT_EQ(collar.handle("E23").bytes, frame("-")) << "no such sector";
    EXPECT_EQ(collar.handle("R0000000002").bytes, frame("-")) << "outside the flash";
}

TEST(CollarDevice, SleepsUntilTheMagnetThenSendsTheBannerOnce) {
    CollarOptions options;
    options.asleep = true;
    CollarDevice collar(options);
    EXPECT_TRUE(collar.handle("T").bytes.empty());
    EXPECT_EQ(collar.applyMagnet(), "\x01>\x04");
    EXPECT_TRUE(collar.applyMagnet().empty());
    EXPECT_EQ(collar.handle("T").bytes, frame("+"));
    collar.handle("X");
    EXPECT_TRUE(collar.shutDown());
    EXPECT_TRUE(collar.handle("T").bytes.empty()) << "asleep again after the shut-down";
    EXPECT_EQ(collar.commandLog(), (std::vector<std::string>{"T", "T", "X", "T"}));
}

TEST(CollarDevice, FlipsABitOnlyInAReadback) {
    CollarOptions options;
    options.faults = {{FaultKind::FlippedReadbackBit, 0}};
    CollarDevice collar(options);
    EXPECT_EQ(collar.handle("RBFC0000008").bytes, frame("RFFFFFFFFFFFFFFFF")) << "a plain read is left alone";
    collar.handle("E22");
    collar.handle("WBFC0000000000000000000000000");
    EXPECT_EQ(collar.handle("RBFC0000008").bytes, frame("R0000000000010000"));
}

TEST(CollarOptions, ParsesFaultNames) {
    Fault f{};
    ASSERT_TRUE(parseFault("no-answer@3", f));
    EXPECT_EQ(f.kind, FaultKind::NoAnswer);
    EXPECT_EQ(f.atCommand, 3);
    ASSERT_TRUE(parseFault("hang-up", f));
    EXPECT_EQ(f.atCommand, 0);
    EXPECT_FALSE(parseFault("no-answer@x", f));
    EXPECT_FALSE(parseFault("sneeze", f));
}

}  // namespace
}  // namespace orv::emu
