// orvctl batch for a fleet: a template with a line of identity per collar on
// emulated collars, the whole manifest checked before any traffic, waves of
// collars on the same ports, a results file that a kill cannot make lie, and
// --resume programming what is left.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/csv_text.h"
#include "collar_emulator.h"
#include "engineer_login.h"
#include "operator_terminal.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

constexpr std::uint32_t kConfigurationBase = 0xBFC000;  // the emulator's sector for "0800"

class OrvctlFleet : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(folder.path() / "archive");
        folder.write("Orv3.cfg", "[Files]\nArchive Path=" + folder.file("archive") + "/\n");
        login = engineerLogin(folder.path().string());
        const auto made =
            run({"export-ppf", "--firmware", "N4 040816", "--set", "ElevAngle=12.5", "-o", "template.ppf"});
        ASSERT_EQ(made.status, 0) << made.err;
    }
    void startCollars(int count, int baud = 0) {
        for (int i = 0; i < count; ++i) {
            emu::CollarOptions options;
            options.baudRate = baud;
            collars.push_back(std::make_unique<emu::CollarEmulator>(options));
            ASSERT_TRUE(collars.back()->start());
        }
    }
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    std::vector<std::string> batch(std::vector<std::string> extra) {
        std::vector<std::string> args{"batch",      "--manifest",   "fleet.csv", "--db", "Orv3.mdb",
                                      "--template", "template.ppf", "--timeout", "2",    "--yes"};
        args.insert(args.end(), login.begin(), login.end());
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }
    // The CTNs stored as "Programmed".
    std::set<std::string> programmedCtns() {
        std::set<std::string> ctns;
        std::vector<CsvRow> rows;
        CsvProblem problem;
        parseCsv(run({"db", "list", "--db", "Orv3.mdb"}).out, '\t', rows, problem);
        for (const CsvRow& row : rows)
            if (row.fields.size() == 3 && row.fields[2] == "Programmed") ctns.insert(row.fields[1]);
        return ctns;
    }
    // The CTNs the results file names with that result.
    std::set<std::string> resultCtns(const std::string& result) {
        std::set<std::string> ctns;
        std::vector<CsvRow> rows;
        CsvProblem problem;
        parseCsv(folder.read("results.csv"), ',', rows, problem);
        for (const CsvRow& row : rows)
            if (row.fields.size() == 9 && row.fields[4] == result) ctns.insert(row.fields[3]);
        return ctns;
    }
    static std::size_t countOf(const std::string& text, const std::string& part) {
        std::size_t count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
        return count;
    }
    int trafficSeen() {
        int commands = 0;
        for (const auto& collar : collars) commands += collar->commandCount();
        return commands;
    }

    TempDir folder;
    std::vector<std::string> login;
    std::vector<std::unique_ptr<emu::CollarEmulator>> collars;
};

