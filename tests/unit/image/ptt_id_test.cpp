#include "image/ptt_id.h"

#include <gtest/gtest.h>

#include "image/field_codec.h"
#include "image/image_codec.h"
#include "image_test_support.h"

namespace orv {
namespace {

using test::recordFor;
namespace G = GeneralRow;

constexpr std::size_t kIdAt = 51;  // the ID word in the N4 general block

std::uint32_t storedWord(const ParameterRecord& record, bool rootIdFlag = false) {
    MemoryImage image;
    EXPECT_EQ(buildImage(record, image, rootIdFlag), ImageResult::Ok);
    return readUnsigned(image, kIdAt, 4);
}

std::string loadedHexText(const MemoryImage& image, const char* version) {
    ParameterRecord read = recordFor(version);
    test::LoggedTest t;
    EXPECT_EQ(decodeImage(read, image, {ReadMode::Load, 1, {}}, t.log), ImageResult::Ok);
    return read.text(StringRow::IDHexValue);
}

TEST(PttId, CheckBitSchemesOnBothSidesOfTheRangeBoundary) {
    // Worked by hand: the first scheme for ids below 16384, the second (on
    // id - 16384) from there up; the extension is the low byte.
    EXPECT_EQ(pttIdWord(1, 0), 0x00005300u);
    EXPECT_EQ(pttIdWord(16383, 0), 0x0FFFE700u);
    EXPECT_EQ(pttIdWord(16384, 0), 0x00003100u);  // id 0, t = 1
    EXPECT_EQ(pttIdWord(16384, 0xA5), 0x000031A5u);

    ParameterRecord record = recordFor("N4 040816");
    record.general(G::ExtensionAndProtectionCode) = 7;
    record.general(G::PttIdCode) = 16383;
    EXPECT_EQ(storedWord(record), 0x0FFFE707u);
    record.general(G::PttIdCode) = 16384;
    EXPECT_EQ(storedWord(record), 0x00003107u);
}

TEST(PttId, RootIdRangeAndFlagProgramTheRootId) {
    ParameterRecord record = recordFor("N4 040816");
    record.general(G::RootIDCode) = 1;
    record.general(G::PttIdCode) = 40000;
    EXPECT_EQ(storedWord(record), pttIdWord(1, 0));
    // 32768 needs a fifteenth id bit, which the word does not have: it is
    // treated like the codes above it.
    record.general(G::PttIdCode) = 32768;
    EXPECT_EQ(storedWord(record), pttIdWord(1, 0));
    record.general(G::PttIdCode) = 32767;
    EXPECT_EQ(storedWord(record), pttIdWord(32767, 0));
    record.general(G::PttIdCode) = 0;
    EXPECT_EQ(storedWord(record, true), pttIdWord(1, 0));
}

TEST(PttId, HexTextShowsTheIdOfEitherScheme) {
    ParameterRecord record = recordFor("N4 040816");
    record.general(G::ExtensionAndProtectionCode) = 0x5A;
    record.general(G::PttIdCode) = 1234;
    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    EXPECT_EQ(loadedHexText(image, "N4 040816"), "0134BE5A");  // the word as stored

    record.general(G::PttIdCode) = 20000;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    // (id + 16384) x 16384 of the stored id 3616: the assigned id in its place.
    EXPECT_EQ(loadedHexText(image, "N4 040816"), "13880000");
}

TEST(PttId, ThreeByteFieldsShowTheirIdToo) {
    ParameterRecord record = recordFor("N1 010824");
    record.general(G::PttIdCode) = 1234;
    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    EXPECT_EQ(loadedHexText(image, "N1 010824"), "0134BE00");
    record.general(G::PttIdCode) = 20000;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    EXPECT_EQ(loadedHexText(image, "N1 010824"), "13880000");
}

}  // namespace
}  // namespace orv
