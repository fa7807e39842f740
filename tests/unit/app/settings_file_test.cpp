#include "app/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "temp_dir.h"

namespace orv {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string cfg = dir.file("Orv3.cfg");

    void given(const std::string& content) { dir.write("Orv3.cfg", content); }
    std::string content() const { return dir.read("Orv3.cfg"); }
    SettingValue read(const std::string& section, const std::string& key) {
        return readSetting(cfg, section, key, "dflt");
    }
};

TEST_F(SettingsFileTest, FindsKeysOnlyInTheirOwnSection) {
    given("[Files]\nParameter Db=a.mdb\n[Startup]\nLogin=1\n");
    EXPECT_EQ(read("Files", "Parameter Db").text, "a.mdb");
    EXPECT_TRUE(read("Files", "Parameter Db").found);
    EXPECT_EQ(read("Startup", "Login").text, "1");
    // Present in a later section only: not found in the earlier one.
    const SettingValue missing = read("Files", "Login");
    EXPECT_EQ(missing.text, "dflt");
    EXPECT_FALSE(missing.found);
    EXPECT_FALSE(read("Startup", "Parameter Db").found);
    EXPECT_FALSE(read("Nowhere", "Login").found);
}

TEST_F(SettingsFileTest, MatchesExactlyAndKeepsBlanksAroundTheEquals) {
    given("[Files]\n\t  Default Dir = /home/a \nlogin=1\n");
    // Leading blanks are skipped; the blank before "=" belongs to the key and the
    // value runs to the end of the line, blanks included.
    EXPECT_FALSE(read("Files", "Default Dir").found);
    EXPECT_EQ(read("Files", "Default Dir ").text, " /home/a ");
    EXPECT_FALSE(read("Files", "Login").found);
    EXPECT_FALSE(read("files", "login").found);
    EXPECT_EQ(read("Files", "login").text, "1");
}

TEST_F(SettingsFileTest, AValueWithBracketsIsNoSectionHeader) {
    given("[Files]\nDefault Dir=/data/[old]/\nParameter Db=x.mdb\n[Startup]\nLogin=1\n");
    EXPECT_EQ(read("Files", "Default Dir").text, "/data/[old]/");
    EXPECT_EQ(read("Files", "Parameter Db").text, "x.mdb");
    EXPECT_FALSE(read("old", "Parameter Db").found);

    ASSERT_EQ(writeSetting(cfg, "Files", "Parameter Db", "y.mdb"), 1);
    ASSERT_EQ(writeSetting(cfg, "Files", "Password Db", "p.mdb"), 1);
    EXPECT_EQ(
        content(),
        "\n[Files]\nDefault Dir=/data/[old]/\nParameter Db=y.mdb\nPassword Db=p.mdb\n\n[Startup]\nLogin=1\n");
}

TEST_F(SettingsFileTest, HandlesLineEndsAndTheLimits) {
    given("\r\n\r\n[A]\r\r\nK=v\r\nEmpty=\n");
    EXPECT_EQ(read("A", "K").text, "v");
    EXPECT_EQ(read("A", "Empty").text, "");
    EXPECT_TRUE(read("A", "Empty").found);

    // Lines are read in pieces of 255 characters: the value keeps 253.
    given("[A]\nK=" + std::string(400, 'x') + "\n");
    EXPECT_EQ(read("A", "K").text, std::string(253, 'x'));

    // The whole file counts, however long, and a NUL byte is a character like any other.
    std::string big = "[A]\n" + std::string(63990, ';') + "\nLate=1\n";
    given(big);
    EXPECT_TRUE(read("A", "Late").found);
    EXPECT_EQ(read("A", "Late").line, 3u);
    given(std::string("[A]\nX=\0\nK=2\n", 13));
    EXPECT_EQ(read("A", "K").text, "2");
}

TEST_F(SettingsFileTest, MissingOrUnreadableFileGivesDefaults) {
    EXPECT_EQ(read("Files", "Parameter Db").text, "dflt");
    EXPECT_EQ(readSetting(dir.path().string(), "A", "K", "d").text, "d");  // a folder
    given(std::string("\0\xff[A\0]\nK=1\n", 12));
    EXPECT_FALSE(read("A", "K").found);
}

TEST_F(SettingsFileTest, IntegerSettings) {
    given("[Active Tabs]\nBeacon=0\nSchedule=12abc\nJunk=abc\n");
    EXPECT_EQ(readIntSetting(cfg, "Active Tabs", "Beacon", 1), 0);
    EXPECT_EQ(readIntSetting(cfg, "Active Tabs", "Schedule", 1), 12);
    EXPECT_EQ(readIntSetting(cfg, "Active Tabs", "Junk", 1), 0);
    EXPECT_EQ(readIntSetting(cfg, "Active Tabs", "Simulation", 1), 1);
    EXPECT_EQ(readIntSetting(cfg, "Active Tabs", "Simulation", -7), -7);
    EXPECT_EQ(writeIntSetting(cfg, "Active Tabs", "Simulation", -3), 1);
    EXPECT_EQ(readIntSetting(cfg, "Active Tabs", "Simulation", 1), -3);
}

