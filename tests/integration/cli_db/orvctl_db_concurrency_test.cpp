// Several orvctl processes on one parameter database file at the same time, as
// several stations (or the window and a script) use it: nothing acknowledged is
// lost, no device key is stored twice, every failure says why, and a process
// killed while it creates the file leaves no half-made database behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

std::vector<std::string> saveArgs(const std::string& db, const std::string& job, const std::string& ctn) {
    return {"db", "save", "--db", db, "--job", job, "--ctn", ctn, "--yes"};
}

// The stored keys as orvctl lists them, one "job\tctn\tstatus" per line.
std::multiset<std::string> listed(const ProcessResult& list) {
    std::multiset<std::string> keys;
    std::size_t start = 0;
    while (start < list.out.size()) {
        const auto end = list.out.find('\n', start);
        keys.insert(list.out.substr(start, end - start));
        start = end == std::string::npos ? list.out.size() : end + 1;
    }
    return keys;
}

int countRows(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    int count = -1;
    // Read-write, so that a save killed halfway is rolled back as any program would.
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            count = sqlite3_column_int(statement, 0);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

class OrvctlDbTogether : public ::testing::Test {
protected:
    ProcessResult list(const std::string& db) { return runOrvctl({"db", "list", "--db", db}, folder.path()); }

    // Whatever failed said so on stderr.
    static void expectEveryFailureExplained(const std::vector<ProcessResult>& results) {
        for (const auto& result : results) {
            if (result.status != 0) {
                EXPECT_NE(result.err.find("Error: "), std::string::npos) << result.err;
            }
        }
    }

    TempDir folder;
};

TEST_F(OrvctlDbTogether, FourFirstSavesIntoANewFileAreAllKept) {
    constexpr int kRounds = 6;
    int acknowledged = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string db = "new" + std::to_string(round) + ".mdb";
        std::vector<std::vector<std::string>> commands;
        for (int i = 0; i < 4; ++i) commands.push_back(saveArgs(db, "P" + std::to_string(i), "1"));
        const auto results = runOrvctlTogether(commands, folder.path());
        expectEveryFailureExplained(results);

        const auto keys = listed(list(db));
        ASSERT_EQ(keys.count("Default\tDefault\tWorking"), 1u) << "made once, by one process";
        for (int i = 0; i < 4; ++i) {
            if (results[static_cast<std::size_t>(i)].status == 0) {
                ++acknowledged;
                EXPECT_EQ(keys.count("P" + std::to_string(i) + "\t1\tWorking"), 1u) << "round " << round;
            }
        }
    }
    EXPECT_EQ(acknowledged, 4 * kRounds) << "nobody waits long enough for a first save to fail";
    for (const std::string& name : folder.entries()) {
        EXPECT_EQ(name.find(".creating-"), std::string::npos) << "left behind: " << name;
    }
}

TEST_F(OrvctlDbTogether, FourWritersOfDifferentDevicesAndAReaderAllSucceed) {
    ASSERT_EQ(runOrvctl(saveArgs("Orv3.mdb", "J", "0"), folder.path()).status, 0);
    std::vector<std::vector<std::string>> commands;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 4; ++i) {
            commands.push_back(saveArgs("Orv3.mdb", "W" + std::to_string(i), std::to_string(round)));
        }
        commands.push_back({"db", "list", "--db", "Orv3.mdb"});
    }
    const auto results = runOrvctlTogether(commands, folder.path());
    for (const auto& result : results) EXPECT_EQ(result.status, 0) << result.err;
    const auto keys = listed(list("Orv3.mdb"));
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(keys.count("W" + std::to_string(i) + "\t" + std::to_string(round) + "\tWorking"), 1u);
        }
    }
    EXPECT_EQ(keys.size(), 2u + 12u);
}

