#include "app/data_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

TEST(DataDirectory, TheCommandLineWinsOverTheEnvironmentWhichWinsOverHome) {
    EXPECT_EQ(chooseDataDirectory("/x", "/y", "/home/u"), "/x");
    EXPECT_EQ(chooseDataDirectory("", "/y", "/home/u"), "/y");
    EXPECT_EQ(chooseDataDirectory("", "", "/home/u"), "/home/u/.local/share/Orv");
    EXPECT_EQ(chooseDataDirectory("", "", ""), "");
}

TEST(DataDirectory, AMissingFolderIsCreatedPrivateAndEntered) {
    TempDir temp;
    const auto before = fs::current_path();
    const std::string target = temp.file("a/b/Orv");
    EXPECT_EQ(enterDataDirectory(target), "");
    EXPECT_EQ(fs::current_path(), fs::path(target));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_all);
    fs::current_path(before);
}

TEST(DataDirectory, AFileInTheWayOrNoFolderAtAllIsReportedAndNothingIsEntered) {
    TempDir temp;
    const auto before = fs::current_path();
    const std::string file = temp.write("Orv", "not a folder");
    EXPECT_NE(enterDataDirectory(file).find("is not a folder"), std::string::npos);
    EXPECT_NE(enterDataDirectory("").find("HOME"), std::string::npos);
    EXPECT_EQ(fs::current_path(), before);
}

}  // namespace
}  // namespace orv
