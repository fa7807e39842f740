// orvctl db save, delete and rename follow the window's Save, Delete and Change
// buttons for the logged-in user: who may touch which status and the " DEFAULT"
// Job, who may rename, and the sign-off and programmed-by lines a save writes. Real database files, the
// orvctl program, users from a real password database.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

const std::regex kDate(R"(\d\d/\d\d/\d{4}  \d\d:\d\d)");

class OrvctlDbRules : public ::testing::Test {
protected:
    void SetUp() override {
        engineer = engineerLogin(folder.path().string());        // sets the password every test user has
        setenv("ORV_LOGIN_PASSWORD", kTestEngineerPassword, 1);  // adding a user takes an Engineer's login
        const auto added = run({"users", "add", "--pwdb", "PWord.mdb", "--user", "Coco", "--level",
                                "Coordinator", "--login", kTestEngineer, "--yes"});
        ASSERT_EQ(added.status, 0) << added.err;
        coordinator = {"--user", "Coco", "--pwdb", "PWord.mdb"};
        // The database exists with one "Working" device.
        ASSERT_EQ(run(key("J1", "Working", {"db", "save", "--yes"})).status, 0);
    }
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    static std::vector<std::string> key(const std::string& job, const std::string& status,
                                        std::vector<std::string> args) {
        for (const std::string& a :
             {std::string("--db"), std::string("Orv3.mdb"), std::string("--job"), job, std::string("--ctn"),
              std::string("C1"), std::string("--status"), status})
            args.push_back(a);
        return args;
    }
    static std::vector<std::string> as(std::vector<std::string> args, const std::vector<std::string>& user) {
        args.insert(args.end(), user.begin(), user.end());
        return args;
    }
    std::string listed() { return run({"db", "list", "--db", "Orv3.mdb"}).out; }
    // One string of a stored device, from its JSON.
    std::string stored(const std::string& job, const std::string& status, const std::string& name) {
        const std::string json = run(key(job, status, {"show", "--json"})).out;
        const std::string field = "\"" + name + "\": \"";
        const auto at = json.find(field);
        if (at == std::string::npos) return "<missing>";
        const auto start = at + field.size();
        return json.substr(start, json.find('"', start) - start);
    }

    TempDir folder;
    std::vector<std::string> engineer;
    std::vector<std::string> coordinator;
};

TEST_F(OrvctlDbRules, EachStatusIsSavedOnlyByTheLevelsTheWindowAllows) {
    const std::string before = listed();
    for (const char* status : {"Programmed", "Coord. Signoff"}) {
        const auto refused = run(key("J1", status, {"db", "save", "--yes"}));
        EXPECT_EQ(refused.status, 2) << status;
        EXPECT_NE(refused.err.find("user 'User' at the Customer level may not save a device with status '" +
                                   std::string(status) + "'"),
                  std::string::npos)
            << refused.err;
    }
    const auto coordinatorProgrammed = run(as(key("J1", "Programmed", {"db", "save", "--yes"}), coordinator));
    EXPECT_EQ(coordinatorProgrammed.status, 2);
    EXPECT_NE(coordinatorProgrammed.err.find("'Coco' at the Coordinator level"), std::string::npos);
    EXPECT_EQ(listed(), before) << "nothing stored for a refused save";

    EXPECT_EQ(run(as(key("J1", "Coord. Signoff", {"db", "save", "--yes"}), coordinator)).status, 0);
    const auto programmed = run(as(key("J1", "Programmed", {"db", "save", "--yes"}), engineer));
    EXPECT_EQ(programmed.status, 0) << programmed.err;
    EXPECT_NE(listed().find("J1\tC1\tProgrammed\n"), std::string::npos);
    EXPECT_NE(listed().find("J1\tC1\tCoord. Signoff\n"), std::string::npos);

    const auto unknown = run(as(key("J1", "Shipped", {"db", "save", "--yes"}), engineer));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--status is"), std::string::npos) << unknown.err;
}

TEST_F(OrvctlDbRules, ASaveWritesTheSignoffAndProgrammedByLinesOfTheWindow) {
    // A configuration that carries old lines from elsewhere.
    const std::vector<std::string> oldLines = {"--raw", "CoordSignoff=Old", "--raw", "ProgrammedBy=Someone"};

    // "Coord. Signoff": the user signs off with the date; the programmed-by line is emptied.
    // (--raw takes an Engineer, so the Coordinator's configuration brings no old lines.)
    auto signoff = as(key("J2", "Coord. Signoff", {"db", "save", "--yes"}), coordinator);
    ASSERT_EQ(run(signoff).status, 0);
    EXPECT_EQ(stored("J2", "Coord. Signoff", "CoordSignoff"), "Coco");
    EXPECT_TRUE(std::regex_match(stored("J2", "Coord. Signoff", "CoordSignoffDate"), kDate));
    EXPECT_EQ(stored("J2", "Coord. Signoff", "ProgrammedBy"), "");

    // An Engineer saving "Working": --yes alone does not sign off, and the lines are emptied ...
    auto working = as(key("J3", "Working", {"db", "save", "--yes"}), engineer);
    working.insert(working.end(), oldLines.begin(), oldLines.end());
    ASSERT_EQ(run(working).status, 0);
    EXPECT_EQ(stored("J3", "Working", "CoordSignoff"), "");
    EXPECT_EQ(stored("J3", "Working", "ProgrammedBy"), "");
    // ... --sign-off stores the device as "Coord. Signoff" in the Engineer's name.
    working.push_back("--sign-off");
    ASSERT_EQ(run(working).status, 0);
    EXPECT_EQ(stored("J3", "Coord. Signoff", "CoordSignoff"), "Eng");

    // A Customer saves "Working" but cannot sign off (--raw takes an Engineer, so no old lines here).
    auto customer = key("J4", "Working", {"db", "save", "--yes"});
    ASSERT_EQ(run(customer).status, 0);
    customer.push_back("--sign-off");
    const auto refused = run(customer);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("cannot sign off"), std::string::npos) << refused.err;

    // An Engineer's "Programmed" save is asked first: no answer, nothing saved; Yes marks it as by hand.
    const auto unanswered = run(as(key("J5", "Programmed", {"db", "save"}), engineer));
    EXPECT_EQ(unanswered.status, 1);
    EXPECT_NE(unanswered.err.find("nothing saved (--yes"), std::string::npos) << unanswered.err;
    EXPECT_EQ(listed().find("J5"), std::string::npos);
    ASSERT_EQ(run(as(key("J5", "Programmed", {"db", "save", "--yes"}), engineer)).status, 0);
    EXPECT_EQ(stored("J5", "Programmed", "ProgrammedBy"), "#Eng");
    EXPECT_TRUE(std::regex_match(stored("J5", "Programmed", "ProgByDate"), kDate));
}