TEST_F(SettingsFileTest, WritesIntoMiddleLastAndAbsentSections) {
    given("[Files]\nA=1\n\n\n[Startup]\nLogin=0\n");
    ASSERT_EQ(writeSetting(cfg, "Files", "B", "2"), 1);
    EXPECT_EQ(content(), "\n[Files]\nA=1\nB=2\n\n[Startup]\nLogin=0\n");

    ASSERT_EQ(writeSetting(cfg, "Startup", "Mode", "x y"), 1);
    EXPECT_EQ(content(), "\n[Files]\nA=1\nB=2\n\n[Startup]\nLogin=0\nMode=x y\n");

    ASSERT_EQ(writeSetting(cfg, "Firmware Version", "Current Fw Ver", "DS 030929"), 1);
    EXPECT_EQ(content(),
              "\n[Files]\nA=1\nB=2\n\n[Startup]\nLogin=0\nMode=x y\n\n[Firmware Version]\nCurrent Fw Ver=DS "
              "030929\n");
    EXPECT_EQ(read("Firmware Version", "Current Fw Ver").text, "DS 030929");
}

TEST_F(SettingsFileTest, ReplacesAndRemovesEntriesInPlace) {
    given("[Files]\n  A=1\nB=2\nC=3\n[Startup]\nB=9\n");
    ASSERT_EQ(writeSetting(cfg, "Files", "A", "new"), 1);
    EXPECT_EQ(content(), "\n[Files]\nA=new\nB=2\nC=3\n\n[Startup]\nB=9\n");
    ASSERT_EQ(writeSetting(cfg, "Files", "B", std::nullopt), 1);
    EXPECT_EQ(content(), "\n[Files]\nA=new\nC=3\n\n[Startup]\nB=9\n");
    // Removing what is not there changes nothing but the empty lines.
    ASSERT_EQ(writeSetting(cfg, "Other", "B", std::nullopt), 1);
    ASSERT_EQ(writeSetting(cfg, "Startup", "Z", std::nullopt), 1);
    EXPECT_EQ(content(), "\n[Files]\nA=new\nC=3\n\n[Startup]\nB=9\n");
}

TEST_F(SettingsFileTest, FirstWriteCreatesTheFile) {
    ASSERT_EQ(writeSetting(cfg, "Parameters", "Fix Dimension", "1,0,2"), 1);
    EXPECT_EQ(content(), "\n[Parameters]\nFix Dimension=1,0,2\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Orv3.cfg"});  // no temporary file left
}

TEST_F(SettingsFileTest, LongLinesAreCopiedWhole) {
    const std::string longLine = "Notes=" + std::string(600, 'n') + "\n";
    given("[A]\n" + longLine + "[B]\nK=1\n");
    ASSERT_EQ(writeSetting(cfg, "B", "K", "2"), 1);
    ASSERT_EQ(writeSetting(cfg, "A", "X", "3"), 1);
    EXPECT_EQ(content(), "\n[A]\n" + longLine + "X=3\n\n[B]\nK=2\n");
}

TEST_F(SettingsFileTest, LastLineWithoutLineEndStaysItsOwnLine) {
    given("[A]\nK=1");
    ASSERT_EQ(writeSetting(cfg, "A", "L", "2"), 1);
    EXPECT_EQ(content(), "\n[A]\nK=1\nL=2\n");
}

TEST_F(SettingsFileTest, KeepsTheFileModeAndFailsCleanly) {
    given("[A]\nK=1\n");
    ::chmod(cfg.c_str(), 0640);
    ASSERT_EQ(writeSetting(cfg, "A", "K", "2"), 1);
    struct stat info {};
    ASSERT_EQ(::stat(cfg.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A new file gets what the umask leaves of 0666.
    const mode_t previous = ::umask(027);
    ASSERT_EQ(writeSetting(dir.file("new.cfg"), "A", "K", "1"), 1);
    ::umask(previous);
    ASSERT_EQ(::stat(dir.file("new.cfg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    std::remove(dir.file("new.cfg").c_str());

    // No folder for the temporary file: nothing is written.
    EXPECT_EQ(writeSetting(dir.file("absent/Orv3.cfg"), "A", "K", "1"), 0);
    // A path that exists but cannot be read as a file is left alone.
    EXPECT_EQ(writeSetting(dir.path().string(), "A", "K", "1"), 0);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Orv3.cfg"});
}

}  // namespace
}  // namespace orv