TEST_F(OrvctlDbTogether, FourWritersOfOneKeyStoreItOnce) {
    for (int round = 0; round < 4; ++round) {
        const std::string db = "key" + std::to_string(round) + ".mdb";
        std::vector<std::vector<std::string>> commands;
        for (int i = 0; i < 4; ++i) {
            auto args = saveArgs(db, "J", "C");
            args.push_back("--set");
            args.push_back("ElevAngle=" + std::to_string(10 + i));
            commands.push_back(args);
        }
        const auto results = runOrvctlTogether(commands, folder.path());
        for (const auto& result : results) EXPECT_EQ(result.status, 0) << result.err;
        const std::string path = folder.file(db);
        EXPECT_EQ(countRows(path, "SELECT count(*) FROM GenParmsTbl WHERE JobNumber = 'J'"), 1);
        EXPECT_EQ(countRows(path, "SELECT count(*) FROM SeasParmsTbl WHERE JobNumber = 'J'"), 12);
        // The stored device is one of the saved ones, whole.
        const auto read = runOrvctl({"db", "read", "--db", db, "--job", "J", "--ctn", "C"}, folder.path());
        EXPECT_EQ(read.status, 0) << read.err;
    }
}

TEST_F(OrvctlDbTogether, AHeldWriteLockLetsReadersThroughAndWritersFailOnceWithABusyMessage) {
    ASSERT_EQ(runOrvctl(saveArgs("Orv3.mdb", "J", "C"), folder.path()).status, 0);
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(folder.file("Orv3.mdb").c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    const auto reader = list("Orv3.mdb");
    EXPECT_EQ(reader.status, 0) << reader.err;
    EXPECT_EQ(reader.err, "");
    EXPECT_EQ(listed(reader).count("J\tC\tWorking"), 1u);
    const auto read =
        runOrvctl({"db", "read", "--db", "Orv3.mdb", "--job", "J", "--ctn", "C"}, folder.path());
    EXPECT_EQ(read.status, 0) << read.err;

    const auto start = std::chrono::steady_clock::now();
    const auto writer = runOrvctl(saveArgs("Orv3.mdb", "K", "C"), folder.path());
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(writer.status, 1);
    EXPECT_GE(waited, std::chrono::seconds(4)) << "a bounded wait for the lock first";
    const std::string busy = "Error: Couldn't save database -- Exception: the database 'Orv3.mdb' is busy";
    EXPECT_EQ(writer.err.find(busy), 0u) << writer.err;
    EXPECT_EQ(writer.err.find("Error: ", 1), std::string::npos) << "one message: " << writer.err;

    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(runOrvctl(saveArgs("Orv3.mdb", "K", "C"), folder.path()).status, 0);
}

// A create killed at any moment leaves the name free or a whole database under it.
TEST_F(OrvctlDbTogether, ACreateKilledHalfwayLeavesNoHalfMadeFile) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayMs(0, 60);
    const std::string program = std::string(ORV_BIN_DIR) + "/orvctl";
    int complete = 0;
    for (int round = 0; round < 12; ++round) {
        const std::string db = "kill" + std::to_string(round) + ".mdb";
        RunningProcess process = startProcess(program, saveArgs(db, "J", "C"), folder.path());
        // The open waits about a second for a file that is missing before it offers to create one.
        std::this_thread::sleep_for(std::chrono::milliseconds(990 + delayMs(random)));
        kill(process.pid, SIGKILL);
        finishProcess(process);
        const std::string path = folder.file(db);
        if (folder.read(db).empty()) {
            EXPECT_FALSE(std::filesystem::exists(path)) << "a 0-byte file under the name, round " << round;
            continue;
        }
        ++complete;
        EXPECT_EQ(countRows(path, "SELECT count(*) FROM SeasParmsTbl WHERE JobNumber = 'Default'"), 12);
        const auto keys = listed(list(db));
        EXPECT_EQ(keys.count("Default\tDefault\tWorking"), 1u) << "round " << round;
        // The next save goes into the file that is there.
        EXPECT_EQ(runOrvctl(saveArgs(db, "K", "C"), folder.path()).status, 0);
    }
    RecordProperty("complete", complete);
}

}  // namespace
}  // namespace orv::test