TEST_F(OrvctlFleet, ATemplateAndIdentityColumnsGiveEachCollarItsOwnImage) {
    startCollars(4);
    std::string manifest = "\xEF\xBB\xBFport,job,ctn,PttIdCode,GpsFixInterval_1[2]\n";
    for (int i = 0; i < 4; ++i)
        manifest += collars[i]->devicePath() + ",F1,C" + std::to_string(i + 1) + "," +
                    std::to_string(1001 + i) + (i == 1 ? ",30\n" : ",\n");
    folder.write("fleet.csv", manifest);
    const auto result = run(batch({"--results", "results.csv"}));
    ASSERT_EQ(result.status, 0) << result.err << result.out;
    for (int i = 0; i < 4; ++i) {
        std::vector<std::string> image{
            "image", "--ppf",       "template.ppf", "--set", "PttIdCode=" + std::to_string(1001 + i),
            "-o",    "expected.bin"};
        if (i == 1) image.insert(image.end(), {"--set", "GpsFixInterval_1[2]=30"});
        image.insert(image.end(), login.begin(), login.end());
        ASSERT_EQ(run(image).status, 0);
        const std::string expected = folder.read("expected.bin");
        const auto flash = collars[i]->memory(kConfigurationBase, expected.size());
        EXPECT_EQ(std::string(flash.begin(), flash.end()), expected) << "collar " << i + 1;
    }
    EXPECT_EQ(programmedCtns(), (std::set<std::string>{"C1", "C2", "C3", "C4"}));
    EXPECT_EQ(resultCtns("programmed"), programmedCtns());
    const auto stored =
        run({"show", "--json", "--db", "Orv3.mdb", "--job", "F1", "--ctn", "C3", "--status", "Programmed"});
    EXPECT_NE(stored.out.find("\"PttIdCode\": 1003"), std::string::npos);
    EXPECT_NE(stored.out.find("\"ElevAngle\": 12.5"), std::string::npos);

    // The fleet matches the database; then collar 2 gets collar 4's configuration
    // (whose PTT ID word the read does not take apart: the fix interval tells).
    auto check = run({"fleet", "check", "--manifest", "fleet.csv", "--db", "Orv3.mdb", "--timeout", "2"});
    EXPECT_EQ(check.status, 0) << check.err << check.out;
    EXPECT_EQ(countOf(check.out, ": same\n"), 4u) << check.out;
    const std::string fourth = folder.read("expected.bin");
    collars[1]->setMemory(kConfigurationBase, std::vector<std::uint8_t>(fourth.begin(), fourth.end()));
    check = run({"fleet", "check", "--manifest", "fleet.csv", "--db", "Orv3.mdb", "--timeout", "2",
                 "--format", "json"});
    EXPECT_EQ(check.status, 1) << check.err << check.out;
    EXPECT_EQ(countOf(check.out, "\"result\": \"same\""), 3u) << check.out;
    const auto second = check.out.find("\"ctn\": \"C2\", \"result\": \"different\"");
    ASSERT_NE(second, std::string::npos) << check.out;
    const std::string line = check.out.substr(second, check.out.find('\n', second) - second);
    EXPECT_NE(line.find("[{\"key\": \"GpsFixInterval_1\", \"label\""), std::string::npos) << line;
    EXPECT_NE(line.find("\"season\": 2, \"page\": \"Schedule\", \"old_value\": 30, \"new_value\": 60"),
              std::string::npos)
        << line;
    EXPECT_EQ(countOf(line, "\"key\": "), 1u) << "the factory area is not the batch's: " << line;
    EXPECT_EQ(programmedCtns().size(), 4u) << "the check changes nothing";
}

TEST_F(OrvctlFleet, ClashesUnknownKeysAndRefusedTextsStopTheRunBeforeAnyTraffic) {
    startCollars(2);
    const std::string a = collars[0]->devicePath(), b = collars[1]->devicePath();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"port,job,ctn,PttIdCode\n" + a + ",F1,C1,1001\n" + b + ",F1,C2,1001\n",
         "line 3: PttIdCode '1001' is already on line 2"},
        {"port,job,ctn,PttIdCode\n" + a + ",F1,C1,1001\n" + b + ",F1,C2,01001\n",
         "line 3: PttIdCode '01001' is the PTT ID code of line 2"},
        {"port,job,ctn\n" + a + ",F1,C1\n" + b + ",F2,C1\n",
         "line 3: CTN 'C1' is already on line 2 (Job 'F1')"},
        {"port,job,ctn,PttIdCod\n" + a + ",F1,C1,1\n", "line 1: the column 'PttIdCod' names no parameter"},
        {"port,job,ctn,VHFPattern1\n" + a + ",F1,C1,101\n" + b + ",F1,C2,1021\n",
         "line 3: column 'VHFPattern1': '1021' was not taken"},
    };
    for (const auto& [text, message] : cases) {
        folder.write("fleet.csv", text);
        const auto result = run(batch({"--results", "results.csv"}));
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
    EXPECT_EQ(trafficSeen(), 0);
    EXPECT_TRUE(programmedCtns().empty());
}

