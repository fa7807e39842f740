#include "workflow/archive_files.h"

#include <gtest/gtest.h>

#include "app/message_log.h"
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

}  // namespace
}  // namespace orv
