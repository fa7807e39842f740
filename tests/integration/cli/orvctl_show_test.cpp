// orvctl show: the reset record, typed entries through the field converter,
// raw values, key forms and usage errors, as a script would meet them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "json_text.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlShow : public ::testing::Test {
protected:
    ProcessResult run(const std::vector<std::string>& args) {
        return runOrvctl(args, folder.path().string());
    }
    TempDir folder;
};

TEST_F(OrvctlShow, FirstRunListsTheResetRecordAndWritesEveryParametersEntryWhenAsked) {
    // Unasked, a folder without a settings file is left without one.
    ASSERT_EQ(run({"show"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Orv3.cfg")));

    const auto result = run({"show", "--json", "--write-settings"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "ElevAngle"), "10");
    EXPECT_EQ(jsonValue(result.out, "SpecifiedPTTFreq"), "401650000");
    EXPECT_EQ(jsonValue(result.out, "HauloutThreshold"), "6777215");
    EXPECT_EQ(jsonValue(result.out, "NextSeason", "\"seasons\""), "14");
    EXPECT_EQ(jsonValue(result.out, "User Access Level"), "\"Customer\"");

    const std::string settings = folder.read("Orv3.cfg");
    ASSERT_NE(settings.find("[Parameters]"), std::string::npos);
    // The entries of the section, up to the next one.
    const std::size_t from = settings.find("[Parameters]");
    const std::size_t to = std::min(settings.find("\n[", from), settings.size());
    std::size_t entries = 0;
    for (std::size_t at = from; (at = settings.find('=', at + 1)) < to;) ++entries;
    EXPECT_EQ(entries, 166u);
    EXPECT_NE(settings.find("Fix Dimension=0.000000,0.000000,2.000000,1.000000"), std::string::npos);
}

TEST_F(OrvctlShow, OverridesFromTheSettingsFileApply) {
    folder.write("Orv3.cfg", "[Parameters]\nFix Dimension=1,0,2\n");
    const auto result = run({"show", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "Dimension"), "1");
}

TEST_F(OrvctlShow, TypedTextIsConvertedAsOnItsPageWithTheMessageOnStderr) {
    auto result = run({"show", "--json", "--set", "ElevAngle=10.3"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "ElevAngle"), "10.5");
    EXPECT_EQ(result.err,
              "Warning: '10.3000' in field 'Elev. Mask Angle (deg)' was modified to '10.5000'\n"
              "to meet data format or range requirements.\n");

    result = run({"show", "--json", "--set", "AlmanacTimeout=13:02", "--set=MaxDataXmissions=no limit",
                  "--set", "Dimension=3D Manual", "--set", "Root ID Code=12"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "AlmanacTimeout"), "780");
    EXPECT_EQ(jsonValue(result.out, "MaxDataXmissions"), "0");
    EXPECT_EQ(jsonValue(result.out, "Dimension"), "2");
    EXPECT_EQ(jsonValue(result.out, "Root ID Code"), "12");
}

TEST_F(OrvctlShow, SeasonKeysAddressOneSeasonOrAll) {
    auto result = run({"show", "--json", "--set", "GpsFixInterval_1[2]=30"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto secondSeason = result.out.find("},", result.out.find("\"seasons\""));
    EXPECT_EQ(jsonValue(result.out, "GpsFixInterval_1", "\"seasons\""), "60");
    EXPECT_EQ(jsonValue(result.out.substr(secondSeason), "GpsFixInterval_1"), "30");

    result = run({"show", "--json", "--raw", "GpsNumHours_1[*]=7"});
    ASSERT_EQ(result.status, 0) << result.err;
    std::size_t sevens = 0;
    for (std::size_t at = 0; (at = result.out.find("\"GpsNumHours_1\": 7,", at + 1)) != std::string::npos;)
        ++sevens;
    EXPECT_EQ(sevens, 12u);
}

TEST_F(OrvctlShow, RawValuesAndStringsAreStoredAsGiven) {
    const auto result = run({"show", "--json", "--raw", "ElevAngle=95.25", "--set", "Notes=He said \"hi\"",
                             "--raw", "CtnNumber=A-1", "--firmware", "N4 040816"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "ElevAngle"), "95.25");
    EXPECT_EQ(jsonValue(result.out, "Notes"), "\"He said \\\"hi\\\"\"");
    EXPECT_EQ(jsonValue(result.out, "CtnNumber"), "\"A-1\"");
    EXPECT_EQ(jsonValue(result.out, "firmware"), "\"N4 040816\"");
}

TEST_F(OrvctlShow, BadUsageIsExitTwoNamingWhatWasWrong) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const Case cases[] = {
        {{"show", "--set", "NoSuchKey=1"}, "NoSuchKey"},
        {{"show", "--set", "ElevAngle"}, "ElevAngle"},
        {{"show", "--raw", "ElevAngle=ten"}, "ten"},
        {{"show", "--raw", "GpsNumHours_1[13]=1"}, "GpsNumHours_1[13]"},
        {{"show", "--set", "Dimension=4D"}, "4D"},
        {{"show", "--frobnicate"}, "--frobnicate"},
        {{"show", "--set"}, "--set"},
        {{"launch"}, "launch"},
    };
    for (const auto& c : cases) {
        const auto result = run(c.args);
        EXPECT_EQ(result.status, 2) << c.named;
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace orv::test
