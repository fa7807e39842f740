#include "image/firmware_table.h"

#include <gtest/gtest.h>

#include "image/layout_tables.h"

namespace orv {
namespace {

TEST(FirmwareTable, ImageAndFactorySizesPerVersion) {
    const std::size_t expected[kFirmwareCount] = {740, 740, 740, 740, 641, 641, 742, 742, 742,
                                                  742, 744, 744, 744, 744, 744, 744, 742, 742};
    for (int row = 0; row < kFirmwareCount; ++row) {
        EXPECT_EQ(imageSize(row), expected[row]) << firmwareTable()[static_cast<std::size_t>(row)].version;
    }
    const std::size_t factory[kFactoryFirmwareCount] = {223, 255, 255, 223, 223, 223, 223, 223};
    for (int row = 0; row < kFactoryFirmwareCount; ++row) EXPECT_EQ(factoryImageSize(row), factory[row]);
}

TEST(FirmwareTable, MatchesFamilyAndDateIgnoringTheRest) {
    EXPECT_EQ(findFirmware("N4 040816"), 14);
    EXPECT_EQ(findFirmware("N4 040816 03"), 14);  // build number after the date
    EXPECT_EQ(findFirmware("N4-040816xyz"), 14);  // position 2 and the tail are not looked at
    EXPECT_EQ(findFirmware("N4 050922"), 15);
    EXPECT_EQ(findFirmware("DS 030929"), 0);
    EXPECT_EQ(findFirmware("N6 020716"), 17);
    EXPECT_EQ(findFactoryFirmware("N4 040816 03"), 7);
    EXPECT_EQ(findFactoryFirmware("DS 040903"), 2);
}

TEST(FirmwareTable, RejectsUnknownFamiliesDatesAndMalformedTexts) {
    EXPECT_EQ(findFirmware("N4 040817"), kFirmwareNotSupported);  // a date no N4 row has
    EXPECT_EQ(findFirmware("N3 040816"), kFirmwareNotSupported);  // an N4 date in another family
    EXPECT_EQ(findFirmware("X9 040816"), kFirmwareNotSupported);
    EXPECT_EQ(findFirmware("N4 04081"), kFirmwareNotSupported);  // too short
    EXPECT_EQ(findFirmware("N4 04O816"), kFirmwareNotSupported);
    EXPECT_EQ(findFirmware(""), kFirmwareNotSupported);
    EXPECT_EQ(findFirmware("N"), kFirmwareNotSupported);
    // Versions without factory parameters.
    for (const char* version : {"N4 050922", "DS 050505", "N1 010803", "N3 020702", "N6 020513"}) {
        EXPECT_EQ(findFactoryFirmware(version), kFirmwareNotSupported) << version;
    }
}

TEST(PackingRules, BitFieldRunsShareOneByteInConfigurationBlocks) {
    const std::array rising{bits(1, 0), bits(2, 7), bits(3, 3)};
    EXPECT_EQ(blockSize(rising, PackingRule::Configuration), 1u);
    // The factory rule starts a new byte where the shifts rise again.
    EXPECT_EQ(blockSize(rising, PackingRule::Factory), 2u);
    const std::array mixed{bits(1, 7), field(2, EncodingUint16), bits(3, 7), bits(4, 6),
                           field(5, EncodingFloat)};
    EXPECT_EQ(blockSize(mixed, PackingRule::Configuration), 1u + 2 + 1 + 4);
}

TEST(PackingRules, FactoryBitBytesOfTheNetworkCollarsStaySeparate) {
    std::vector<std::size_t> offsets;
    walkLayout(layouts::kFactoryDsB, PackingRule::Factory, 0, [&](const LayoutField& row, std::size_t at) {
        if (row.encoding == EncodingBits) offsets.push_back(at);
    });
    ASSERT_EQ(offsets.size(), 11u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(offsets[i], 26u);
    for (std::size_t i = 5; i < 11; ++i) EXPECT_EQ(offsets[i], 27u);
    EXPECT_EQ(blockSize(layouts::kFactoryDsB, PackingRule::Factory), 64u);
    // The same rows under the configuration rule would collapse into one byte.
    EXPECT_EQ(blockSize(layouts::kFactoryDsB, PackingRule::Configuration), 63u);
}

}  // namespace
}  // namespace orv
