// orvctl --reset: the defaults dialog's boxes by label, in command-line order
// with --set and --raw.

#include <gtest/gtest.h>

#include <string>

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
    const auto result = run({"show", "--json", "--raw", "GpsFixInterval_2[*]=30", "--raw", "GpsFixInterval_1[*]=30",
                             "--reset", "GPS Fix Interval[2]", "--raw", "GpsFixInterval_2[4]=20"});
    ASSERT_EQ(result.status, 0) << result.err;
    for (int s = 1; s <= 12; ++s) {
        EXPECT_EQ(valueOf(result.out, "GpsFixInterval_1", s), "30") << s;
        EXPECT_EQ(valueOf(result.out, "GpsFixInterval_2", s), s == 4 ? "20" : "0") << s;
    }
}

TEST_F(OrvctlReset, AllResetsDisabledBoxesTooButNoStrings) {
    const auto result = run({"show", "--json", "--raw", "StaticFilter=1", "--raw", "XmitterType=1", "--raw",
                             "XmitterEnblType=2", "--raw", "Customer=Someone", "--reset", "all"});
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
