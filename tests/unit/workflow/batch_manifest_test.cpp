#include "workflow/batch_manifest.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

std::vector<std::string> problemsOf(const std::string& text) {
    BatchManifest manifest;
    std::vector<std::string> problems;
    parseBatchManifest(text, manifest, problems);
    return problems;
}

TEST(BatchManifest, ParameterColumnsWavesAndASpreadsheetsMark) {
    const std::string text =
        "\xEF\xBB\xBFport;job;ctn;PttIdCode;GpsFixInterval_1[2];Notes\r\n"
        "/dev/a;J1;C1;101;30;\"first; note\"\r\n"
        "/dev/b;J1;C2;102;;\r\n"
        "/dev/a;J1;C3;103;45;\r\n"
        "/dev/a;J1;C4;;;\r\n";
    BatchManifest manifest;
    std::vector<std::string> problems;
    ASSERT_TRUE(parseBatchManifest(text, manifest, problems)) << problems.front();
    ASSERT_EQ(manifest.columns.size(), 3u);
    EXPECT_EQ(manifest.columns[1].key.table, DefinitionTable::Season);
    EXPECT_EQ(manifest.columns[1].key.season, 2);
    ASSERT_EQ(manifest.entries.size(), 4u);
    EXPECT_EQ(manifest.entries[0].cells, (std::vector<std::string>{"101", "30", "first; note"}));
    EXPECT_EQ(manifest.entries[1].cells, (std::vector<std::string>{"102", "", ""}));
    EXPECT_EQ(manifest.entries[0].status, "Working");
    EXPECT_EQ(manifest.waves, 3);
    std::vector<int> waves;
    for (const BatchEntry& entry : manifest.entries) waves.push_back(entry.wave);
    EXPECT_EQ(waves, (std::vector<int>{0, 0, 1, 2}));
    ASSERT_EQ(waveEntries(manifest, 1).size(), 1u);
    EXPECT_EQ(waveEntries(manifest, 1)[0]->line, 4);
}

TEST(BatchManifest, EveryFaultIsListedWithItsLine) {
    EXPECT_EQ(problemsOf("port,job,ctn,ElevAngel,Colour\n/dev/a,J,C\n"),
              (std::vector<std::string>{"line 1: the column 'ElevAngel' names no parameter",
                                        "line 1: the column 'Colour' names no parameter"}));
    EXPECT_EQ(problemsOf("port,job\n"),
              (std::vector<std::string>{"line 1: the header names no 'ctn' column (port,job,ctn[,status])"}));
    EXPECT_EQ(
        problemsOf("port,job,ctn,PttIdCode\n"
                   "/dev/a,J1,C1,7\n"
                   "/dev/b,J1,C1,8\n"
                   "/dev/c,J2,C1,\n"
                   "/dev/d,J2,C4,7\n"
                   "/dev/e,J2,,9\n"
                   "/dev/f,J2,C6,10,extra\n"),
        (std::vector<std::string>{
            "line 3: Job 'J1', CTN 'C1' is already on line 2",
            "line 4: CTN 'C1' is already on line 2 (Job 'J1')", "line 5: PttIdCode '7' is already on line 2",
            "line 6: the 'ctn' column is empty", "line 7: 5 fields, the header names 4"}));
    EXPECT_EQ(problemsOf("port,job,ctn\n\n"),
              (std::vector<std::string>{"line 2: no collar in the manifest"}));
}

}  // namespace
}  // namespace orv
