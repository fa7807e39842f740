#include <gtest/gtest.h>

#include <cmath>

#include "image/firmware_table.h"
#include "image/image_codec.h"
#include "image_test_support.h"
#include "stored_values.h"

namespace orv {
namespace {

using test::recordFor;
namespace G = GeneralRow;
namespace S = SeasonRow;

const DecodeRequest kLoad{ReadMode::Load, 1, {}};
const DecodeRequest kCheck{ReadMode::Check, 1, {}};

double valueOf(const ParameterRecord& record, const test::StoredValue& v) {
    if (v.table == DefinitionTable::Season) return record.season(v.season, v.row);
    return record.general(v.row);
}

TEST(ImageCodec, EveryStoredValueOfEveryFirmwareRoundTrips) {
    for (int row = 0; row < kFirmwareCount; ++row) {
        const char* version = firmwareTable()[static_cast<std::size_t>(row)].version;
        SCOPED_TRACE(version);
        ParameterRecord written = recordFor(version);
        const auto values = test::distinctStoredValues(row, test::WithFactory::No);
        test::applyStoredValues(written, values);
        MemoryImage image;
        ASSERT_EQ(buildImage(written, image), ImageResult::Ok);
        ASSERT_EQ(image.size(), imageSize(row));

        test::LoggedTest t;
        ParameterRecord read = recordFor(version);
        ASSERT_EQ(decodeImage(read, image, kLoad, t.log), ImageResult::Ok);
        for (const auto& v : values) {
            if (v.table == DefinitionTable::String) continue;
            EXPECT_NEAR(valueOf(read, v), v.value, kCheckTolerance)
                << definitionTable(v.table)[static_cast<std::size_t>(v.row)].label << " season " << v.season;
        }
        // The image checks clean against the record it was built from.
        EXPECT_EQ(decodeImage(written, image, kCheck, t.log), ImageResult::Ok);
        EXPECT_EQ(t.presenter.count(), 0u);
    }
}

TEST(ImageCodec, LoadClearsUnstoredSeasonValuesButKeepsTheShownSeason) {
    ParameterRecord written = recordFor("N4 040816");
    MemoryImage image;
    ASSERT_EQ(buildImage(written, image), ImageResult::Ok);
    test::LoggedTest t;

    ParameterRecord read = recordFor("N4 040816");
    read.setCurrentSeason(5);
    read.season(3, S::NumDaysCheck) = 1;
    read.season(7, S::LengthOfSeasonSeasonStartDay) = 200;
    read.season(2, S::Season) = 9;
    ASSERT_EQ(decodeImage(read, image, kLoad, t.log), ImageResult::Ok);
    EXPECT_EQ(read.currentSeason(), 5);
    EXPECT_EQ(read.season(3, S::NumDaysCheck), 0);
    EXPECT_EQ(read.season(7, S::LengthOfSeasonSeasonStartDay), 0);
    EXPECT_EQ(read.season(2, S::Season), 0);

    read.setCurrentSeason(0);  // not a season: the first one is shown
    ASSERT_EQ(decodeImage(read, image, kLoad, t.log), ImageResult::Ok);
    EXPECT_EQ(read.currentSeason(), 1);
}

TEST(ImageCodec, AdjustedParametersAreStoredInTheCollarsUnits) {
    ParameterRecord record = recordFor("N4 040816");
    record.general(G::ElevAngle) = 10;
    record.season(1, S::NextSeason) = 13;
    record.season(2, S::NextSeason) = 12;
    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    EXPECT_EQ(image[64] & 0x0F, 14);
    EXPECT_EQ(image[112] & 0x0F, 12);

    // A stored 14 reads back as 13, a stored 13 as 12.
    image[64] = static_cast<std::uint8_t>((image[64] & 0xF0) | 14);
    image[112] = static_cast<std::uint8_t>((image[112] & 0xF0) | 13);
    test::LoggedTest t;
    ParameterRecord read = recordFor("N4 040816");
    ASSERT_EQ(decodeImage(read, image, kLoad, t.log), ImageResult::Ok);
    EXPECT_EQ(read.season(1, S::NextSeason), 13);
    EXPECT_EQ(read.season(2, S::NextSeason), 12);
    EXPECT_NEAR(read.general(G::ElevAngle), 10, 1e-6);
}

TEST(ImageCodec, ConstantsAndThePttIdCodeAreNeitherLoadedNorCompared) {
    ParameterRecord record = recordFor("N4 040816");
    record.general(G::PttIdCode) = 1234;
    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    image[0] = 0x00;   // the configuration marker
    image[44] = 0x99;  // a constant inside the block
    test::LoggedTest t;
    EXPECT_EQ(decodeImage(record, image, kCheck, t.log), ImageResult::Ok);

    ParameterRecord read = recordFor("N4 040816");
    read.general(G::PttIdCode) = 77;
    ASSERT_EQ(decodeImage(read, image, kLoad, t.log), ImageResult::Ok);
    EXPECT_EQ(read.general(G::PttIdCode), 77);
    EXPECT_EQ(read.text(StringRow::IDHexValue), "0134BE00");  // the first-scheme word of 1234, extension 0
}

TEST(ImageCodec, CheckModeToleratesOnlyRoundingNoise) {
    ParameterRecord record = recordFor("N3 020702");
    record.general(G::AlmanacTimeout) = 600;
    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    test::LoggedTest t;

    record.general(G::AlmanacTimeout) = 600.0000005;
    EXPECT_EQ(decodeImage(record, image, kCheck, t.log), ImageResult::Ok);
    EXPECT_EQ(t.presenter.count(), 0u);

    record.general(G::AlmanacTimeout) = 600.00001;
    EXPECT_EQ(decodeImage(record, image, kCheck, t.log), ImageResult::Mismatch);
    ASSERT_EQ(t.presenter.count(), 1u);
    EXPECT_EQ(t.presenter.last().kind, BoxKind::Warning);
    EXPECT_EQ(
        t.presenter.last().text,
        "The current screen data does NOT match the device. The first detected error\n"
        "was: the 'Almanac Timeout (mm:ss)' field has '10:00' in the device and '10:00' on the screen.");
}

TEST(ImageCodec, CheckModeReportsOnlyTheFirstDifferenceWithItsSeason) {
    ParameterRecord record = recordFor("N4 040816");
    record.season(4, S::GpsDcbDuration) = 3;
    record.season(9, S::GpsDcbDuration) = 3;
    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    record.season(4, S::GpsDcbDuration) = 5;
    record.season(9, S::GpsDcbDuration) = 6;
    test::LoggedTest t;
    EXPECT_EQ(decodeImage(record, image, kCheck, t.log), ImageResult::Mismatch);
    ASSERT_EQ(t.presenter.count(), 1u);
    const std::string& label = seasonDefinitions()[S::GpsDcbDuration].label;
    EXPECT_EQ(t.presenter.last().text,
              "The current screen data does NOT match the device. The first detected error\nwas: the '" +
                  label + "' field in season 4 has '3' in the device and '5' on the screen.");
}

TEST(ImageCodec, SinglePrecisionFieldsCheckCleanRightAfterProgramming) {
    // From about 30.5 degrees up the angle in single precision differs from
    // the screen value by more than the tolerance.
    for (double angle : {10.0, 30.5, 45.5, 77.5, 89.5}) {
        ParameterRecord record = recordFor("N4 040816");
        record.general(G::ElevAngle) = angle;
        record.general(G::MinAveSigStrength) = 35.1;  // off by 1.5e-6 in single precision
        MemoryImage image;
        ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
        test::LoggedTest t;
        EXPECT_EQ(decodeImage(record, image, kCheck, t.log), ImageResult::Ok) << angle;
    }
    // A real difference is still reported, with the display texts.
    ParameterRecord record = recordFor("N4 040816");
    record.general(G::ElevAngle) = 30.5;
    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    record.general(G::ElevAngle) = 31;
    test::LoggedTest t;
    EXPECT_EQ(decodeImage(record, image, kCheck, t.log), ImageResult::Mismatch);
    EXPECT_EQ(t.presenter.last().text,
              "The current screen data does NOT match the device. The first detected error\n"
              "was: the 'Elev. Mask Angle (deg)' field has '30.5' in the device and '31.0' on the screen.");
}

TEST(ImageCodec, UnsupportedFirmwareAndVersionTextFailures) {
    test::LoggedTest t;
    ParameterRecord record = recordFor("N5 040816");
    MemoryImage image;
    EXPECT_EQ(buildImage(record, image), ImageResult::UnsupportedFirmware);
    FactoryImage factory;
    EXPECT_EQ(buildFactoryImage(recordFor("N4 050922"), factory), ImageResult::UnsupportedFirmware);

    image.assign(744, 0);
    EXPECT_EQ(decodeImage(record, image, kLoad, t.log), ImageResult::UnsupportedFirmware);
    ASSERT_EQ(t.presenter.count(), 1u);
    EXPECT_EQ(t.presenter.last().kind, BoxKind::Error);
    EXPECT_EQ(t.presenter.last().text,
              "The GPS system firmware version ('N5') is not supported.\nThe target memory was NOT read "
              "correctly.\n\nContact Halvorn support to get a Orv upgrade.\n");

    // Version bytes that are formatted first name the collar's family letters.
    const std::uint8_t bytes[] = {'Q', '7', 0x04, 0x08, 0x16, 0x03};
    EXPECT_EQ(decodeFactoryImage(record, image, {ReadMode::Load, 0, bytes}, t.log),
              ImageResult::UnsupportedFirmware);
    EXPECT_EQ(record.text(StringRow::FenmodFwVer), "Q7 040816 03");
    EXPECT_NE(t.presenter.last().text.find("('Q7')"), std::string::npos);

    // A version text whose kind cannot be formatted.
    stringDefinitions()[StringRow::SigProcFwVer].kind = KindText;
    EXPECT_EQ(decodeImage(record, image, {ReadMode::Load, 0, bytes}, t.log), ImageResult::VersionTextsFailed);
    restoreBuiltinDefinitions();
    EXPECT_EQ(
        t.presenter.last().text,
        "There was error reading the target firmware version!\nThe target memory was NOT read correctly.\n");
}

TEST(ImageCodec, VersionBytesSelectTheLayoutWhenFormattedFirst) {
    MemoryImage image;
    ASSERT_EQ(buildImage(recordFor("N4 040816"), image), ImageResult::Ok);
    const std::uint8_t bytes[] = {0x4E, 0x34, 0x04, 0x08, 0x16, 0x03, 'N',  '4',  1,    2, 3, 4, 'M', 'X',
                                  5,    6,    7,    8,    0x01, 0x07, 0x0B, 0x1C, 0x66, 2, 0, 1, 1,   99};
    ParameterRecord read = recordFor("");
    test::LoggedTest t;
    ASSERT_EQ(decodeImage(read, image, {ReadMode::Load, 0, bytes}, t.log), ImageResult::Ok);
    EXPECT_EQ(read.text(StringRow::FenmodFwVer), "N4 040816 03");
    EXPECT_EQ(read.text(StringRow::RtcPicFwVer), "N4 010203 04");
    EXPECT_EQ(read.text(StringRow::MiscDevFwVer), "MX 050607 08");
    EXPECT_EQ(read.text(StringRow::NavProcFwVer), "01.07 11/28/2002");
    EXPECT_EQ(read.text(StringRow::SigProcFwVer), "02.00 01/01/1999");
}

TEST(ImageCodec, ShortImagesReadAsZeroBeyondTheirEnd) {
    ParameterRecord read = recordFor("N4 040816");
    read.general(G::PNSeedValue) = 5;
    const std::vector<std::uint8_t> image(10, 0xFF);
    test::LoggedTest t;
    ASSERT_EQ(decodeImage(read, image, kLoad, t.log), ImageResult::Ok);
    EXPECT_EQ(read.general(G::PNSeedValue), 0);
    EXPECT_EQ(read.general(G::GpsWeekThreshold), 0xFFFF);
}

}  // namespace
}  // namespace orv
