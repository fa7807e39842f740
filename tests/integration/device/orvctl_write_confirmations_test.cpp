// The Write Device confirmations in orvctl, before any traffic: the activity
// check stops a configuration whose GPS fixes come faster than the activity
// interval, and an assigned PTT ID code of zero is programmed (as the root ID)
// only with --allow-zero-ptt-id, for one collar and for every line of a batch.
// Shutdown, a button the window shows to some levels only, is refused to the
// others before any traffic.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "collar_emulator.h"
#include "engineer_login.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

constexpr const char* kRestart = "IMPORTANT!! After programming, the GPS System must be restarted";

// ARGOS transmissions on, no PTT ID code assigned, a root ID to fall back on.
const std::vector<std::string> kZeroPttId = {"--raw", "XmitnsEnabled=1",  "--raw", "XmitterEnblType=1",
                                             "--raw", "Root ID Code=1234"};

// Activity data every 60 minutes, while season 1 fixes every 30 minutes.
std::vector<std::string> activityEvery(const std::string& minutes) {
    return {"--raw", "DataCollMode=1",         "--raw", "ActivitySenseInterval=" + minutes,
            "--raw", "GpsDcbDuration[1]=10",   "--raw", "GpsDcbDay_1[1]=1",
            "--raw", "GpsFixInterval_1[1]=30", "--raw", "FixIntervalUnits[1]=1"};
}

class OrvctlWriteConfirmations : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(collar.start()); }
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    ProcessResult write(const std::vector<std::string>& more) {
        std::vector<std::string> args{"device",    "write", "--port",     collar.devicePath(),
                                      "--timeout", "1",     "--firmware", "N4 040816"};
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }
    // The ID in the PTT ID word the collar holds now (first scheme: the word's upper 18 bits).
    long programmedId() {
        const auto read = run({"device", "read", "--port", collar.devicePath(), "--timeout", "1",
                               "--firmware", "N4 040816", "--json"});
        const std::string field = "\"IDHexValue\": \"";
        const auto at = read.out.find(field);
        if (read.status != 0 || at == std::string::npos) return -1;
        return static_cast<long>(std::stoul(read.out.substr(at + field.size(), 8), nullptr, 16) >> 14);
    }
    TempDir folder;
    emu::CollarEmulator collar;
};

TEST_F(OrvctlWriteConfirmations, AZeroPttIdIsProgrammedOnlyWithItsOwnOptionAndThenAsTheRootId) {
    std::vector<std::string> withYes = kZeroPttId;
    withYes.push_back("--yes");
    const auto refused = write(withYes);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("The 'Assigned PTT ID code' is currently zero!"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("--allow-zero-ptt-id programs the root ID 1234"), std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.err.find(kRestart), std::string::npos);
    EXPECT_EQ(collar.commandCount(), 0) << "refused before any traffic";

    std::vector<std::string> allowed = kZeroPttId;
    allowed.push_back("--allow-zero-ptt-id");
    const auto written = write(allowed);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.err.find(kRestart), std::string::npos);
    EXPECT_EQ(programmedId(), 1234) << "the collar sends the root ID, not 0";

    // An assigned code needs no consent and is what the collar gets.
    const auto assigned =
        write({"--raw", "XmitnsEnabled=1", "--raw", "XmitterEnblType=1", "--raw", "PttIdCode=77"});
    ASSERT_EQ(assigned.status, 0) << assigned.err;
    EXPECT_EQ(assigned.err.find("currently zero"), std::string::npos);
    EXPECT_EQ(programmedId(), 77);

    EXPECT_EQ(run({"device", "read", "--port", collar.devicePath(), "--allow-zero-ptt-id"}).status, 2);
}

TEST_F(OrvctlWriteConfirmations, TheActivityCheckStopsFixesFasterThanTheActivityIntervalWithoutOverride) {
    const auto refused = write(activityEvery("60"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Error: The Activity Data Collection Interval is greater than one"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(collar.commandCount(), 0);

    // Equal intervals are fine.
    const auto written = write(activityEvery("30"));
    EXPECT_EQ(written.status, 0) << written.err;
}

TEST_F(OrvctlWriteConfirmations, EveryBatchLinePassesTheConfirmationsBeforeAnyCollarIsTouched) {
    emu::CollarEmulator second;
    ASSERT_TRUE(second.start());
    auto save = [&](const std::string& ctn, std::vector<std::string> values) {
        std::vector<std::string> args{"db",    "save", "--db",       "Orv3.mdb",  "--job", "J7",
                                      "--ctn", ctn,    "--firmware", "N4 040816", "--yes"};
        args.insert(args.end(), values.begin(), values.end());
        ASSERT_EQ(run(args).status, 0);
    };
    save("C1", {});
    save("C2", kZeroPttId);
    save("C3", activityEvery("60"));
    auto batch = [&](const std::string& secondCtn, std::vector<std::string> more) {
        folder.write("job.csv", "port,job,ctn\n" + collar.devicePath() + ",J7,C1\n" + second.devicePath() +
                                    ",J7," + secondCtn + "\n");
        std::vector<std::string> args{"batch", "--manifest", "job.csv", "--db", "Orv3.mdb", "--timeout", "1"};
        for (const auto& option : engineerLogin(folder.path().string())) args.push_back(option);
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    };

    for (const std::string ctn : {"C2", "C3"}) {
        const auto refused = batch(ctn, {"--yes"});
        EXPECT_EQ(refused.status, 1) << ctn;
        EXPECT_NE(refused.err.find("job.csv: line 3:"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(collar.commandCount() + second.commandCount(), 0);

    const auto programmed = batch("C2", {"--allow-zero-ptt-id"});
    EXPECT_EQ(programmed.status, 0) << programmed.err;
    EXPECT_NE(run({"db", "list", "--db", "Orv3.mdb"}).out.find("J7\tC2\tProgrammed"), std::string::npos);
}

TEST_F(OrvctlWriteConfirmations, ShutdownIsRefusedToTheLevelsTheWindowHidesItFrom) {
    const auto customer = run({"device", "shutdown", "--port", collar.devicePath(), "--timeout", "1"});
    EXPECT_EQ(customer.status, 2);
    EXPECT_NE(customer.err.find("at the Customer level may not shut a collar down"), std::string::npos)
        << customer.err;
    EXPECT_EQ(collar.commandCount(), 0);
    EXPECT_FALSE(collar.shutDown());

    std::vector<std::string> args{"device",    "shutdown", "--port",     collar.devicePath(),
                                  "--timeout", "1",        "--firmware", "N4 040816"};
    for (const auto& option : engineerLogin(folder.path().string())) args.push_back(option);
    const auto engineer = run(args);
    EXPECT_EQ(engineer.status, 0) << engineer.err;
    // Probe, firmware query, then the family's two shut-down commands.
    EXPECT_TRUE(collar.waitForCommands(4, 5000)) << collar.commandCount();
    EXPECT_TRUE(collar.shutDown());
}

}  // namespace
}  // namespace orv::test
