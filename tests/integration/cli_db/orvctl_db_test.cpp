// orvctl db and users end to end: a saved configuration checks as a match, a
// changed value reports the first mismatch, and the stored device serves as
// the configuration of other commands.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlDb : public ::testing::Test {
protected:
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    std::vector<std::string> device(std::vector<std::string> args) {
        for (const char* a : {"--db", "Orv3.mdb", "--job", "05-1'7", "--ctn", "C1"}) args.push_back(a);
        return args;
    }
    TempDir folder;
};

TEST_F(OrvctlDb, SaveThenCheckMatchesAndAChangeReportsTheFirstMismatch) {
    ASSERT_EQ(run(device({"db", "save", "--set", "ElevAngle=15", "--yes"})).status, 0);
    const auto match = run(device({"db", "check", "--set", "ElevAngle=15"}));
    EXPECT_EQ(match.status, 0) << match.err;
    EXPECT_NE(match.err.find("The screen information is the same as the data in the database."),
              std::string::npos);

    const auto mismatch = run(device({"db", "check", "--set", "ElevAngle=20", "--set", "SigLevel=9"}));
    EXPECT_EQ(mismatch.status, 1);
    EXPECT_NE(
        mismatch.err.find("Warning: The current screen data does NOT match the database. The first detected "
                          "error\nwas: the 'Elev. Mask Angle (deg)' field has '15.0' in the database and "
                          "'20.0' on the screen."),
        std::string::npos)
        << mismatch.err;
    EXPECT_EQ(mismatch.err.find("Signal Level Mask"), std::string::npos);

    // --all: every difference from the stored device, one a line on stdout, as orvctl diff prints them.
    const auto all = run(device({"db", "check", "--all", "--set", "ElevAngle=20", "--set", "SigLevel=9"}));
    EXPECT_EQ(all.status, 1);
    EXPECT_NE(all.out.find("(ElevAngle): 15.0 -> 20.0\n"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("(SigLevel): "), std::string::npos) << all.out;
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 2) << all.out;
    const auto same = run(device({"db", "check", "--all", "--set", "ElevAngle=15"}));
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    const auto shown = run(device({"show"}));
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("ElevAngle = 15.0"), std::string::npos);
    const auto listed = run({"db", "list", "--db", "Orv3.mdb"});
    EXPECT_EQ(listed.out, "05-1'7\tC1\tWorking\nDefault\tDefault\tWorking\n");
}

TEST_F(OrvctlDb, WithoutYesNoDatabaseIsCreatedAndUsersKeepNoClearPassword) {
    EXPECT_EQ(run(device({"db", "save"})).status, 1);
    EXPECT_TRUE(folder.read("Orv3.mdb").empty());
    ASSERT_EQ(run({"users", "add", "--pwdb", "PWord.mdb", "--user", "ann", "--level", "Engineer",
                   "--password", "plain words", "--yes"})
                  .status,
              0);
    EXPECT_EQ(folder.read("PWord.mdb").find("plain words"), std::string::npos);
    EXPECT_EQ(run({"users", "list", "--pwdb", "PWord.mdb"}).out, "ann\tEngineer\n");
}

}  // namespace
}  // namespace orv::test