TEST_F(OrvctlDbRules, OnlyAnEngineerTouchesTheDefaultJob) {
    for (const auto& user : {std::vector<std::string>{}, coordinator}) {
        const auto refused = run(as(key(" DEFAULT", "Working", {"db", "save", "--yes"}), user));
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find("may not save the Job ' DEFAULT'"), std::string::npos) << refused.err;
    }
    // Trailing blanks are no part of the Job, as in the window's lists.
    EXPECT_EQ(run(key(" DEFAULT  ", "Working", {"db", "save", "--yes"})).status, 2);
    EXPECT_EQ(listed().find("DEFAULT"), std::string::npos);

    ASSERT_EQ(run(as(key(" DEFAULT", "Working", {"db", "save", "--yes"}), engineer)).status, 0);
    const auto deleteRefused = run(as(key(" DEFAULT", "Working", {"db", "delete"}), coordinator));
    EXPECT_EQ(deleteRefused.status, 2);
    EXPECT_NE(deleteRefused.err.find("may not delete the Job ' DEFAULT'"), std::string::npos);
    EXPECT_NE(listed().find(" DEFAULT\tC1\tWorking\n"), std::string::npos);
    EXPECT_EQ(run(as(key(" DEFAULT", "Working", {"db", "delete"}), engineer)).status, 0);
    EXPECT_EQ(listed().find("DEFAULT\tC1"), std::string::npos);

    // Without the leading blank it is a Job like any other.
    EXPECT_EQ(run(key("DEFAULT", "Working", {"db", "save", "--yes"})).status, 0);
}

TEST_F(OrvctlDbRules, DeleteFollowsTheSameRulesAsSave) {
    ASSERT_EQ(run(as(key("J1", "Coord. Signoff", {"db", "save", "--yes"}), coordinator)).status, 0);
    ASSERT_EQ(run(as(key("J1", "Programmed", {"db", "save", "--yes"}), engineer)).status, 0);

    for (const char* status : {"Programmed", "Coord. Signoff"}) {
        const auto refused = run(key("J1", status, {"db", "delete"}));
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find("may not delete a device with status"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(run(as(key("J1", "Programmed", {"db", "delete"}), coordinator)).status, 2);
    EXPECT_NE(listed().find("J1\tC1\tProgrammed\n"), std::string::npos);
    EXPECT_NE(listed().find("J1\tC1\tCoord. Signoff\n"), std::string::npos);

    EXPECT_EQ(run(as(key("J1", "Coord. Signoff", {"db", "delete"}), coordinator)).status, 0);
    EXPECT_EQ(run(as(key("J1", "Programmed", {"db", "delete"}), engineer)).status, 0);
    const auto working = run(key("J1", "Working", {"db", "delete"}));
    EXPECT_EQ(working.status, 0) << working.err;
    EXPECT_EQ(listed().find("J1"), std::string::npos);
}

TEST_F(OrvctlDbRules, RenamingFollowsTheLevelsOfTheWindowsChangeButtons) {
    auto rename = [&](const std::string& newJob, const std::string& newCtn,
                      const std::vector<std::string>& user) {
        return run(as({"db", "rename", "--db", "Orv3.mdb", "--job", "J1", "--ctn", "C1", "--new-job", newJob,
                       "--new-ctn", newCtn},
                      user));
    };
    const auto customer = rename("J1", "C2", {});
    EXPECT_EQ(customer.status, 2);
    EXPECT_NE(customer.err.find("at the Customer level may not change a CTN number"), std::string::npos)
        << customer.err;
    const auto coordinatorJob = rename("J2", "C1", coordinator);
    EXPECT_EQ(coordinatorJob.status, 2);
    EXPECT_NE(coordinatorJob.err.find("may not change a Job number"), std::string::npos);
    EXPECT_NE(listed().find("J1\tC1\tWorking\n"), std::string::npos);

    ASSERT_EQ(rename("J1", "C2", coordinator).status, 0);
    EXPECT_NE(listed().find("J1\tC2\tWorking\n"), std::string::npos);
    ASSERT_EQ(run(as({"db", "rename", "--db", "Orv3.mdb", "--job", "J1", "--ctn", "C2", "--new-job", "J2"},
                     engineer))
                  .status,
              0);
    EXPECT_NE(listed().find("J2\tC2\tWorking\n"), std::string::npos);
}

}  // namespace
}  // namespace orv::test
