// The printed programming report's groups: which lines the record calls for,
// in which order, with which values.

#include "reports/printed_spr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace orv {
namespace {

ParameterRecord freshRecord() {
    ParameterRecord record;
    resetRecord(record);
    return record;
}

// A copy, so the group outlives the list it was found in.
std::optional<PrintedGroup> findGroup(const std::vector<PrintedGroup>& groups, const std::string& heading) {
    const auto it = std::find_if(groups.begin(), groups.end(),
                                 [&](const PrintedGroup& g) { return g.heading == heading; });
    if (it == groups.end()) return std::nullopt;
    return *it;
}

std::vector<std::string> labels(const PrintedGroup& group) {
    std::vector<std::string> result;
    for (const PrintedLine& line : group.lines) result.push_back(line.label);
    return result;
}

const PrintedLine* findLine(const PrintedGroup& group, const std::string& label) {
    for (const PrintedLine& line : group.lines)
        if (line.label == label) return &line;
    return nullptr;
}

std::vector<std::string> headings(const std::vector<PrintedGroup>& groups) {
    std::vector<std::string> result;
    for (const PrintedGroup& group : groups) result.push_back(group.heading);
    return result;
}

TEST(PrintedSprGroups, GroupsInOrderForEachTransmitter) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::XmitterEnblType) = 0;
    EXPECT_EQ(headings(printedSprGroups(record)),
              (std::vector<std::string>{
                  "", "Firmware Versions:", "Notes:", "GPS Parameters:", "Salt Water Switch Parameters:",
                  "VHF Beacon Parameters:", "Auxiliary Parameters:", "Other Notes:", "Hardware Information:",
                  "System CTN's:"}));
    record.general(GeneralRow::XmitterEnblType) = 3;
    EXPECT_EQ(headings(printedSprGroups(record))[4], "Spread Spectrum Parameters:");
    EXPECT_FALSE(findGroup(printedSprGroups(record), "ARGOS PTT Parameters:").has_value());
    for (const double argos : {1.0, 2.0}) {
        record.general(GeneralRow::XmitterEnblType) = argos;
        EXPECT_EQ(headings(printedSprGroups(record))[4], "ARGOS PTT Parameters:");
        EXPECT_FALSE(findGroup(printedSprGroups(record), "Spread Spectrum Parameters:").has_value());
    }
    record.general(GeneralRow::XmitterEnblType) = 2.5;  // not a type at all: neither group
    EXPECT_EQ(headings(printedSprGroups(record))[4], "Salt Water Switch Parameters:");
}

TEST(PrintedSprGroups, IdentityLinesAreBoldAndCarryNameAndDate) {
    ParameterRecord record = freshRecord();
    record.text(StringRow::CoordSignoff) = "Ann";
    record.text(StringRow::CoordSignoffDate) = "03/01/2026  10:00";
    const auto groups = printedSprGroups(record);
    const PrintedGroup& identity = groups.front();
    EXPECT_EQ(labels(identity), (std::vector<std::string>{"CTN #:", "Job #:", "Customer Name:",
                                                          "Coordinator Signoff:", "Programmed By:"}));
    EXPECT_TRUE(identity.lines[0].boldLabel);
    EXPECT_EQ(identity.lines[3].value, "Ann  --  03/01/2026  10:00");
}

TEST(PrintedSprGroups, NotesKeepTheirWrappingWithoutTheTextReportsLead) {
    ParameterRecord record = freshRecord();
    record.text(StringRow::Notes) = std::string(70, 'x');
    auto notes = findGroup(printedSprGroups(record), "Notes:");
    ASSERT_TRUE(notes.has_value());
    ASSERT_EQ(notes->lines.size(), 2u);
    EXPECT_EQ(notes->lines[0].label, "'" + std::string(61, 'x'));
    EXPECT_EQ(notes->lines[1].label, std::string(9, 'x') + "'");
}

TEST(PrintedSprGroups, GpsGroupLeavesOutRetriesAndCachedLifetime) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::GpsFixingEnabled) = 1;
    record.general(GeneralRow::AlmanacTimeout) = 780;
    auto gps = findGroup(printedSprGroups(record), "GPS Parameters:");
    ASSERT_TRUE(gps.has_value());
    EXPECT_EQ(gps->lines.size(), 17u);
    EXPECT_EQ(findLine(*gps, "Almanac Timeout (mm:ss):")->value, "13:00");
    EXPECT_TRUE(findLine(*gps, "Almanac Timeout (mm:ss):")->leader);
    EXPECT_EQ(findLine(*gps, "Number of Fix Retries:"), nullptr);
    EXPECT_EQ(findLine(*gps, "Cached Fix Lifetime (mm:ss):"), nullptr);

    record.general(GeneralRow::GpsFixingEnabled) = 0;
    gps = findGroup(printedSprGroups(record), "GPS Parameters:");
    EXPECT_EQ(labels(*gps), std::vector<std::string>{"Disabled"});
}

