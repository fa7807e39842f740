// orvctl db history, db read --version and db restore: the versions of a Job
// and CTN as text and JSON, one version as any stored device is shown, and a
// version stored again under the save rules of the user who logs in.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

const std::regex kUtc(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");

class OrvctlDbHistory : public ::testing::Test {
protected:
    ProcessResult run(std::vector<std::string> args, const std::vector<std::string>& more = {}) {
        for (const char* a : {"--db", "Orv3.mdb", "--job", "J", "--ctn", "C"}) args.push_back(a);
        args.insert(args.end(), more.begin(), more.end());
        return runOrvctl(args, folder.path().string());
    }
    // The history's lines without their times, which are checked apart.
    std::vector<std::string> versions(const std::vector<std::string>& more = {}) {
        const ProcessResult listed = run({"db", "history"}, more);
        EXPECT_EQ(listed.status, 0) << listed.err;
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < listed.out.size()) {
            const std::size_t end = listed.out.find('\n', start);
            const std::string line = listed.out.substr(start, end - start);
            const std::size_t lastTab = line.rfind('\t');
            EXPECT_TRUE(std::regex_match(line.substr(lastTab + 1), kUtc)) << line;
            lines.push_back(line.substr(0, lastTab));
            start = end + 1;
        }
        return lines;
    }
    std::string elevation(const std::vector<std::string>& more) {
        const ProcessResult shown = run({"db", "read", "--json"}, more);
        EXPECT_EQ(shown.status, 0) << shown.err;
        const auto at = shown.out.find("\"ElevAngle\": ");
        return at == std::string::npos ? "<missing>"
                                       : shown.out.substr(at + 13, shown.out.find(',', at) - at - 13);
    }

    TempDir folder;
};

TEST_F(OrvctlDbHistory, VersionsAreListedReadAndRestoredByTheUsersSaveRules) {
    const std::vector<std::string> engineer = engineerLogin(folder.path().string());
    ASSERT_EQ(run({"db", "save", "--set", "ElevAngle=12", "--yes"}).status, 0);
    ASSERT_EQ(run({"db", "save", "--set", "ElevAngle=15", "--yes"}).status, 0);
    std::vector<std::string> asEngineer = engineer;
    asEngineer.insert(asEngineer.end(), {"--status", "Programmed", "--set", "ElevAngle=20", "--yes"});
    ASSERT_EQ(run({"db", "save"}, asEngineer).status, 0);
    ASSERT_EQ(run({"db", "delete"}, engineer).status, 0);  // the "Working" device

    EXPECT_EQ(versions(), (std::vector<std::string>{"1\tWorking\tsave\tUser", "2\tWorking\tsave\tUser",
                                                    "3\tProgrammed\tsave\tEng", "4\tWorking\tdelete\tEng"}));
    EXPECT_EQ(versions({"--status", "Programmed"}), (std::vector<std::string>{"3\tProgrammed\tsave\tEng"}));
    const ProcessResult json = run({"db", "history", "--format", "json", "--status", "Programmed"});
    const auto list = nlohmann::json::parse(json.out, nullptr, false);
    ASSERT_TRUE(list.is_array() && list.size() == 1u) << json.out;
    EXPECT_EQ(list[0]["version"], 3);
    EXPECT_EQ(list[0]["status"], "Programmed");
    EXPECT_EQ(list[0]["action"], "save");
    EXPECT_EQ(list[0]["user"], "Eng");
    EXPECT_TRUE(std::regex_match(list[0]["time"].get<std::string>(), std::regex("[-0-9T:]+Z"))) << json.out;

    EXPECT_EQ(elevation({"--version", "1"}), "12");
    EXPECT_EQ(elevation({"--version", "4"}), "15") << "the device as it was deleted";
    // Two versions compared as any two configurations are.
    const std::string folderPath = folder.path().string();
    const ProcessResult changed =
        runOrvctl({"diff", "db:J,C,Working@1", "db:J,C,Working@2", "--db", "Orv3.mdb"}, folderPath);
    EXPECT_EQ(changed.status, 1) << changed.err;
    EXPECT_NE(changed.out.find("ElevAngle"), std::string::npos) << changed.out;
    EXPECT_EQ(
        runOrvctl({"diff", "db:J,C,Working@2", "db:J,C,Working@4", "--db", "Orv3.mdb"}, folderPath).status,
        0);
    const ProcessResult otherStatus =
        runOrvctl({"diff", "db:J,C,Working@3", "db:J,C,Working@4", "--db", "Orv3.mdb"}, folderPath);
    EXPECT_EQ(otherStatus.status, 2) << "version 3 is a Programmed device";
    EXPECT_EQ(runOrvctl({"diff", "db:J,C,Working@x", "defaults", "--db", "Orv3.mdb"}, folderPath).status, 2);

    // A Customer may not store a "Programmed" device, so may not restore one either.
    const ProcessResult refused = run({"db", "restore", "--version", "3", "--yes"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("db restore"), std::string::npos) << refused.err;
    // The deleted "Working" device comes back as version 1 had it.
    const ProcessResult restored = run({"db", "restore", "--version", "1", "--yes"});
    EXPECT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(versions().back(), "5\tWorking\trestore\tUser");
    EXPECT_EQ(elevation({"--status", "Working"}), "12");
}

TEST_F(OrvctlDbHistory, AVersionThatIsNotThereOrOfAnotherStatusIsAFailureThatSaysSo) {
    ASSERT_EQ(run({"db", "save", "--yes"}).status, 0);
    const ProcessResult missing = run({"db", "read", "--version", "7"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "Error: Could not find version 7 of Job number: 'J', CTN number: 'C'\nin the history of the "
              "database.\n");
    const ProcessResult other = run({"db", "read", "--version", "1", "--status", "Programmed"});
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.err.find("is a \"Working\" device, not \"Programmed\""), std::string::npos) << other.err;
    EXPECT_EQ(run({"db", "read", "--version", "0"}).status, 2);
    EXPECT_EQ(run({"db", "restore"}).status, 2) << "a restore names its version";
    EXPECT_EQ(run({"db", "history", "--format", "xml"}).status, 2);
    EXPECT_EQ(versions().size(), 1u) << "nothing of this was recorded";
}

}  // namespace
}  // namespace orv::test
