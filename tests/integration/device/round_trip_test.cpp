// Program a configuration into the emulated collar, read it back, decode it:
// for every firmware family the record must come back unchanged.

#include <gtest/gtest.h>

#include "collar_fixture.h"
#include "image/firmware_table.h"

namespace orv::test {
namespace {

struct RoundTrip {
    const char* firmware;
    const char* memoryAnswer;
    std::uint32_t base;
};

class RoundTripTest : public CollarTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(RoundTripTest, ProgramReadBackDecodeLeavesTheRecordUnchanged) {
    const RoundTrip& p = GetParam();
    emu::CollarOptions options;
    options.firmware = p.firmware;
    options.memoryAnswer = p.memoryAnswer;
    options.initialFill = 0x5A;  // a collar that held something else before
    startCollar(options);
    useFirmware(p.firmware);
    const ParameterRecord original = record;

    ASSERT_EQ(programConfiguration(context, progress), DeviceResult::Ok)
        << ::testing::PrintToString(boxTexts());
    EXPECT_TRUE(presenter.boxes.empty());
    const MemoryImage programmed = link.memoryImage;
    EXPECT_EQ(programmed.size(), imageSize(findFirmware(p.firmware)));
    EXPECT_EQ(collar->memory(p.base, programmed.size()), programmed);

    link.memoryImage.clear();
    ASSERT_EQ(readConfiguration(context, progress), DeviceResult::Ok);
    EXPECT_EQ(link.memoryImage, programmed);

    // Check mode against the record that was programmed: no difference anywhere.
    EXPECT_EQ(decodeImage(record, link.memoryImage, {ReadMode::Check, 1, link.versionBytes}, log),
              ImageResult::Ok)
        << ::testing::PrintToString(boxTexts());

    // Load mode into a fresh record brings the values back.
    ParameterRecord loaded;
    resetRecord(loaded);
    loaded.text(StringRow::FenmodFwVer) = record.text(StringRow::FenmodFwVer);
    ASSERT_EQ(decodeImage(loaded, link.memoryImage, {ReadMode::Load, 1, link.versionBytes}, log),
              ImageResult::Ok);
    EXPECT_NEAR(loaded.general(GeneralRow::ElevAngle), 10, 1e-6);
    EXPECT_EQ(loaded.general(GeneralRow::AlmanacTimeout), original.general(GeneralRow::AlmanacTimeout));
    EXPECT_EQ(loaded.season(2, SeasonRow::NextSeason), 13);
    EXPECT_EQ(loaded.season(2, SeasonRow::NumberOfDays), 45);
    EXPECT_EQ(loaded.season(12, SeasonRow::ArgosDcbDuration), 7);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, RoundTripTest,
    ::testing::Values(RoundTrip{"N1 010824", "0800", 0xBFC000}, RoundTrip{"N3 020702", "0800", 0xBFC000},
                      RoundTrip{"N4 040816", "1600", 0xDFC000}, RoundTrip{"N4 050922", "0800", 0xBFC000},
                      RoundTrip{"N6 020716", "16", 0xDFC000}, RoundTrip{"DS 030929", "0800", 0xBFC000},
                      RoundTrip{"DS 040903", "1600", 0xDFC000}),
    [](const auto& info) {
        std::string name = info.param.firmware;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

struct FactoryTrip {
    const char* firmware;
};

class FactoryRoundTripTest : public CollarTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FactoryRoundTripTest, FactoryParametersComeBackUnchanged) {
    emu::CollarOptions options;
    options.firmware = GetParam();
    startCollar(options);
    useFirmware(GetParam());
    record.text(StringRow::FactSysCTN) = "12AB34";
    record.text(StringRow::MACAddress) = "00C0FFEE";
    record.text(StringRow::SSTNotes) = "Refurbished 2004, new battery";

    ASSERT_EQ(programFactoryParameters(context, progress), DeviceResult::Ok)
        << ::testing::PrintToString(boxTexts());
    const FactoryImage programmed = link.factoryImage;
    EXPECT_EQ(programmed.size(), factoryImageSize(findFactoryFirmware(GetParam())));
    EXPECT_EQ(commandsStartingWith('S').size(), 2u);
    EXPECT_TRUE(commandsStartingWith('E').empty()) << "the factory area is not erased";

    link.factoryImage.clear();
    ASSERT_EQ(readFactoryParameters(context, progress), DeviceResult::Ok);
    EXPECT_EQ(link.factoryImage, programmed);

    ParameterRecord loaded;
    resetRecord(loaded);
    loaded.text(StringRow::FenmodFwVer) = record.text(StringRow::FenmodFwVer);
    ASSERT_EQ(decodeFactoryImage(loaded, link.factoryImage, {ReadMode::Load, 1, link.versionBytes}, log),
              ImageResult::Ok);
    EXPECT_EQ(loaded.text(StringRow::FactSysCTN), "12AB34");
    EXPECT_EQ(loaded.text(StringRow::SSTNotes), "Refurbished 2004, new battery");
}

INSTANTIATE_TEST_SUITE_P(FactoryFamilies, FactoryRoundTripTest, ::testing::Values("N4 040816", "DS 040325"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

}  // namespace
}  // namespace orv::test