TEST(PrintedSprGroups, ArgosLinesByTypeIdCodeBandAndEncryption) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::XmitterEnblType) = 1;
    record.general(GeneralRow::PttIdCode) = 32767;
    record.general(GeneralRow::SelectFreqIndex) = 2;
    record.general(GeneralRow::ArgosCh) = 17;
    record.general(GeneralRow::XmitEncryption) = 0;
    auto argos = findGroup(printedSprGroups(record), "ARGOS PTT Parameters:");
    ASSERT_TRUE(argos.has_value());
    EXPECT_EQ(findLine(*argos, "Power Output Level:"), nullptr) << "type 1 has no power select";
    EXPECT_EQ(findLine(*argos, "PTT Root ID Code:"), nullptr) << "32,767 is still a short code";
    EXPECT_EQ(findLine(*argos, "'ARGOS' Frequency Channel:")->value, "SARSAT 1");
    EXPECT_EQ(findLine(*argos, "'Brazil' Frequency Channel::"), nullptr);
    EXPECT_EQ(findLine(*argos, "PTT Message Encryption:"), nullptr);

    record.general(GeneralRow::XmitterEnblType) = 2;
    record.general(GeneralRow::PwrLevelSel) = 1;
    record.general(GeneralRow::PttIdCode) = 32768;
    record.general(GeneralRow::RootIDCode) = 77;
    record.general(GeneralRow::ExtensionAndProtectionCode) = 171;
    record.general(GeneralRow::SelectFreqIndex) = 3;
    record.general(GeneralRow::BrazilCh) = 4;
    record.general(GeneralRow::XmitEncryption) = 1;
    record.general(GeneralRow::TimeEncode) = 2;
    record.general(GeneralRow::PNSeedValue) = 99;
    record.general(GeneralRow::SpecifiedPTTFreq) = 401650000;
    argos = findGroup(printedSprGroups(record), "ARGOS PTT Parameters:");
    EXPECT_EQ(findLine(*argos, "Power Output Level:")->value, "High");
    EXPECT_EQ(findLine(*argos, "PTT Root ID Code:")->value, "77");
    EXPECT_EQ(findLine(*argos, "PTT Extension & Protection Code:")->value, "(171)   0xAB");
    EXPECT_EQ(findLine(*argos, "'Brazil' Frequency Channel::")->value, "C5");
    EXPECT_EQ(findLine(*argos, "'ARGOS' Frequency Channel:"), nullptr);
    EXPECT_EQ(findLine(*argos, "PTT Message Encryption:")->value, "Type 2");
    EXPECT_EQ(findLine(*argos, "PN Encryption Seed:")->value, "99");
    EXPECT_EQ(findLine(*argos, "PTT Transmit Frequency (MHz):")->value, "401.6500");
}

TEST(PrintedSprGroups, SpreadSpectrumLinesWithUnits) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::XmitterEnblType) = 3;
    record.general(GeneralRow::NetConnTimeOut) = 40;
    record.text(StringRow::MACAddress) = "00:11:22:33:44:55";
    auto spread = findGroup(printedSprGroups(record), "Spread Spectrum Parameters:");
    ASSERT_TRUE(spread.has_value());
    EXPECT_EQ(spread->lines.size(), 10u);
    EXPECT_EQ(findLine(*spread, "Network Connect Timeout:")->value, "40");
    EXPECT_EQ(findLine(*spread, "Network Connect Timeout:")->unit, "ticks**");
    EXPECT_EQ(findLine(*spread, "Network Holdoff Delay:")->unit, "mins.");
    EXPECT_EQ(findLine(*spread, "MAC Address:")->value, "00:11:22:33:44:55");
}

TEST(PrintedSprGroups, SaltWaterFollowsTheSwitchFlagNotTheThreshold) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::SWSEnabled) = 0;
    record.general(GeneralRow::OOWThreshold) = 120;
    EXPECT_EQ(labels(*findGroup(printedSprGroups(record), "Salt Water Switch Parameters:")),
              std::vector<std::string>{"Disabled"});
    record.general(GeneralRow::SWSEnabled) = 1;
    record.general(GeneralRow::FailsafeThreshold) = 3725;
    auto sws = findGroup(printedSprGroups(record), "Salt Water Switch Parameters:");
    EXPECT_EQ(findLine(*sws, "Out-of-Water Threshold (mm:ss):")->value, "2:00");
    EXPECT_EQ(findLine(*sws, "Fail-Safe Threshold (hh:mm:ss):")->value, "1:02:05");
}

