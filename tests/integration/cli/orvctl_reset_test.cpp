// orvctl --reset: the defaults dialog's boxes by label, in command-line order
// with --set and --raw.

#include <gtest/gtest.h>

#include <string>

#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlReset : public ::testing::Test {
protected:
    ProcessResult run(const std::vector<std::string>& args) {
        return runOrvctl(args, folder.path().string());
    }
    TempDir folder;
};

// The value of "NAME" in season `season` (1..12) of the JSON text, or among the general values (0).
std::string valueOf(const std::string& json, const std::string& name, int season = 0) {
    std::size_t from = 0;
    if (season > 0) {
        from = json.find("\"seasons\"");
        for (int s = 0; s < season; ++s) from = json.find('{', from + 1);
    }
    const std::string needle = "\"" + name + "\": ";
    const auto at = json.find(needle, from);
    if (at == std::string::npos) return "<absent>";
    const auto start = at + needle.size();
    return json.substr(start, json.find_first_of(",}", start) - start);
}

TEST_F(OrvctlReset, FixIntervalOfCycleTwoResetsInEverySeasonAfterTheSet) {
    const auto result =
        run({"show", "--json", "--raw", "GpsFixInterval_2[*]=30", "--raw", "GpsFixInterval_1[*]=30",
             "--reset", "GPS Fix Interval[2]", "--raw", "GpsFixInterval_2[4]=20"});
    ASSERT_EQ(result.status, 0) << result.err;
    for (int s = 1; s <= 12; ++s) {
        EXPECT_EQ(valueOf(result.out, "GpsFixInterval_1", s), "30") << s;
        EXPECT_EQ(valueOf(result.out, "GpsFixInterval_2", s), s == 4 ? "20" : "0") << s;
    }
}

TEST_F(OrvctlReset, DcbDayZeroZeroesItsCycleInThatSeasonThenResetPutsItBack) {
    const std::vector<std::string> cycle = {"--raw", "GpsDcbDay_2[*]=2",   "--raw", "GpsStartTime_2[*]=600",
                                            "--raw", "GpsNumHours_2[*]=5", "--raw", "GpsFixInterval_2[*]=30",
                                            "--set", "GpsDcbDay_2[3]=0"};
    std::vector<std::string> args = {"show", "--json"};
    args.insert(args.end(), cycle.begin(), cycle.end());
    auto result = run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    for (const char* name : {"GpsDcbDay_2", "GpsStartTime_2", "GpsNumHours_2", "GpsFixInterval_2"}) {
        EXPECT_EQ(valueOf(result.out, name, 3), "0") << name;
        EXPECT_NE(valueOf(result.out, name, 2), "0") << name;
        EXPECT_NE(valueOf(result.out, name, 4), "0") << name;
    }
    // What was set, reset: the day goes back to its default in every season.
    args.insert(args.end(), {"--reset", "GPS DCB Day[2]", "--reset", "GPS # Hours[2]"});
    result = run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    for (int s = 1; s <= 12; ++s) {
        EXPECT_EQ(valueOf(result.out, "GpsDcbDay_2", s), "0") << s;
        EXPECT_EQ(valueOf(result.out, "GpsNumHours_2", s), "0") << s;
        EXPECT_EQ(valueOf(result.out, "GpsStartTime_2", s), s == 3 ? "0" : "600") << s;
    }
}

TEST_F(OrvctlReset, AllResetsDisabledBoxesTooButNoStrings) {
    // The Engineer-only boxes are reset by an Engineer.
    std::vector<std::string> args = {"show",  "--json",           "--raw",   "StaticFilter=1",
                                     "--raw", "XmitterType=1",    "--raw",   "XmitterEnblType=2",
                                     "--raw", "Customer=Someone", "--reset", "all"};
    // A Customer meets those values in a stored device (--raw is an Engineer's).
    ASSERT_EQ(run({"db", "save", "--db", "Orv3.mdb", "--job", "J", "--ctn", "1", "--raw", "StaticFilter=1",
                   "--yes"})
                  .status,
              0);
    const auto asCustomer =
        run({"show", "--json", "--db", "Orv3.mdb", "--job", "J", "--ctn", "1", "--reset", "all"});
    EXPECT_EQ(asCustomer.status, 2);
    EXPECT_NE(asCustomer.err.find("--reset 'all': 'StaticFilter' cannot be changed at the Customer level"),
              std::string::npos)
        << asCustomer.err;
    for (const auto& option : engineerLogin(folder.path().string())) args.push_back(option);
    const auto result = run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(valueOf(result.out, "StaticFilter"), "0");
    EXPECT_EQ(valueOf(result.out, "XmitterType"), "0");
    EXPECT_EQ(valueOf(result.out, "XmitterEnblType"), "2");  // no box
    EXPECT_EQ(valueOf(result.out, "Customer"), "\"Someone\"");
}

TEST_F(OrvctlReset, UnknownOrDisabledLabelIsBadUsageListingTheValidOnes) {
    for (const char* label : {"No Such Box", "Static Filter"}) {
        const auto result = run({"show", "--reset", label});
        EXPECT_EQ(result.status, 2) << label;
        EXPECT_NE(result.err.find("GPS Fix Interval[3]"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("Fix Dimension"), std::string::npos);
    }
}

}  // namespace
}  // namespace orv::test
