// orvctl db export --format csv, read back by Python's csv module as a script
// or a spreadsheet import would read it, with a comma and with a semicolon.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlDbExport : public ::testing::Test {
protected:
    void SetUp() override {
        save("05-1'7", "C1",
             {"--set", "Notes=" + notes, "--set", "Customer=Zoë; \"Q\", Ltd", "--set", "ElevAngle=12.5",
              "--set", "GpsFixInterval_1[3]=30"});
        save("J2", "=2+3", {"--set", "Notes=@SUM(A1)", "--set", "Customer=-A1"});
    }
    void save(const std::string& job, const std::string& ctn, std::vector<std::string> sets) {
        std::vector<std::string> args{"db", "save", "--db", "Orv3.mdb", "--job", job, "--ctn", ctn, "--yes"};
        args.insert(args.end(), sets.begin(), sets.end());
        const auto saved = run(args);
        ASSERT_EQ(saved.status, 0) << saved.err;
    }
    ProcessResult run(const std::vector<std::string>& args) {
        return runOrvctl(args, folder.path().string());
    }
    // The rows of the file as Python's csv module reads them.
    nlohmann::json pythonRows(const std::string& file, const std::string& delimiter) {
        const std::string script =
            "import csv, json, sys\n"
            "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
            "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2]))))\n";
        const auto result =
            runProcess("/usr/bin/python3", {"-c", script, file, delimiter}, folder.path().string());
        EXPECT_EQ(result.status, 0) << result.err;
        return nlohmann::json::parse(result.out, nullptr, false);
    }

    const std::string notes = "line one, \"quoted\"; semi\nline two =1+1";
    TempDir folder;
};

TEST_F(OrvctlDbExport, BothDelimitersReadBackCellForCellWithFormulasDisarmed) {
    for (const std::string delimiter : {",", ";"}) {
        const auto result =
            run({"db", "export", "--db", "Orv3.mdb", "--format", "csv", "--delimiter", delimiter, "--columns",
                 "Notes,Customer,ElevAngle,GpsFixInterval_1[*]", "-o", "out.csv"});
        ASSERT_EQ(result.status, 0) << result.err;
        const nlohmann::json rows = pythonRows("out.csv", delimiter);
        ASSERT_TRUE(rows.is_array()) << folder.read("out.csv");
        // A new database holds the "Default" device beside the two saved.
        ASSERT_EQ(rows.size(), 4u) << rows.dump();
        const std::vector<std::string> header = rows[0];
        ASSERT_EQ(header.size(), 18u);
        EXPECT_EQ(header[0], "job");
        EXPECT_EQ(header[5], "ElevAngle");
        EXPECT_EQ(header[17], "GpsFixInterval_1[12]");
        const std::vector<std::string> first = rows[1];  // in Job order
        EXPECT_EQ(first[0], "05-1'7");
        EXPECT_EQ(first[1], "C1");
        EXPECT_EQ(first[2], "Working");
        EXPECT_EQ(first[3], notes);
        EXPECT_EQ(first[4], "Zoë; \"Q\", Ltd");
        EXPECT_EQ(first[5], "12.5");
        EXPECT_EQ(first[8], "30");
        EXPECT_EQ(first[9], "60");
        const std::vector<std::string> second = rows[3];
        EXPECT_EQ(second[1], "'=2+3");
        EXPECT_EQ(second[3], "'@SUM(A1)");
        EXPECT_EQ(second[4], "'-A1");
    }
}

TEST_F(OrvctlDbExport, WithoutColumnsEveryStoredParameterFollowsTheKey) {
    ASSERT_EQ(run({"db", "export", "--db", "Orv3.mdb", "--format", "csv", "-o", "all.csv"}).status, 0);
    const nlohmann::json rows = pythonRows("all.csv", ",");
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<std::string> header = rows[0];
    EXPECT_EQ(std::count(header.begin(), header.end(), "ElevAngle"), 1);
    EXPECT_EQ(std::count(header.begin(), header.end(), "CtnNumber"), 0) << "the key is not repeated";
    EXPECT_EQ(rows[1].size(), header.size());

    const auto unknown = run(
        {"db", "export", "--db", "Orv3.mdb", "--format", "csv", "--columns", "ElevAngel", "-o", "bad.csv"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("'ElevAngel' names no parameter"), std::string::npos) << unknown.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("bad.csv")));
}

}  // namespace
}  // namespace orv::test
