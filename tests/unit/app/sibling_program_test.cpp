#include "app/sibling_program.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"

namespace orv {
namespace {

TEST(SiblingProgram, TheLastEntryNamedForTheSiblingGivesItsProgram) {
    test::TempDir first;
    test::TempDir second;
    first.write("other.desktop", "[Desktop Entry]\nName=Something Else\nExec=/usr/bin/else\n");
    first.write("a.desktop", "[Desktop Entry]\nName=Halvorn Wren-2 Orv\nExec=/opt/old/wren2Orv %f\n");
    second.write("b.desktop",
                 "[Desktop Entry]\nName[de]=Halvorn Wren-2 Orv\nName=Halvorn Wren-2 Orv\nPath=/opt/w2\n");
    second.write("c.txt", "[Desktop Entry]\nName=Halvorn Wren-2 Orv\nExec=/ignored\n");

    const auto found = findSiblingProgram({first.path().string(), second.path().string()});
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->program, "/opt/w2/wren2Orv");  // no Exec: the folder and the program's name
    EXPECT_EQ(found->workingDirectory, "/opt/w2");

    const auto onlyFirst = findSiblingProgram({first.path().string()});
    ASSERT_TRUE(onlyFirst.has_value());
    EXPECT_EQ(onlyFirst->program, "/opt/old/wren2Orv");
}

TEST(SiblingProgram, NoMatchingEntryOrMissingFoldersFindNothing) {
    test::TempDir dir;
    dir.write("x.desktop", "[Other Group]\nName=Halvorn Wren-2 Orv\nExec=/bin/x\n");
    EXPECT_FALSE(findSiblingProgram({dir.path().string(), "/no/such/folder"}).has_value());
}

TEST(SiblingProgram, TheFoldersFollowTheDesktopDataDirectories) {
    setenv("XDG_DATA_HOME", "/home/u/data", 1);
    setenv("XDG_DATA_DIRS", "/a:/b/", 1);
    const auto folders = desktopEntryFolders();
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0], "/home/u/data/applications");
    EXPECT_EQ(folders[1], "/a/applications");
    EXPECT_EQ(folders[2], "/b/applications");
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
}

}  // namespace
}  // namespace orv
