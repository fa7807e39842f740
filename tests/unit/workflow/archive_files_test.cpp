#include "workflow/archive_files.h"

#include <gtest/gtest.h>

#include <ctime>
#include <set>
#include <thread>

#include "app/message_log.h"
#include "model/definitions.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "scripted_presenter.h"
#include "temp_dir.h"

namespace orv {
namespace {

class ArchiveTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedPresenter boxes;
    MessageLog log{&boxes};
    std::string folder() const { return dir.path().string(); }
};

TEST_F(ArchiveTest, TheBaseNameIsTheFirstEightCharactersOfTheCtnOrGpsFile) {
    EXPECT_EQ(archiveBaseName("ABCDEFGHIJKL"), "ABCDEFGH");
    EXPECT_EQ(archiveBaseName("C12"), "C12");
    EXPECT_EQ(archiveBaseName(""), "GPS_file");
}

TEST_F(ArchiveTest, ACtnCannotLeadTheFilesOutOfTheArchiveFolder) {
    EXPECT_EQ(archiveBaseName("../../etc"), "______et");
    EXPECT_EQ(archiveBaseName("a/b\\c"), "a_b_c");
    EXPECT_EQ(archiveBaseName("."), "_");
    EXPECT_EQ(archiveBaseName("x..y"), "x__y");
}

TEST_F(ArchiveTest, ALongCtnIsCutWithAWarningAndAnEmptyOneNamedGpsFile) {
    auto target = planArchive(folder(), "ABCDEFGHIJKL", log);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->path(".spr"), folder() + "/ABCDEFGH.spr");
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().kind, BoxKind::Warning);
    EXPECT_EQ(
        boxes.last().text,
        "Ctn Number: 'ABCDEFGHIJKL' is longer than 8 characters.  The base filename\nfor the SPR and BIN "
        "files will be truncated to 'ABCDEFGH'.");
    boxes.clear();
    target = planArchive(folder(), "", log);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->path(".bin"), folder() + "/GPS_file.bin");
    EXPECT_EQ(boxes.last().text, "No CTN number.  Using '" + folder() +
                                     "/GPS_file' as the base filename\nfor the SPR and BIN files.");
}

// Characters, not bytes: a name is never cut inside a character, every name
// is valid UTF-8, and only a CTN of more than 8 characters is called longer.
TEST_F(ArchiveTest, CtnsAreCutByCharactersIntoValidUtf8Names) {
    EXPECT_EQ(archiveBaseName("\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA8"),
              "\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9");
    EXPECT_EQ(archiveBaseName("\xFF\xC3"
                              "AB\x01\xE6\x97"),
              "__AB___");
    const std::string threeCharacters = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // 9 bytes
    const auto target = planArchive(folder(), threeCharacters, log);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->baseName, threeCharacters);
    EXPECT_EQ(boxes.count(), 0u) << boxes.last().text;
}

// "a/b" and "a_b" share a base name; neither collar's files replace the other's.
TEST_F(ArchiveTest, AnotherCollarsFilesUnderTheSameNameAreKeptAndSaidSo) {
    restoreBuiltinDefinitions();
    ParameterRecord record;
    resetRecord(record);
    auto archive = [&](const std::string& ctn) {
        const auto target = planArchive(folder(), ctn, log);
        if (!target) return std::string();
        record.text(StringRow::CtnNumber) = ctn;
        std::string spr;
        buildSprText(record, "", spr);
        EXPECT_EQ(writeArchiveFiles(*target, spr, std::vector<std::uint8_t>{1, 2}, log), 0);
        return target->baseName;
    };
    EXPECT_EQ(archive("a_b"), "a_b");
    EXPECT_EQ(archive("a/b"), "a_b~2");
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().kind, BoxKind::Warning);
    EXPECT_EQ(boxes.last().text, "The SPR and BIN files '" + folder() +
                                     "/a_b' belong to another collar and are kept.\nThis collar's files are "
                                     "named 'a_b~2' instead.");
    boxes.clear();
    EXPECT_EQ(archive("a_b"), "a_b");  // each collar finds its own again, without a word
    EXPECT_EQ(archive("a/b"), "a_b~2");
    EXPECT_EQ(boxes.count(), 1u);  // the same warning for a/b, nothing for a_b
    EXPECT_EQ(sprCtn(dir.read("a_b.spr")), "a_b");
    EXPECT_EQ(sprCtn(dir.read("a_b~2.spr")), "a/b");
    // An image without its report is nobody's to replace either.
    dir.write("lone.bin", "x");
    EXPECT_EQ(archive("lone"), "lone~2");
    EXPECT_EQ(dir.read("lone.bin"), "x");
}

