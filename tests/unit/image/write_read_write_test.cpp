// Write, read, write: what a collar holds after one programming reads back
// into a record that programs the very same bytes again, for every firmware,
// whatever bytes were read first. A drift here would make a collar change a
// little with every read and program.

#include <gtest/gtest.h>

#include <random>

#include "image/firmware_table.h"
#include "image/image_codec.h"
#include "image_test_support.h"

namespace orv {
namespace {

using test::recordFor;

const DecodeRequest kLoadRequest{ReadMode::Load, 1, {}};

std::vector<std::uint8_t> randomBytes(std::mt19937& random, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() & 0xFF);
    return bytes;
}

// Seeds of bytes a collar might hold: erased flash, zeros, noise.
std::vector<std::vector<std::uint8_t>> startingImages(std::size_t size) {
    std::mt19937 random(20261208);
    std::vector<std::vector<std::uint8_t>> images{std::vector<std::uint8_t>(size, 0xFF),
                                                  std::vector<std::uint8_t>(size, 0x00)};
    for (int i = 0; i < 20; ++i) images.push_back(randomBytes(random, size));
    return images;
}

TEST(WriteReadWrite, AConfigurationImageOnceRebuiltStaysTheSame) {
    for (int row = 0; row < kFirmwareCount; ++row) {
        const char* version = firmwareTable()[static_cast<std::size_t>(row)].version;
        SCOPED_TRACE(version);
        int seed = 0;
        for (const auto& read : startingImages(imageSize(row))) {
            SCOPED_TRACE(seed++);
            test::LoggedTest t;
            ParameterRecord first = recordFor(version);
            ASSERT_EQ(decodeImage(first, read, kLoadRequest, t.log), ImageResult::Ok);
            MemoryImage written;
            ASSERT_EQ(buildImage(first, written), ImageResult::Ok);

            ParameterRecord second = recordFor(version);
            ASSERT_EQ(decodeImage(second, written, kLoadRequest, t.log), ImageResult::Ok);
            MemoryImage rewritten;
            ASSERT_EQ(buildImage(second, rewritten), ImageResult::Ok);
            EXPECT_EQ(rewritten, written);
        }
    }
}

TEST(WriteReadWrite, AValueKeptInAnotherFormKeepsItsLastUnit) {
    // The activity interval is shown in minutes and kept in seconds: x / 60 * 60
    // falls a hair short of x for many x.
    for (const std::uint32_t seconds : {31u, 62u, 249u, 0x7D6E4B3Cu}) {
        SCOPED_TRACE(seconds);
        ParameterRecord record = recordFor("N6 020716");
        record.general(GeneralRow::ActivitySenseInterval) = seconds / 60.0;
        MemoryImage image;
        ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
        EXPECT_EQ(test::slice(image, 0x284, 4), test::bigEndian(seconds, 4));
    }
}

TEST(WriteReadWrite, AFactoryImageOnceRebuiltStaysTheSame) {
    for (int row = 0; row < kFactoryFirmwareCount; ++row) {
        const char* version = factoryFirmwareTable()[static_cast<std::size_t>(row)].version;
        SCOPED_TRACE(version);
        int seed = 0;
        for (const auto& read : startingImages(factoryImageSize(row))) {
            SCOPED_TRACE(seed++);
            test::LoggedTest t;
            ParameterRecord first = recordFor(version);
            ASSERT_EQ(decodeFactoryImage(first, read, kLoadRequest, t.log), ImageResult::Ok);
            FactoryImage written;
            ASSERT_EQ(buildFactoryImage(first, written), ImageResult::Ok);

            ParameterRecord second = recordFor(version);
            ASSERT_EQ(decodeFactoryImage(second, written, kLoadRequest, t.log), ImageResult::Ok);
            FactoryImage rewritten;
            ASSERT_EQ(buildFactoryImage(second, rewritten), ImageResult::Ok);
            EXPECT_EQ(rewritten, written);
        }
    }
}

}  // namespace
}  // namespace orv
