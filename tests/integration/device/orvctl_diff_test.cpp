// orvctl diff between every kind of source (a .ppf file, the collar, a stored
// device, the defaults), with the texts compared only where both sides hold
// them, edits acting on NEW, and diff(1)'s exit statuses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collar_emulator.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

// A family without a factory area: the collar's factory block is no part of what is written here.
constexpr const char* kFirmware = "N3 020702";

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class OrvctlDiff : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(collar.start());
        // One configuration three ways: stored (with texts), as a .ppf file, on the collar.
        const std::vector<std::string> edits{"--firmware",   kFirmware, "--set",
                                             "ElevAngle=15", "--set",   "GpsFixInterval_1[3]=45"};
        std::vector<std::string> save{"db",    "save", "--db",  "Orv3.mdb", "--job",           "J1",
                                      "--ctn", "C1",   "--yes", "--set",    "Notes=west ridge"};
        save.insert(save.end(), edits.begin(), edits.end());
        ASSERT_EQ(run(save).status, 0);
        const auto exported =
            run({"export-ppf", "--db", "Orv3.mdb", "--job", "J1", "--ctn", "C1", "-o", "c1.ppf"});
        ASSERT_EQ(exported.status, 0) << exported.err;
        const auto written =
            run({"device", "write", "--port", collar.devicePath(), "--timeout", "1", "--ppf", "c1.ppf"});
        ASSERT_EQ(written.status, 0) << written.err;
    }
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    ProcessResult diff(const std::string& a, const std::string& b, std::vector<std::string> more = {}) {
        std::vector<std::string> args{"diff", a, b, "--db", "Orv3.mdb", "--timeout", "1"};
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }
    std::string device() const { return "device:" + collar.devicePath(); }

    TempDir folder;
    emu::CollarEmulator collar{[] {
        emu::CollarOptions options;
        options.firmware = kFirmware;
        return options;
    }()};
};

TEST_F(OrvctlDiff, EveryKindOfSourceAgainstEveryOther) {
    const std::string stored = "db:J1,C1,Working";
    // The same configuration: the file and the collar hold no texts, so the notes do not count.
    for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
             {stored, "c1.ppf"}, {"c1.ppf", device()}, {device(), stored}, {"defaults", "defaults"}}) {
        const auto same = diff(a, b);
        EXPECT_EQ(same.status, 0) << a << " vs " << b << "\n" << same.out << same.err;
        EXPECT_EQ(same.out, "") << a << " vs " << b;
    }
    // Against the defaults each source shows the two edits; only the stored device has notes.
    for (const std::string& source : {stored, std::string("c1.ppf"), device()}) {
        const auto different = diff("defaults", source);
        EXPECT_EQ(different.status, 1) << source << "\n" << different.err;
        EXPECT_EQ(countOf(different.out, "(ElevAngle): 10.0 -> 15.0\n"), 1u) << source << "\n"
                                                                             << different.out;
        EXPECT_EQ(countOf(different.out, "Schedule, season 3: "), 1u) << source << "\n" << different.out;
        EXPECT_EQ(countOf(different.out, "Main: Notes: \"\" -> \"west ridge\"\n"), source == stored ? 1u : 0u)
            << source << "\n"
            << different.out;
        EXPECT_NE(different.out.find("Fix attempts per year: "), std::string::npos);
    }
}

TEST_F(OrvctlDiff, AnEditOnNewAppearsOnceWithItsSeasonInTextAndJson) {
    const auto text = diff("c1.ppf", "db:J1,C1,Working", {"--raw", "GpsFixInterval_2[7]=77"});
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_EQ(countOf(text.out, "\n"), 1u + 3u) << "one difference and the three impact lines\n" << text.out;
    EXPECT_EQ(text.out.rfind("Schedule, season 7: ", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("(GpsFixInterval_2): "), std::string::npos) << text.out;

    const auto json =
        diff("c1.ppf", "db:J1,C1,Working", {"--raw", "GpsFixInterval_2[7]=77", "--format", "json"});
    EXPECT_EQ(json.status, 1) << json.err;
    EXPECT_EQ(countOf(json.out, "\"key\": "), 1u) << json.out;
    EXPECT_NE(json.out.find("\"key\": \"GpsFixInterval_2\", "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"season\": 7, \"page\": \"Schedule\", "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"new_value\": 77, "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"impact\": {\"fixes_per_year\": ["), std::string::npos) << json.out;

    // The same with no difference is an empty list, still with the impact, and status 0.
    const auto none = diff("c1.ppf", device(), {"--format", "json"});
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_NE(none.out.find("\"differences\": [],"), std::string::npos) << none.out;
    EXPECT_NE(none.out.find("\"projected_days\": ["), std::string::npos) << none.out;
}

TEST_F(OrvctlDiff, TroubleIsStatusTwoWithItsMessage) {
    EXPECT_EQ(run({"diff", "defaults"}).status, 2);
    EXPECT_EQ(run({"diff", "defaults", "defaults", "--format", "xml"}).status, 2);
    EXPECT_EQ(run({"diff", "defaults", "defaults", "--ppf", "c1.ppf"}).status, 2);
    const auto malformed = diff("db:J1,C1", "defaults");
    EXPECT_EQ(malformed.status, 2);
    EXPECT_NE(malformed.err.find("'db:J1,C1' names no configuration"), std::string::npos) << malformed.err;
    const auto noDatabase = run({"diff", "db:J1,C1,Working", "defaults"});
    EXPECT_EQ(noDatabase.status, 2);
    EXPECT_NE(noDatabase.err.find("needs --db PATH"), std::string::npos) << noDatabase.err;
    const auto missing = diff("missing.ppf", "defaults");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("the configuration of 'missing.ppf' could not be read"), std::string::npos)
        << missing.err;
    const auto notStored = diff("defaults", "db:J9,C9,Working");
    EXPECT_EQ(notStored.status, 2) << notStored.err;
    collar.hangUp();
    EXPECT_EQ(diff(device(), "defaults").status, 2);
}

}  // namespace
}  // namespace orv::test
