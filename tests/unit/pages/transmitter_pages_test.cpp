// The Transmitter tab in both its forms.

#include <gtest/gtest.h>

#include "pages/network_page.h"
#include "pages/pages_messages.h"
#include "pages/transmitter_page.h"
#include "pages_fixture.h"

namespace orv::test {
namespace {

using TransmitterPage = PagesTest;

TEST_F(TransmitterPage, EnableTypeSetsTheStateTextAndTheTransmissionsSwitch) {
    ASSERT_EQ(act("XmitterEnblType", "Petrel"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::XmitnsEnabled), 1);
    EXPECT_EQ(control(Page::Transmitter, PageControl::TransmitterState).text, "Petrel Transmitter Enabled");
    EXPECT_TRUE(general(GeneralRow::XmitnsEnabled).check);
    EXPECT_TRUE(general(GeneralRow::PttPriInterval).enabled);

    ASSERT_EQ(act("XmitterEnblType", "Petrel w/PS"), EditOutcome::Taken);
    EXPECT_EQ(control(Page::Transmitter, PageControl::TransmitterState).text,
              "Petrel w/Power Select Transmitter Enabled");
    EXPECT_TRUE(general(GeneralRow::PwrLevelSel).shown);
    EXPECT_TRUE(general(GeneralRow::PowerLevelHalfWatt).shown);

    ASSERT_EQ(act("XmitterEnblType", "None"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::XmitnsEnabled), 0);
    EXPECT_EQ(control(Page::Transmitter, PageControl::TransmitterState).text, "Transmitter Disabled");
    for (const int row : {GeneralRow::PttIdCode, GeneralRow::PttPriInterval, GeneralRow::StartupXmitFmt,
                          GeneralRow::MaxDataXmissions, GeneralRow::SpecifiedPTTFreq})
        EXPECT_FALSE(general(row).enabled) << row;
    EXPECT_FALSE(text(StringRow::IDHexValue).enabled);
    EXPECT_FALSE(general(GeneralRow::PwrLevelSel).shown);
    EXPECT_FALSE(control(Page::Transmitter, PageControl::PowerGroup).shown);
}

TEST_F(TransmitterPage, SpreadSpectrumLeavesTheStateTextAsItWas) {
    ASSERT_EQ(act("XmitterEnblType", "Petrel"), EditOutcome::Taken);
    ASSERT_EQ(act("XmitterEnblType", "Spread_Spectrum"), EditOutcome::Taken);
    EXPECT_EQ(control(Page::Transmitter, PageControl::TransmitterState).text, "Petrel Transmitter Enabled");
    EXPECT_EQ(value(GeneralRow::XmitnsEnabled), 1);
}

TEST_F(TransmitterPage, EncryptionButtonsSetTheTimeEncodingAndTheSeed) {
    record.general(GeneralRow::XmitterEnblType) = 1;
    record.general(GeneralRow::XmitEncryption) = 1;
    showAll(Page::Transmitter);
    EXPECT_TRUE(control(Page::Transmitter, PageControl::EncryptionGroup).shown);
    EXPECT_FALSE(general(GeneralRow::PNSeedValue).enabled);  // no time encoding yet

    ASSERT_EQ(act("Time Encode Type 2", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::TimeEncode), 2);
    EXPECT_EQ(value(GeneralRow::PNTimeEncode), 1);
    EXPECT_TRUE(general(GeneralRow::PNSeedValue).enabled);
    EXPECT_TRUE(general(GeneralRow::TimeEncodeType2).check);
    EXPECT_FALSE(general(GeneralRow::TimeEncodeTypeNone).check);

    ASSERT_EQ(act("PNSeedValue", "1234"), EditOutcome::Taken);
    ASSERT_EQ(act("Time Encode Type 1", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::TimeEncode), 1);
    EXPECT_EQ(value(GeneralRow::PNTimeEncode), 0);
    EXPECT_EQ(value(GeneralRow::PNSeedValue), 1234);

    ASSERT_EQ(act("Time Encode Type None", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::TimeEncode), 0);
    EXPECT_EQ(value(GeneralRow::PNSeedValue), 0);
    EXPECT_FALSE(general(GeneralRow::PNSeedValue).enabled);
}

TEST_F(TransmitterPage, WithoutEncryptionTheGroupIsHiddenAndItsValuesCleared) {
    record.general(GeneralRow::XmitterEnblType) = 1;
    record.general(GeneralRow::TimeEncode) = 2;
    record.general(GeneralRow::PNTimeEncode) = 1;
    record.general(GeneralRow::PNSeedValue) = 99;
    showAll(Page::Transmitter);
    EXPECT_EQ(value(GeneralRow::TimeEncode), 0);
    EXPECT_EQ(value(GeneralRow::PNTimeEncode), 0);
    EXPECT_EQ(value(GeneralRow::PNSeedValue), 0);
    EXPECT_FALSE(control(Page::Transmitter, PageControl::EncryptionGroup).shown);
    EXPECT_FALSE(general(GeneralRow::TimeEncodeType1).shown);
    EXPECT_FALSE(general(GeneralRow::PNSeedValue).shown);
}

TEST_F(TransmitterPage, PowerPairIsOneChoiceStoredBothWays) {
    record.general(GeneralRow::XmitterEnblType) = 2;
    showAll(Page::Transmitter);
    ASSERT_EQ(act("PwrLevelSel", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::PwrLevelSel), 1);
    EXPECT_EQ(value(GeneralRow::PowerLevelHalfWatt), 0);
    ASSERT_EQ(act("Power Level ½ Watt", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::PwrLevelSel), 0);
    EXPECT_FALSE(general(GeneralRow::PwrLevelSel).check);
}

TEST_F(TransmitterPage, FrequencyChoiceShowsOneControlAndChannelsSetTheFrequency) {
    record.general(GeneralRow::XmitterEnblType) = 1;
    showAll(Page::Transmitter);
    EXPECT_TRUE(general(GeneralRow::SpecifiedPTTFreq).shown);
    EXPECT_FALSE(general(GeneralRow::ArgosCh).shown);

    ASSERT_EQ(act("Select Table Frequency", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::SelectFreqIndex), 2);
    EXPECT_FALSE(general(GeneralRow::SpecifiedPTTFreq).shown);
    EXPECT_TRUE(general(GeneralRow::ArgosCh).shown);
    EXPECT_FALSE(general(GeneralRow::BrazilCh).shown);

    ASSERT_EQ(act("ArgosCh", "S3"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::ArgosCh), 2);
    EXPECT_EQ(value(GeneralRow::SpecifiedPTTFreq), 401634000);

    ASSERT_EQ(act("Select Table Channel", "1"), EditOutcome::Taken);
    EXPECT_TRUE(general(GeneralRow::BrazilCh).shown);
    EXPECT_TRUE(general(GeneralRow::SelectTableChannel).check);
    EXPECT_FALSE(general(GeneralRow::SelectTableFrequency).check);
    ASSERT_EQ(act("BrazilCh", "8"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::BrazilCh), 8);
    EXPECT_EQ(value(GeneralRow::SpecifiedPTTFreq), 401622000);
}

TEST_F(TransmitterPage, LeavingTheFrequencyEditStoresTheFrequencyItShows) {
    ASSERT_EQ(act("SpecifiedPTTFreq", "401.6312"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::SpecifiedPTTFreq), 401631000);
    EXPECT_EQ(value(GeneralRow::SelectSpecificFrequency), 1);
    EXPECT_EQ(general(GeneralRow::SpecifiedPTTFreq).text, "401.6310");
}

TEST_F(TransmitterPage, PttIdCodeResetsTheHexTextAndMovesTheFocusByItsRange) {
    record.general(GeneralRow::XmitterEnblType) = 1;
    record.text(StringRow::IDHexValue) = "0001C3A5";
    ASSERT_EQ(act("PttIdCode", "1234"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::PttIdCode), 1234);
    EXPECT_EQ(record.text(StringRow::IDHexValue), "0");
    EXPECT_EQ(host.focusControl, generalDefinitions()[GeneralRow::PttPriInterval].controlId);
    EXPECT_FALSE(text(StringRow::IDHexValue).enabled);

    ASSERT_EQ(act("PttIdCode", "40000"), EditOutcome::Taken);
    EXPECT_EQ(host.focusControl, stringDefinitions()[StringRow::IDHexValue].controlId);
    EXPECT_TRUE(text(StringRow::IDHexValue).enabled);

    ASSERT_EQ(act("IDHexValue", "0001C3A5"), EditOutcome::Taken);
    EXPECT_EQ(record.text(StringRow::IDHexValue), "0001C3A5");
    EXPECT_EQ(value(GeneralRow::RootIDCode), 7);
    EXPECT_EQ(value(GeneralRow::ExtensionAndProtectionCode), 0xA5);
}

TEST_F(TransmitterPage, HexTextWithOtherCharactersIsRefusedAndNothingStored) {
    record.text(StringRow::IDHexValue) = "0001C3A5";
    record.general(GeneralRow::RootIDCode) = 7;
    EXPECT_EQ(act("IDHexValue", "12XZ"), EditOutcome::Refused);
    EXPECT_NE(errors().find("'12XZ' is not a PTT ID hex value"), std::string::npos);
    EXPECT_EQ(record.text(StringRow::IDHexValue), "0001C3A5");
    EXPECT_EQ(value(GeneralRow::RootIDCode), 7);
}

TEST_F(TransmitterPage, TickingTransmissionsMovesSecondsIntervalsToMinutes) {
    record.general(GeneralRow::XmitterEnblType) = 1;
    record.season(2, SeasonRow::FixIntervalUnits) = 0;
    record.season(2, SeasonRow::GpsFixInterval_1) = 7;
    ASSERT_EQ(act("XmitnsEnabled", "1"), EditOutcome::Taken);
    EXPECT_EQ(record.season(2, SeasonRow::FixIntervalUnits), 1);
    EXPECT_EQ(record.season(2, SeasonRow::GpsFixInterval_1), 10);
}

using NetworkPage = PagesTest;

TEST_F(NetworkPage, AddressIsStoredAsTextAndValueAndShownWithThreeDigitFields) {
    ASSERT_EQ(act("NetIPAddr", "10.20.30.40"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::NetworkIPAddressValue), 10.0 * 16777216 + 20 * 65536 + 30 * 256 + 40);
    EXPECT_EQ(record.text(StringRow::NetIPAddr), "010.020.030.040");
    EXPECT_EQ(text(StringRow::NetIPAddr).text, "010.020.030.040");

    ASSERT_EQ(act("IPSubMask", "255255240000"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::IPSubNetMaskValue), 4294963200.0);
}

TEST_F(NetworkPage, AnIncompleteAddressIsRefusedWithItsMessage) {
    EXPECT_EQ(act("NetIPAddr", "10.20"), EditOutcome::Refused);
    EXPECT_NE(errors().find("'10.20' in field 'Network IP Address' is not an address"), std::string::npos);
    EXPECT_EQ(value(GeneralRow::NetworkIPAddressValue), 3232235520.0);
    EXPECT_EQ(record.text(StringRow::NetIPAddr), "");
}

TEST_F(NetworkPage, HoldoffBoxSetsTheDelayAndEnablesItsEdit) {
    ASSERT_EQ(act("NetHoldoffEnabled", "0"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::NetHoldoff), 0);
    EXPECT_FALSE(general(GeneralRow::NetHoldoff).enabled);
    ASSERT_EQ(act("NetHoldoffEnabled", "1"), EditOutcome::Taken);
    EXPECT_EQ(value(GeneralRow::NetHoldoff), 60);
    EXPECT_EQ(value(GeneralRow::NetHoldoffEnabled), 1);
    EXPECT_TRUE(general(GeneralRow::NetHoldoff).enabled);
}

TEST_F(NetworkPage, HoldoffOfZeroOrEmptyWhileEnabledKeepsTheFocusAndTheValue) {
    ASSERT_EQ(act("NetHoldoffEnabled", "1"), EditOutcome::Taken);
    presenter.clear();
    host.focusControl = 0;
    EXPECT_EQ(act("NetHoldoff", "0"), EditOutcome::Refused);
    EXPECT_EQ(errors(), std::string(kHoldoffZeroMessage) + "\n");
    EXPECT_EQ(host.focusControl, generalDefinitions()[GeneralRow::NetHoldoff].controlId);
    EXPECT_EQ(value(GeneralRow::NetHoldoff), 60);
    // An empty entry is no number at all: the converter refuses it before the page's rule.
    presenter.clear();
    EXPECT_EQ(act("NetHoldoff", ""), EditOutcome::Refused);
    EXPECT_EQ(presenter.last().text, "'' in field '" +
                                         std::string(generalDefinitions()[GeneralRow::NetHoldoff].label) +
                                         "' is not a number.\nThe field keeps its value.");
    EXPECT_EQ(value(GeneralRow::NetHoldoff), 60);
    // Disabled, 0 is what the box itself stores.
    ASSERT_EQ(act("NetHoldoffEnabled", "0"), EditOutcome::Taken);
    EXPECT_EQ(act("NetHoldoff", "0"), EditOutcome::Taken);
}

}  // namespace
}  // namespace orv::test
