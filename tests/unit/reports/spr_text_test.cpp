// The programming report text: its fixed lines, the groups that come and go
// with the configuration, the notes wrapping and the season table.

#include "reports/spr_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "reports/report_text.h"

namespace orv {
namespace {

constexpr const char* kSeparator = "--------------------------------------------------------------------";

class SprText : public ::testing::Test {
protected:
    void SetUp() override { resetRecord(record); }

    std::vector<std::string> lines(const std::string& title = "") {
        std::string text;
        const std::size_t length = buildSprText(record, title, text);
        EXPECT_EQ(length, text.size());
        EXPECT_EQ(text.back(), '\n');
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    static bool has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    static std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line) {
        return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
    }
    ParameterRecord record;
};

TEST_F(SprText, HeaderIdentityAndFirmwareLines) {
    record.text(StringRow::CtnNumber) = "C-77";
    record.text(StringRow::JobNumber) = "J12";
    record.text(StringRow::Customer) = "Fish & Game";
    record.text(StringRow::CoordSignoff) = "Ann";
    record.text(StringRow::CoordSignoffDate) = "01/02/2006";
    record.text(StringRow::NavProcFwVer) = "NAV";
    record.text(StringRow::SigProcFwVer) = "SIG";
    const auto l = lines(kDeviceProgrammingTitle);
    const std::vector<std::string> head{
        "* * * * * Halvorn Inc. Software Programming Report * * * * *                     -- DEVICE "
        "PROGRAMMING "
        "REPORT -- ",
        "Halvorn Orv - Vosk  v3.07",
        " ",
        "     CTN/Sequence #:  'C-77'",
        "              JOB #:  'J12'",
        " ",
        "      Customer Name:   Fish & Game",
        " ",
        "Coordinator Signoff:   Ann  --  01/02/2006",
        "      Programmed By:     --  ",
        " ",
        "              Notes:  ''",
        " ",
        "  Firmware versions:                 Fenmod:  ",
        "                                    RTC PIC:  ",
        "                            VHF Beacon Xmtr:  ",
        "                   Trimble Signal Processor:  NAV",
        "                     Trimble Nav. Processor:  SIG",
        kSeparator,
        "Hardware Information:",
        "   Transmitter ..............................       None",
        "   VHF Beacon ...............................       None",
        kSeparator,
        "System CTN's:",
    };
    ASSERT_GT(l.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + static_cast<std::ptrdiff_t>(head.size())),
              head);
    EXPECT_EQ(lines("").front(), "* * * * * Halvorn Inc. Software Programming Report * * * * * ");
}

TEST_F(SprText, GpsTableWhenFixingIsEnabledElseDisabled) {
    record.general(GeneralRow::GpsFixingEnabled) = 1;
    record.general(GeneralRow::Dimension) = 2;
    record.general(GeneralRow::AlmanacTimeout) = 785.9;  // 13:05, truncated
    auto l = lines();
    std::size_t at = indexOf(l, "GPS Parameters:");
    ASSERT_LT(at + 21, l.size());
    EXPECT_EQ(l[at + 1], "   Fix Dimension ............................  3D Manual");
    EXPECT_EQ(l[at + 3], "   Elevation Angle Mask (deg) ...............       10.0");
    EXPECT_EQ(l[at + 7], "   Almanac Timeout (mm:ss)...................      13:05");
    EXPECT_EQ(l[at + 11], "   Position-Velocity Filter .................    Enabled");
    EXPECT_EQ(l[at + 19], "   Cached Fix Lifefime (mm:ss) ..............       0:00");
    EXPECT_EQ(l[at + 20], "   GPS Fixes to Discard .....................          0");
    EXPECT_EQ(l[at + 21], kSeparator);

    record.general(GeneralRow::GpsFixingEnabled) = 0;
    l = lines();
    at = indexOf(l, "GPS Parameters:");
    EXPECT_EQ(l[at + 1], "    Disabled");
    EXPECT_EQ(l[at + 2], kSeparator);
    EXPECT_EQ(l[at + 3], "Auxiliary Parameters:                                   ");
}

TEST_F(SprText, NoTransmitterLeavesOutBothTransmitterGroups) {
    record.general(GeneralRow::XmitterEnblType) = 0;
    const auto l = lines();
    EXPECT_FALSE(has(l, "ARGOS PTT Parameters:"));
    EXPECT_FALSE(has(l, "Spread Spectrum Parameters:"));
    const std::size_t aux = indexOf(l, "Auxiliary Parameters:                                   ");
    std::size_t separator = aux;
    while (l[separator] != kSeparator) ++separator;
    EXPECT_EQ(l[separator + 1], "Salt Water Switch Parameters:");
}

TEST_F(SprText, ArgosGroupGainsThePowerLineWithPowerSelect) {
    record.general(GeneralRow::XmitterEnblType) = 1;
    record.general(GeneralRow::ExtensionAndProtectionCode) = 171;
    record.general(GeneralRow::MaxDataXmissions) = 0;
    record.text(StringRow::IDHexValue) = "ABC123";
    auto l = lines();
    EXPECT_TRUE(has(l, "   Transmitter ............................. ARGOS Petrel"));
    std::size_t at = indexOf(l, "ARGOS PTT Parameters:");
    ASSERT_LT(at, l.size());
    EXPECT_EQ(l[at + 1], "   ARGOS PTT ID Code ........................          0");
    EXPECT_EQ(l[at + 2], "   ARGOS PTT Hexadecimal String .............     ABC123");
    EXPECT_EQ(l[at + 4], "   PTT Extension && Protection Code ......... (171) 0xAB");
    EXPECT_EQ(l[at + 5], "   PTT Transmit Interval (mm:ss) ............       1:00");
    EXPECT_EQ(l[at + 7], "   PTT Transmit Frequency (specified)(MHz)...   401.6500");
    EXPECT_EQ(l[at + 10], "   PTT Times to Transmit Data ...............   no limit");
    EXPECT_EQ(l[at + 13], kSeparator);  // no encryption lines

    record.general(GeneralRow::XmitterEnblType) = 2;
    record.general(GeneralRow::PwrLevelSel) = 1;
    l = lines();
    at = indexOf(l, "ARGOS PTT Parameters:");
    EXPECT_EQ(l[at + 1], "   Power Output Level........................       HIGH");
}

TEST_F(SprText, EncryptionLinesFollowTheTimeEncodeType) {
    record.general(GeneralRow::XmitterEnblType) = 1;
    record.general(GeneralRow::XmitEncryption) = 1;
    record.general(GeneralRow::PNSeedValue) = 4321;
    const std::string seed = "   PN Encryption Seed .......................       4321";
    record.general(GeneralRow::TimeEncode) = 0;
    auto l = lines();
    EXPECT_TRUE(has(l, "   PTT Message Encryption ...................   Disabled"));
    EXPECT_FALSE(has(l, seed));
    record.general(GeneralRow::TimeEncode) = 2;
    l = lines();
    EXPECT_TRUE(has(l, "   PTT Message Encryption ...................     Type 2"));
    EXPECT_TRUE(has(l, seed));
    record.general(GeneralRow::TimeEncode) = 3;  // no type line, but the seed
    l = lines();
    EXPECT_EQ(std::count_if(l.begin(), l.end(),
                            [](const std::string& s) { return s.find("Encryption ...") != s.npos; }),
              0);
    EXPECT_TRUE(has(l, seed));
}

TEST_F(SprText, SpreadSpectrumGroupShowsTheMacAddressText) {
    record.general(GeneralRow::XmitterEnblType) = 3;
    auto l = lines();
    std::size_t at = indexOf(l, "Spread Spectrum Parameters:");
    ASSERT_LT(at, l.size());
    EXPECT_EQ(l[at + 1], "    Disabled");
    EXPECT_FALSE(has(l, "ARGOS PTT Parameters:"));

    record.general(GeneralRow::XmitnsEnabled) = 1;
    record.text(StringRow::NetIPAddr) = "192.168.0.9";
    record.text(StringRow::MACAddress) = "00A0F3";
    l = lines();
    at = indexOf(l, "Spread Spectrum Parameters:");
    EXPECT_EQ(l[at + 1], "   Network Startup Hours ....................          2");
    EXPECT_EQ(l[at + 6], "   Network IP Address .................. 192.168.0.9");
    EXPECT_EQ(l[at + 8], "   MAC Address ..............................     00A0F3");
    EXPECT_EQ(l[at + 9], kSeparator);
}

TEST_F(SprText, EventDetectionShowsTheActivityLines) {
    record.general(GeneralRow::DataCollMode) = 2;
    record.general(GeneralRow::ActivitySenseInterval) = 125;
    auto l = lines();
    std::size_t at = indexOf(l, "   Data Collection Mode ..................... EVENT DETECT");
    ASSERT_LT(at + 3, l.size());
    EXPECT_EQ(l[at + 1], "   Activity Sensor Type ..................... POSITIONAL  ");
    EXPECT_EQ(l[at + 2], "   Activity Position Level ..................       HIGH");
    EXPECT_EQ(l[at + 3], "   Activity Sensor Interval (hh:mm)..........       2:05");

    record.general(GeneralRow::DataCollMode) = 0;
    l = lines();
    at = indexOf(l, "   Data Collection Mode .....................   Disabled  ");
    ASSERT_LT(at, l.size());
    EXPECT_EQ(l[at + 1], kSeparator);
}

TEST_F(SprText, SaltWaterThresholdsAndBeaconPatterns) {
    auto l = lines();
    EXPECT_EQ(l[indexOf(l, "Salt Water Switch Parameters:") + 1], "    Disabled");
    EXPECT_EQ(l[indexOf(l, "VHF Beacon Parameters:") + 1], "    Disabled");

    record.general(GeneralRow::OOWThreshold) = 90;
    record.general(GeneralRow::FailsafeThreshold) = 3725;
    record.general(GeneralRow::VHFBeaconEnabled) = 1;
    record.text(StringRow::VHFPattern6) = "101010";
    l = lines();
    std::size_t at = indexOf(l, "Salt Water Switch Parameters:");
    EXPECT_EQ(l[at + 1], "   Out-of-Water Threshold (mm:ss)............       1:30");
    EXPECT_EQ(l[at + 3], "   Fail-Safe Threshold (hh:mm:ss)............    1:02:05");
    at = indexOf(l, "VHF Beacon Parameters:");
    EXPECT_EQ(l[at + 1], "   Beacon Pulse Patterns:  ");
    EXPECT_EQ(l[at + 7], "    Beacon Event Input ....................       101010");
    EXPECT_EQ(l[at + 10], kSeparator);
}

TEST_F(SprText, SeasonTableListsAllTwelveSeasons) {
    record.season(1, SeasonRow::SeasonType) = 1;
    record.season(1, SeasonRow::NumberOfDays) = 60;
    record.season(2, SeasonRow::NumberOfDays) = 45;
    record.season(2, SeasonRow::NextSeason) = 13;
    record.season(3, SeasonRow::GpsStartTime_1) = 390;
    const auto l = lines();
    const std::size_t at = indexOf(l, "Season Parameters:");
    ASSERT_LT(at, l.size());
    EXPECT_EQ(l[at - 1], " ");
    std::string numbers = "   Season Number:     ";
    for (int s = 1; s <= 12; ++s) numbers += (s < 10 ? "    " : "   ") + std::to_string(s) + "    ";
    EXPECT_EQ(l[at + 1], numbers);
    EXPECT_EQ(
        l[at + 2], std::string(22, ' ') + [] {
            std::string cells;
            for (int i = 0; i < 12; ++i) cells += "-------- ";
            return cells;
        }());
    EXPECT_EQ(l[at + 3].substr(0, 40), "     Season Type .....Dy of Yr  No.Days ");
    EXPECT_EQ(l[at + 4].substr(0, 40), "     Next Season ..... Forever Shutdown ");
    EXPECT_EQ(l[at + 5].substr(0, 40), "     Start/Num Days ..   Mar 1       45 ");
    EXPECT_EQ(l[at + 7],
              "                      NOTE: For 'Dy of Yr' Seasons after Feb in leap years, the Start Day "
              "here is shifted by one day.");
    EXPECT_EQ(l[at + 13], "    GPS Duty Cycle: '1'");
    EXPECT_EQ(l[at + 15].substr(0, 40), "     Start Time(UTC) .    0:00     0:00 ");
    EXPECT_EQ(l[at + 15].substr(40, 9), "    6:30 ");
    EXPECT_EQ(l.back().substr(0, 22), "     Number of Hrs. ..");
    EXPECT_EQ(l[l.size() - 4], "    ARGOS Duty Cycle: '3'");
    EXPECT_EQ(l.back().size(), 22u + 12 * 9);
}

TEST(SprNotes, EmptyNoteIsOneQuotedLine) {
    EXPECT_EQ(sprNoteLines(""), std::vector<std::string>{"              Notes:  ''"});
}

TEST(SprNotes, LongWordBreaksHardAfterSixtyOneLetters) {
    const std::string word(70, 'x');
    const auto lines = sprNoteLines(word);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "              Notes:  '" + std::string(61, 'x'));
    EXPECT_EQ(lines[1], std::string(23, ' ') + std::string(9, 'x') + "'");
}

