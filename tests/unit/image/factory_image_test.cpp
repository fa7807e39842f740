#include <gtest/gtest.h>

#include "image/factory_hex.h"
#include "image/image_codec.h"
#include "image_test_support.h"

namespace orv {
namespace {

using test::recordFor;

TEST(FactoryHex, ParsesUpToEightDigitsAndMarksAnythingElse) {
    EXPECT_EQ(parseFactoryHex(""), 0u);
    EXPECT_EQ(parseFactoryHex("1a2B3c"), 0x1A2B3Cu);
    EXPECT_EQ(parseFactoryHex("FFFFFFFE"), 0xFFFFFFFEu);
    EXPECT_EQ(parseFactoryHex("123456789"), 0xFFFFFFFFu);
    EXPECT_EQ(parseFactoryHex("12 34"), 0xFFFFFFFFu);
    EXPECT_EQ(parseFactoryHex("0x12"), 0xFFFFFFFFu);
    EXPECT_EQ(formatFactoryHex(0x1A2B3C), "1A2B3C");
    EXPECT_EQ(formatFactoryHex(0xFFFFFFFF), "FFFFFFFF");  // the marker reads back as eight digits
}

TEST(FactoryImage, NotesAreCutTo191BytesAndReadInEveryMode) {
    ParameterRecord record = recordFor("N4 040628");
    record.text(StringRow::SSTNotes) = std::string(300, 'n');
    FactoryImage image;
    ASSERT_EQ(buildFactoryImage(record, image), ImageResult::Ok);
    ASSERT_EQ(image.size(), 32u + 191u);
    EXPECT_EQ(image.back(), 'n');

    ParameterRecord read = recordFor("N4 040628");
    read.text(StringRow::FactSysCTN) = "keep";
    test::LoggedTest t;
    ASSERT_EQ(decodeFactoryImage(read, image, {ReadMode::Check, 1, {}}, t.log), ImageResult::Ok);
    EXPECT_EQ(read.text(StringRow::SSTNotes), std::string(191, 'n'));
    EXPECT_EQ(read.text(StringRow::FactSysCTN), "keep");  // only a load stores the values
}

}  // namespace
}  // namespace orv