TEST_F(ArchiveTest, OneTrailingSeparatorOfEitherKindIsDropped) {
    for (const std::string& path : {folder() + "\\", folder() + "/"}) {
        const auto target = planArchive(path, "C1", log);
        ASSERT_TRUE(target.has_value()) << path;
        EXPECT_EQ(target->folder, folder());
    }
    EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(ArchiveTest, AMissingFolderOrAFileStopsTheArchiveWithItsError) {
    EXPECT_FALSE(planArchive("", "C1", log).has_value());
    EXPECT_EQ(boxes.count(), 0u);  // no archive wanted: nothing said
    const std::string file = dir.write("plain", "x");
    EXPECT_FALSE(planArchive(file, "C1", log).has_value());
    EXPECT_EQ(boxes.last().text,
              "Could not save the SPR and BIN files because\n" + file + " is not a directory.");
    EXPECT_FALSE(planArchive(folder() + "/gone\\", "C1", log).has_value());
    EXPECT_EQ(boxes.last().text, "Could not save the SPR and BIN files because\ndirectory " + folder() +
                                     "/gone does not exist.");
}

TEST_F(ArchiveTest, TheFilesHoldTheReportWithCrLfAndTheImageAsItIs) {
    const auto target = planArchive(folder(), "C1", log);
    ASSERT_TRUE(target.has_value());
    const std::vector<std::uint8_t> image = {0x00, 0x0A, 0xFF, 0x0D};
    EXPECT_EQ(writeArchiveFiles(*target, "line\n", image, log), 0);
    EXPECT_EQ(dir.read("C1.spr"), "line\r\n");
    EXPECT_EQ(dir.read("C1.bin"), std::string("\x00\x0A\xFF\x0D", 4));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"C1.bin", "C1.spr"}));  // no temporary file left
}

TEST_F(ArchiveTest, BeforeCopiesOfOneSecondAreNumberedAndNoneIsReplaced) {
    const auto target = planArchive(folder(), "C1", log);
    ASSERT_TRUE(target.has_value());
    const std::time_t when = 1'800'000'000;
    std::vector<std::thread> writers;
    for (std::uint8_t i = 0; i < 4; ++i)
        writers.emplace_back(
            [&, i] { EXPECT_EQ(writeBeforeCopy(*target, std::vector<std::uint8_t>{i}, when, log), 0); });
    for (auto& writer : writers) writer.join();
    std::set<std::string> held;
    for (int copy = 1; copy <= 4; ++copy)
        held.insert(dir.read(beforeCopyPath({"", "C1"}, when, copy).substr(1)));
    EXPECT_EQ(held, (std::set<std::string>{{"\x00", 1}, "\x01", "\x02", "\x03"}));
    EXPECT_EQ(dir.entries().size(), 4u) << "no temporary file left";
    EXPECT_EQ(beforeCopyPath({"", "C1"}, when, 2).rfind("/C1-before-"), 0u);
    EXPECT_EQ(beforeCopyPath({"", "C1"}, when, 2).substr(26), "-2.bin");
}

}  // namespace
}  // namespace orv
