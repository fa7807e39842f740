// The text and number forms of the pulse patterns, network addresses and PTT ID.

#include "model/text_forms.h"

#include <gtest/gtest.h>

#include "model/record.h"

namespace orv {
namespace {

TEST(PulsePatternText, TextAndNumbersAgreeBothWays) {
    const auto pattern = patternFromText("101");
    ASSERT_TRUE(pattern.has_value());
    EXPECT_EQ(pattern->value, 2560);
    EXPECT_EQ(pattern->length, 3);
    EXPECT_EQ(patternText(2560, 3), "101");

    const auto full = patternFromText("100000000001");
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->value, 0x801);
    EXPECT_EQ(full->length, 12);
    EXPECT_EQ(patternText(0x801, 12), "100000000001");

    const auto empty = patternFromText("");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->value, 0);
    EXPECT_EQ(empty->length, 0);
    // Only the pulses of the stored length are written; a length beyond 12 is held at 12.
    EXPECT_EQ(patternText(0xFFF, 2), "11");
    EXPECT_EQ(patternText(0xFFF, 40), "111111111111");
    EXPECT_EQ(patternText(12, -1), "");
}

TEST(PulsePatternText, AnythingButZerosAndOnesOrMoreThanTwelvePulsesIsNoPattern) {
    EXPECT_FALSE(patternFromText("102").has_value());
    EXPECT_FALSE(patternFromText("1 1").has_value());
    EXPECT_FALSE(patternFromText("1010101010101").has_value());
}

TEST(NetworkAddressText, FourFieldsGiveTheThirtyTwoBitValueShownWithThreeDigitsEach) {
    const auto value = addressValue("10.20.30.40");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, 10u * 16777216u + 20u * 65536u + 30u * 256u + 40u);
    EXPECT_EQ(addressText(*value), "010.020.030.040");
    EXPECT_EQ(addressText(4294967040.0), "255.255.255.000");
    EXPECT_EQ(*addressValue("255.255.255.255"), 4294967295u);
    EXPECT_EQ(*addressValue("1..2.3"), 16777216u + 2u * 256u + 3u);
}

TEST(NetworkAddressText, FewerThanThreeDotsFieldsOver255AndOtherCharactersAreNoAddress) {
    EXPECT_FALSE(addressValue("10.20.30").has_value());
    EXPECT_FALSE(addressValue("256.0.0.1").has_value());
    EXPECT_FALSE(addressValue("10.2a.30.40").has_value());
    EXPECT_FALSE(addressValue("").has_value());
}

TEST(NetworkAddressText, TypingKeepsDigitsAndDotsAndAdvancesAfterThreeDigits) {
    EXPECT_EQ(typedAddress("192168001001"), "192.168.001.001");
    EXPECT_EQ(typedAddress("10.x20..30.40"), "10.20.30.40");
    EXPECT_EQ(typedAddress("1.2.3.4.5"), "1.2.3.45");
    EXPECT_EQ(typedAddress("1234567890123456789"), "123.456.789.012");
}

TEST(PttIdHexText, LastTwoDigitsAreTheExtensionAndTheSixBeforeThemTheRootIdShifted) {
    const auto parts = decodeIdHex("0001C3A5");
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->extension, 0xA5);
    EXPECT_EQ(parts->rootId, 0x0001C3 >> 6);
    const auto lower = decodeIdHex("ffc0ff");
    ASSERT_TRUE(lower.has_value());
    EXPECT_EQ(lower->rootId, 0xFFC0 >> 6);
    EXPECT_EQ(lower->extension, 255);
    // More digits than the ID holds are refused, not cut.
    EXPECT_EQ(decodeIdHex("FF01C3A5")->rootId, 0xFF01C3 >> 6);
    EXPECT_FALSE(decodeIdHex("0FF01C3A5").has_value());
    EXPECT_EQ(decodeIdHex("7")->extension, 7);
    EXPECT_EQ(decodeIdHex("7")->rootId, 0);
    EXPECT_FALSE(decodeIdHex("00G1").has_value());
}

TEST(RecordTextForms, DatabaseTextsGiveTheNumbersAndCollarNumbersGiveTheTexts) {
    ParameterRecord record;
    resetRecord(record);
    record.text(StringRow::VHFPattern2) = "11";
    record.text(StringRow::NetIPAddr) = "10.0.0.1";
    record.text(StringRow::IDHexValue) = "0001C3A5";
    valuesFromTexts(record);
    EXPECT_EQ(record.general(GeneralRow::VHFPatternMap2), 3072);
    EXPECT_EQ(record.general(GeneralRow::VHFPatternMap2Len), 2);
    // An empty pattern text leaves the stored numbers alone.
    EXPECT_EQ(record.general(GeneralRow::VHFPatternMap1), 12);
    EXPECT_EQ(record.general(GeneralRow::NetworkIPAddressValue), 167772161);
    EXPECT_EQ(record.general(GeneralRow::IPSubNetMaskValue), 4294967040.0);
    EXPECT_EQ(record.general(GeneralRow::RootIDCode), 7);
    EXPECT_EQ(record.general(GeneralRow::ExtensionAndProtectionCode), 0xA5);

    record.general(GeneralRow::VHFPatternMap3) = 2560;
    record.general(GeneralRow::VHFPatternMap3Len) = 3;
    textsFromValues(record);
    EXPECT_EQ(record.text(StringRow::VHFPattern3), "101");
    EXPECT_EQ(record.text(StringRow::VHFPattern2), "11");
    EXPECT_EQ(record.text(StringRow::NetIPAddr), "010.000.000.001");
    EXPECT_EQ(record.text(StringRow::IPSubMask), "255.255.255.000");
}

}  // namespace
}  // namespace orv