TEST(SprNotes, BlankBeforeTheLineStartDoesNotCountForTheNextBreak) {
    std::string letters;
    for (int i = 0; i < 70; ++i) letters += static_cast<char>('c' + i % 20);
    const auto lines = sprNoteLines("a b" + letters);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "              Notes:  'a");
    EXPECT_EQ(lines[1], std::string(23, ' ') + "b" + letters.substr(0, 60));
    EXPECT_EQ(lines[2], std::string(23, ' ') + letters.substr(60) + "'");
}

TEST(SprNotes, LineFeedsStartNewLinesAndCarriageReturnsAreDropped) {
    EXPECT_EQ(sprNoteLines("one\r\n\r\ntwo"),
              (std::vector<std::string>{"              Notes:  'one", std::string(23, ' '),
                                        std::string(23, ' ') + "two'"}));
    const std::string words = "the quick brown fox jumps over the lazy dog again and again and again";
    const auto lines = sprNoteLines(words);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "              Notes:  'the quick brown fox jumps over the lazy dog again and again");
    EXPECT_EQ(lines[1], std::string(23, ' ') + "and again'");
}

TEST(ReportLine, AppendsOneLineFeedAndReturnsTheLength) {
    std::string buffer;
    EXPECT_EQ(appendReportLine(buffer, "%s-%d", "ab", 7), 5u);
    EXPECT_EQ(appendReportLine(buffer, "%s", ""), 6u);
    EXPECT_EQ(buffer, "ab-7\n\n");
    const std::string huge(20000, 'z');
    appendReportLine(buffer, "%s", huge.c_str());
    EXPECT_EQ(buffer.size(), 6 + kReportLineLimit);  // cut below the line limit, then the line feed
    EXPECT_EQ(reportInt(-3.9), -3);
    EXPECT_EQ(reportInt(1e300), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace orv