TEST_F(OrvctlFleet, WithoutATerminalTheNextWaveIsLeftAndResumeProgramsIt) {
    startCollars(2);
    std::string manifest = "port,job,ctn\n";
    for (int i = 0; i < 4; ++i)
        manifest += collars[i % 2]->devicePath() + ",F1,C" + std::to_string(i + 1) + "\n";
    folder.write("fleet.csv", manifest);
    auto result = run(batch({"--results", "results.csv"}));
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("2 line(s) not programmed"), std::string::npos) << result.err;
    EXPECT_EQ(resultCtns("programmed"), (std::set<std::string>{"C1", "C2"}));
    EXPECT_EQ(resultCtns("not programmed"), (std::set<std::string>{"C3", "C4"}));
    EXPECT_EQ(programmedCtns(), resultCtns("programmed"));

    // The operator has put the next two collars on the ports.
    result = run(batch({"--resume", "results.csv"}));
    EXPECT_EQ(result.status, 0) << result.err << result.out;
    EXPECT_EQ(resultCtns("programmed"), (std::set<std::string>{"C1", "C2", "C3", "C4"}));
    EXPECT_EQ(programmedCtns(), resultCtns("programmed"));
}

TEST_F(OrvctlFleet, OnATerminalTheOperatorsEnterStartsTheNextWave) {
    startCollars(2);
    std::string manifest = "port;job;ctn;PttIdCode\n";
    for (int i = 0; i < 4; ++i)
        manifest += collars[i % 2]->devicePath() + ";F1;C" + std::to_string(i + 1) + ";" +
                    std::to_string(2001 + i) + "\n";
    folder.write("fleet.csv", manifest);
    OperatorTerminal terminal;
    RunningProcess running =
        startOnTerminal(std::string(ORV_BIN_DIR) + "/orvctl", batch({"--results", "results.csv"}),
                        folder.path().string(), terminal);
    const std::string prompt = "Connect the next collars (ports " + collars[0]->devicePath() + ", " +
                               collars[1]->devicePath() + ") and press Enter";
    ASSERT_TRUE(waitForError(running, prompt, 30000));
    // The first wave is done and recorded before the operator is asked; --yes did not answer.
    EXPECT_EQ(resultCtns("programmed"), (std::set<std::string>{"C1", "C2"}));
    EXPECT_EQ(programmedCtns(), resultCtns("programmed"));
    terminal.pressEnter();
    const auto result = finishProcess(running);
    EXPECT_EQ(result.status, 0) << result.err << result.out;
    EXPECT_EQ(resultCtns("programmed"), (std::set<std::string>{"C1", "C2", "C3", "C4"}));
    EXPECT_EQ(programmedCtns(), resultCtns("programmed"));
    const auto third =
        run({"show", "--json", "--db", "Orv3.mdb", "--job", "F1", "--ctn", "C3", "--status", "Programmed"});
    EXPECT_NE(third.out.find("\"PttIdCode\": 2003"), std::string::npos) << third.out;
}

TEST_F(OrvctlFleet, AKillMidRunLeavesResultsThatMatchTheDatabase) {
    startCollars(1);
    startCollars(3, 9600);  // paced: these take a few seconds each
    std::string manifest = "port,job,ctn\n";
    for (int i = 0; i < 4; ++i) manifest += collars[i]->devicePath() + ",F1,C" + std::to_string(i + 1) + "\n";
    folder.write("fleet.csv", manifest);
    RunningProcess running = startProcess(std::string(ORV_BIN_DIR) + "/orvctl",
                                          batch({"--results", "results.csv"}), folder.path().string());
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (resultCtns("programmed").empty() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::kill(running.pid, SIGKILL);
    finishProcess(running);
    const std::set<std::string> done = resultCtns("programmed");
    EXPECT_FALSE(done.empty());
    EXPECT_LT(done.size(), 4u) << "killed before the paced collars were done";
    EXPECT_EQ(programmedCtns(), done);

    const auto resumed = run(batch({"--resume", "results.csv"}));
    EXPECT_EQ(resumed.status, 0) << resumed.err << resumed.out;
    EXPECT_EQ(resultCtns("programmed"), (std::set<std::string>{"C1", "C2", "C3", "C4"}));
    EXPECT_EQ(programmedCtns(), resultCtns("programmed"));
}

}  // namespace
}  // namespace orv::test
