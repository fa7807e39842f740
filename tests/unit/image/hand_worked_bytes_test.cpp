// Images checked byte by byte against values worked out by hand from the
// collar's memory map, independent of the layout tables' own arithmetic.

#include <gtest/gtest.h>

#include "image/image_codec.h"
#include "image_test_support.h"

namespace orv {
namespace {

using test::bigEndian;
using test::slice;
namespace G = GeneralRow;
namespace S = SeasonRow;

using Bytes = std::vector<std::uint8_t>;

// Every value 0, so each test names all that it expects to see.
ParameterRecord zeroRecord(const char* version) {
    ParameterRecord record = test::recordFor(version);
    record.generalValues.fill(0);
    for (auto& season : record.seasonValues) season.fill(0);
    return record;
}

TEST(HandWorkedImage, N4GeneralBlock) {
    ParameterRecord record = zeroRecord("N4 040816");
    record.general(G::PwrLevelSel) = 1;
    record.general(G::Startup) = 0;
    record.general(G::StartupXmitFmt) = 2;
    record.general(G::BeaconRate) = 1;
    record.general(G::XmitnsEnabled) = 1;
    record.general(G::GpsFixingEnabled) = 0;
    record.general(G::GpsWeekThreshold) = 0x1234;
    record.general(G::GpsWeekAdjustment) = 1024;
    record.general(G::Dimension) = 2;
    record.general(G::Dynamics) = 3;
    record.general(G::ElevAngle) = 10;
    record.general(G::SigLevel) = 0.5;
    record.general(G::PosVelFilter) = 1;
    record.general(G::StaticFilter) = 0;
    record.general(G::AltitudeFilter) = 1;
    record.general(G::FixRetryInverval) = 0xABCD;
    record.general(G::PttIdCode) = 1;
    record.general(G::ExtensionAndProtectionCode) = 0x5A;
    record.general(G::SpecifiedPTTFreq) = 401650000;
    record.general(G::PttLoopWarmup) = 7.9;  // truncated

    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    ASSERT_EQ(image.size(), 744u);
    EXPECT_EQ(image[0], 0xA2);
    EXPECT_EQ(image[1], 0xAA);  // 1 0 10 1 0 1 0
    EXPECT_EQ(slice(image, 2, 4), (Bytes{0x12, 0x34, 0x04, 0x00}));
    EXPECT_EQ(image[6], 2);
    EXPECT_EQ(image[7], 4);                                          // dynamics + 1
    EXPECT_EQ(slice(image, 8, 4), (Bytes{0x3E, 0x32, 0xB8, 0xC2}));  // 10 degrees in radians
    EXPECT_EQ(slice(image, 12, 4), (Bytes{0x3F, 0x00, 0x00, 0x00}));
    EXPECT_EQ(slice(image, 24, 3), (Bytes{1, 0, 1}));
    EXPECT_EQ(image[44], 5);
    EXPECT_EQ(slice(image, 46, 2), (Bytes{0xAB, 0xCD}));
    // id 1: check bits 010011, extension 0x5A
    EXPECT_EQ(slice(image, 51, 4), (Bytes{0x00, 0x00, 0x53, 0x5A}));
    EXPECT_EQ(image[55], 0);
    EXPECT_EQ(slice(image, 56, 4), (Bytes{0x17, 0xF0, 0xB1, 0x50}));
    EXPECT_EQ(slice(image, 62, 2), (Bytes{0x00, 0x07}));
}

TEST(HandWorkedImage, N4SeasonsAndExtraBlock) {
    ParameterRecord record = zeroRecord("N4 040816");
    record.season(1, S::SeasonType) = 1;
    record.season(1, S::FixIntervalUnits) = 2;
    record.season(1, S::NextSeason) = 13;
    record.season(1, S::NumberOfDays) = 300;
    record.season(1, S::GpsStartTime_1) = 480;
    record.season(1, S::GpsFixInterval_3) = 45;
    record.season(12, S::NextSeason) = 14;
    record.season(12, S::ArgosNumHours_3) = 0x0102;
    record.general(G::MaxDataXmissions) = 500;
    record.general(G::TempSenseEnabled) = 1;
    record.general(G::DataCollMode) = 3;
    record.general(G::ActivitySensePos) = 0;
    record.general(G::ActEventPos) = 1;
    record.general(G::ActivitySenseInterval) = 15;
    record.general(G::VHFBeaconEnabled) = 1;
    record.general(G::VHFPW3) = 0x0A0B;
    record.general(G::VHFPatternMap3Len) = 9;
    record.general(G::VHFRcnt3) = 4;
    record.general(G::OOWThreshold) = 33;
    record.general(G::FailsafeThreshold) = 0x01020304;
    record.general(G::PNTimeEncode) = 1;
    record.general(G::PNSeedValue) = 0xBEEF;

    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    // Season 1 at 64: type 1, units 2, next season 13 stored as 14.
    EXPECT_EQ(image[64], 0xAE);
    EXPECT_EQ(slice(image, 66, 2), (Bytes{0x01, 0x2C}));
    EXPECT_EQ(slice(image, 72, 2), (Bytes{0x01, 0xE0}));
    EXPECT_EQ(image[110], 45);
    // Season 12 at 592: next season 14 stored as 15; its last duty cycle ends at 592 + 44.
    EXPECT_EQ(image[592] & 0x0F, 0x0F);
    EXPECT_EQ(slice(image, 634, 2), (Bytes{0x01, 0x02}));
    // Extra block at 640.
    EXPECT_EQ(slice(image, 640, 2), (Bytes{0x01, 0xF4}));
    EXPECT_EQ(image[642], 0xE8);
    EXPECT_EQ(slice(image, 644, 4), (Bytes{0x00, 0x00, 0x03, 0x84}));  // 15 minutes in seconds
    EXPECT_EQ(image[648], 1);
    EXPECT_EQ(slice(image, 670, 2), (Bytes{0x0A, 0x0B}));  // pattern 3 starts at 650 + 20
    EXPECT_EQ(image[678], 9);
    EXPECT_EQ(image[679], 4);
    EXPECT_EQ(image[730], 33);
    EXPECT_EQ(slice(image, 732, 4), (Bytes{0x01, 0x02, 0x03, 0x04}));
    EXPECT_EQ(image[740], 0);
    EXPECT_EQ(image[741], 0x80);
    EXPECT_EQ(slice(image, 742, 2), (Bytes{0xBE, 0xEF}));
}

TEST(HandWorkedImage, N1KeepsThreeBytesOfTheIdAndANineByteExtraBlock) {
    ParameterRecord record = zeroRecord("N1 010803");
    record.general(G::PwrLevelSel) = 1;  // not stored by this firmware
    record.general(G::Startup) = 1;
    record.general(G::GpsFixingEnabled) = 1;
    record.general(G::PttIdCode) = 1;
    record.general(G::ExtensionAndProtectionCode) = 0x5A;
    record.general(G::PttOscWarmup) = 0x0203;
    record.general(G::MaxDataXmissions) = 7;
    record.general(G::TempSenseEnabled) = 1;
    record.general(G::ActivitySensePos) = 1;
    record.general(G::ActivitySenseInterval) = 2;

    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    ASSERT_EQ(image.size(), 641u);
    EXPECT_EQ(image[1] & 0xC1, 0x01);
    EXPECT_EQ(slice(image, 51, 3), (Bytes{0x00, 0x00, 0x53}));
    EXPECT_EQ(slice(image, 54, 2), (Bytes{0x02, 0x03}));
    EXPECT_EQ(slice(image, 632, 9), (Bytes{0x00, 0x07, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x78, 0x00}));
}

TEST(HandWorkedImage, NetworkCollarGeneralAndExtraBlocks) {
    ParameterRecord record = zeroRecord("DS 040325");
    record.general(G::BeaconRate) = 1;
    record.general(G::ScheduledNetwork) = 1;
    record.general(G::GpsFixingEnabled) = 1;
    record.general(G::XmitnsEnabled) = 1;  // not stored by this firmware
    record.general(G::PosVelFilter) = 3;   // the filter bytes are zero here
    record.general(G::NetStartupHrs) = 12;
    record.general(G::NetConnTimeOut) = 0x0304;
    record.general(G::NetworkIPAddressValue) = 3232235521.0;
    record.general(G::IPSubNetMaskValue) = 4294967040.0;
    record.general(G::ActEventPos) = 1;
    record.general(G::ActivitySenseInterval) = 1;
    record.general(G::HauloutThreshold) = 0x0A0B0C0D;
    record.general(G::NetHoldoff) = 77;

    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    ASSERT_EQ(image.size(), 740u);
    EXPECT_EQ(image[1], 0x0B);
    EXPECT_EQ(slice(image, 24, 3), (Bytes{0, 0, 0}));
    EXPECT_EQ(image[48], 12);
    EXPECT_EQ(slice(image, 50, 2), (Bytes{0x03, 0x04}));
    EXPECT_EQ(slice(image, 56, 8), (Bytes{0xC0, 0xA8, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(image[640], 0x08);
    EXPECT_EQ(slice(image, 642, 4), (Bytes{0, 0, 0, 60}));
    EXPECT_EQ(slice(image, 734, 4), (Bytes{0x0A, 0x0B, 0x0C, 0x0D}));
    EXPECT_EQ(image[738], 5);
    EXPECT_EQ(image[739], 77);
}

TEST(HandWorkedImage, FactoryBlocksOfN4) {
    ParameterRecord record = zeroRecord("N4 040816");
    record.text(StringRow::FactSysCTN) = "1A2B3C";
    record.text(StringRow::FactContrCTN) = "abc";
    record.text(StringRow::FactMiscCTN) = "bad!";
    record.text(StringRow::SSTNotes) = "serial 7";
    record.general(G::XmitEncryption) = 1;
    record.general(G::PosVelFilter) = 1;
    record.general(G::AltitudeFilter) = 1;
    record.general(G::InstReedSw) = 1;
    record.general(G::InstSWSw) = 1;
    record.general(G::XmitterEnblType) = 2;
    record.general(G::BeaconType) = 3;
    record.general(G::SynthSel) = 1;

    FactoryImage factory;
    ASSERT_EQ(buildFactoryImage(record, factory), ImageResult::Ok);
    ASSERT_EQ(factory.size(), 223u);
    EXPECT_EQ(slice(factory, 0, 10), (Bytes{0xA3, 0x00, 0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x00, 0x0A, 0xBC}));
    EXPECT_EQ(slice(factory, 22, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(factory[26], 0xA8);
    EXPECT_EQ(factory[27], 0xB7);
    EXPECT_EQ(slice(factory, 28, 4), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(std::string(factory.begin() + 32, factory.begin() + 40), "serial 7");
    EXPECT_EQ(factory[40], 0);

    record.text(StringRow::FenmodFwVer) = "N4 031126";  // no synthesizer bit
    ASSERT_EQ(buildFactoryImage(record, factory), ImageResult::Ok);
    EXPECT_EQ(factory[27], 0xB6);
}

TEST(HandWorkedImage, FactoryBlockOfTheFirstNetworkCollar) {
    ParameterRecord record = zeroRecord("DS 030929");
    record.text(StringRow::MACAddress) = "00C0FFEE";
    record.general(G::DiscOffset) = 9;
    record.general(G::InstHgSw) = 1;
    record.general(G::BeaconType) = 2;
    record.general(G::XmitEncryption) = 1;  // no such bit here
    FactoryImage factory;
    ASSERT_EQ(buildFactoryImage(record, factory), ImageResult::Ok);
    ASSERT_EQ(factory.size(), 223u);
    EXPECT_EQ(slice(factory, 26, 6), (Bytes{0x00, 0xC0, 0xFF, 0xEE, 9, 0x44}));
}

}  // namespace
}  // namespace orv