TEST(PrintedSprGroups, BeaconPatternsAndTheirNote) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::VHFBeaconEnabled) = 0;
    auto groups = printedSprGroups(record);
    EXPECT_EQ(labels(*findGroup(groups, "VHF Beacon Parameters:")),
              std::vector<std::string>{"Beacon Disabled"});
    EXPECT_EQ(findGroup(groups, "Other Notes:")->lines.size(), 1u);

    record.general(GeneralRow::VHFBeaconEnabled) = 1;
    record.text(StringRow::VHFPattern1) = "1100";
    record.text(StringRow::VHFPattern6) = "101";
    groups = printedSprGroups(record);
    auto beacon = findGroup(groups, "VHF Beacon Parameters:");
    EXPECT_EQ(beacon->lines.size(), 10u);
    EXPECT_EQ(findLine(*beacon, "Successful GPS Startup:")->value, "* 1100");
    EXPECT_EQ(findLine(*beacon, "Beacon Event Input:")->value, "101");
    auto notes = findGroup(groups, "Other Notes:");
    ASSERT_EQ(notes->lines.size(), 3u);
    EXPECT_EQ(notes->lines[2].kind, PrintedLine::Kind::BeepNote);
}

TEST(PrintedSprGroups, AuxiliaryLinesByDataCollectionAndFirmware) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::DataCollMode) = 0;
    record.text(StringRow::FenmodFwVer) = "N6 020716";
    auto aux = findGroup(printedSprGroups(record), "Auxiliary Parameters:");
    EXPECT_EQ(labels(*aux), (std::vector<std::string>{"Temperature Sensing:", "Data Collection:"}));

    record.general(GeneralRow::DataCollMode) = 2;
    record.general(GeneralRow::ActivitySensePos) = 1;
    record.general(GeneralRow::ActivitySenseInterval) = 90;
    record.text(StringRow::FenmodFwVer) = "N4 030101";
    record.general(GeneralRow::Startup) = 1;
    aux = findGroup(printedSprGroups(record), "Auxiliary Parameters:");
    EXPECT_EQ(findLine(*aux, "Data Collection Mode:")->value, "Event Detect");
    EXPECT_EQ(findLine(*aux, "Activity Sensor Type:")->value, "Transitional");
    EXPECT_EQ(findLine(*aux, "Activity Position Level:")->value, "n/a");
    EXPECT_EQ(findLine(*aux, "Activity Sensor Interval (hh:mm):")->value, "1:30");
    EXPECT_EQ(findLine(*aux, "StartUp Behavior:")->value, "Environmental");
}

TEST(PrintedSprGroups, HardwareLines) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::XmitterEnblType) = 2;
    record.text(StringRow::FenmodFwVer) = "N4 030101";
    record.general(GeneralRow::SynthSel) = 1;
    record.general(GeneralRow::BeaconType) = 3;
    record.general(GeneralRow::InstHgSw) = 1;
    EXPECT_EQ(labels(*findGroup(printedSprGroups(record), "Hardware Information:")),
              (std::vector<std::string>{"Transmitter:    ARGOS Petrel w/Power Select",
                                        "     Synthesizer:    MB 15E03", "VHF Beacon:  Wren-2 2400",
                                        "Mercury Switch Installed"}));
    record.text(StringRow::FenmodFwVer) = "N6 020716";
    record.general(GeneralRow::XmitterEnblType) = 3;
    record.general(GeneralRow::BeaconType) = 0;
    EXPECT_EQ(
        labels(*findGroup(printedSprGroups(record), "Hardware Information:")),
        (std::vector<std::string>{"Transmitter:  Spread Spectrum Transceiver", "Mercury Switch Installed"}));
}

TEST(PrintedSprGroups, SeasonWarningOnlyForTheTransceiver) {
    ParameterRecord record = freshRecord();
    record.general(GeneralRow::StartYear) = 2027;
    record.general(GeneralRow::XmitterEnblType) = 2;
    EXPECT_EQ(printedSeasonWarning(record), "");
    record.general(GeneralRow::XmitterEnblType) = 3;
    EXPECT_EQ(
        printedSeasonWarning(record),
        "Warning!  This device must be initialized in 2027, otherwise the schedule will not be accurate!");
}

TEST(PrintedSprGroups, ColumnsSplitBetweenGroupsWithTheTallerOnTheLeft) {
    const auto group = [](std::size_t lines) { return PrintedGroup{"H", std::vector<PrintedLine>(lines)}; };
    // 3+1, then 1+1+1 each with a blank before: 4 | 3 + 3 + 3 - 1 ... the best split is after two groups.
    const std::vector<PrintedGroup> groups{group(3), group(3), group(3), group(3)};
    const std::size_t split = printedColumnSplit(groups);
    EXPECT_EQ(split, 2u);
    std::size_t left = 0, right = 0;
    for (std::size_t i = 0; i < groups.size(); ++i)
        (i < split ? left : right) += printedGroupLines(groups[i], i == 0 || i == split);
    EXPECT_EQ(left, 9u);
    EXPECT_EQ(right, 9u);
    EXPECT_EQ(printedColumnSplit({group(5)}), 1u);
    const std::size_t full = printedColumnSplit(printedSprGroups(freshRecord()));
    EXPECT_GT(full, 0u);
    EXPECT_LT(full, printedSprGroups(freshRecord()).size());
}

}  // namespace
}  // namespace orv
