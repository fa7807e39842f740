// Broken and hostile inputs through orvctl: each ends with the exit status
// that matches it and one clear message, and leaves every file it was given
// byte for byte as it was.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

void sql(const std::string& path, const std::string& statements) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, statements.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
    sqlite3_free(error);
    sqlite3_close(db);
}

// A parameter database holding J/C and K/C besides the Default device.
void storedDevices(const TempDir& folder, const std::string& name = "Orv3.mdb") {
    for (const char* job : {"J", "K"}) {
        ASSERT_EQ(runOrvctl({"db", "save", "--db", name, "--job", job, "--ctn", "C", "--yes"}, folder.path())
                      .status,
                  0);
    }
}

// A .ppf file of N4 040816 (1176 bytes) cut to its first 1000.
void cutPpf(const TempDir& folder) {
    ASSERT_EQ(runOrvctl({"export-ppf", "--firmware", "N4 040816", "-o", "whole.ppf"}, folder.path()).status,
              0);
    folder.write("cut.ppf", folder.read("whole.ppf").substr(0, 1000));
}

// A settings file whose one entry is unusable.
void badSettingsEntry(const TempDir& folder) {
    folder.write("Orv3.cfg", "[Parameters]\nFix Dimension=2,3,1\n");
}

struct BrokenInput {
    const char* name;
    std::function<void(const TempDir&)> prepare;
    std::vector<std::string> args;
    int status;
    std::string message;                 // the start of what stderr says
    std::vector<std::string> unchanged;  // files that must keep every byte
};

void PrintTo(const BrokenInput& input, std::ostream* out) {
    *out << input.name;
}

const std::string kNotParameterDb =
    "Error: Couldn't open database -- Exception: not a parameter database: the tables are missing\n";

const BrokenInput kBrokenInputs[] = {
    {"an empty database file",
     [](const TempDir& f) { f.write("x.mdb", ""); },
     {"db", "save", "--db", "x.mdb", "--job", "J", "--ctn", "C", "--yes"},
     1,
     kNotParameterDb,
     {"x.mdb"}},
    {"another program's database",
     [](const TempDir& f) { sql(f.file("x.mdb"), "CREATE TABLE Other (a);"); },
     {"db", "list", "--db", "x.mdb"},
     1,
     kNotParameterDb,
     {"x.mdb"}},
    {"a damaged file is never offered for creation",
     [](const TempDir& f) { f.write("x.mdb", std::string(3000, 'Z')); },
     {"db", "save", "--db", "x.mdb", "--job", "J", "--ctn", "C", "--yes"},
     1,
     "Error: Couldn't open database -- Exception: file is not a database\n",
     {"x.mdb"}},
    {"a key stored twice reads as an error",
     [](const TempDir& f) {
         storedDevices(f);
         sql(f.file("Orv3.mdb"),
             "DROP INDEX GenParmsTbl_DeviceKey; INSERT INTO GenParmsTbl (JobNumber, CtnNumber, DevStatus) "
             "VALUES ('J', 'C', 'Working');");
     },
     {"db", "read", "--db", "Orv3.mdb", "--job", "J", "--ctn", "C"},
     1,
     "Error: There is more than one record in database 'Orv3.mdb' with\nJob number: 'J'",
     {"Orv3.mdb"}},
    {"and a check against it is no match",
     [](const TempDir& f) {
         storedDevices(f);
         sql(f.file("Orv3.mdb"),
             "DROP INDEX GenParmsTbl_DeviceKey; INSERT INTO GenParmsTbl (JobNumber, CtnNumber, DevStatus) "
             "VALUES ('J', 'C', 'Working');");
     },
     {"db", "check", "--db", "Orv3.mdb", "--job", "J", "--ctn", "C"},
     1,
     "Error: There is more than one record in database 'Orv3.mdb' with\nJob number: 'J'",
     {"Orv3.mdb"}},
    {"a declined overwrite",
     [](const TempDir& f) { storedDevices(f); },
     {"db", "save", "--db", "Orv3.mdb", "--job", "J", "--ctn", "C"},
     1,
     "Question: There is already a record in the database with Job number: 'J',",
     {"Orv3.mdb"}},
    {"a copy whose overwrites are declined",
     [](const TempDir& f) {
         storedDevices(f);
         storedDevices(f, "copy.mdb");
     },
     {"db", "copy", "--db", "Orv3.mdb", "--to", "copy.mdb"},
     1,
     "Information: copy.mdb\n",
     {"copy.mdb"}},
    {"a level that is none of the five",
     [](const TempDir&) {},
     {"users", "add", "--pwdb", "PWord.mdb", "--user", "ann", "--level", "SuperDuper", "--password", "x"},
     2,
     "orvctl: unknown level 'SuperDuper': one of Customer, Test, Production, Coordinator, Engineer\n",
     {}},
    {"an Engineer without a password",
     [](const TempDir&) {},
     {"users", "add", "--pwdb", "PWord.mdb", "--user", "ann", "--level", "Engineer"},
     1,
     // Unanswered, the new password database is not made, and nothing else is.
     "Question: The database - 'PWord.mdb' - could not be opened.",
     {}},
    {"a .ppf file cut short",
     cutPpf,
     {"show", "--ppf", "cut.ppf"},
     1,
     "Error: The file has 1000 bytes, but a .ppf file of firmware 'N4 040816' has 1176 bytes.\nThe "
     "configuration file was NOT read!\n",
     {"cut.ppf"}},
    {"a settings entry whose minimum is above its maximum",
     badSettingsEntry,
     {"show"},
     0,
     "Warning: The entry 'Fix Dimension' in section [Parameters] of the settings file 'Orv3.cfg'",
     {}},
};

class OrvctlBrokenInputs : public ::testing::TestWithParam<BrokenInput> {};

TEST_P(OrvctlBrokenInputs, ExitStatusMessageAndFilesKept) {
    const BrokenInput& input = GetParam();
    TempDir folder;
    input.prepare(folder);
    if (::testing::Test::HasFatalFailure()) return;
    std::vector<std::string> before;
    for (const auto& name : input.unchanged) before.push_back(folder.read(name));

    const ProcessResult result = runOrvctl(input.args, folder.path());
    EXPECT_EQ(result.status, input.status) << result.err;
    EXPECT_EQ(result.err.rfind(input.message, 0), 0u) << result.err;
    for (std::size_t i = 0; i < input.unchanged.size(); ++i) {
        EXPECT_EQ(folder.read(input.unchanged[i]), before[i]) << input.unchanged[i] << " changed";
    }
    // Usage errors create nothing.
    if (input.status == 2) {
        EXPECT_FALSE(std::filesystem::exists(folder.file("PWord.mdb")));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OrvctlBrokenInputs, ::testing::ValuesIn(kBrokenInputs), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// One operation, one message: a declined copy counts what it did not copy.
TEST(OrvctlDeclined, ACopyWithoutYesCountsNothingAsCopied) {
    TempDir folder;
    storedDevices(folder);
    storedDevices(folder, "copy.mdb");
    const ProcessResult copy =
        runOrvctl({"db", "copy", "--db", "Orv3.mdb", "--to", "copy.mdb"}, folder.path());
    EXPECT_EQ(copy.status, 1);
    EXPECT_EQ(copy.out,
              "0 devices copied, 0 failed, 3 not copied\nnot copied\tDefault\tDefault\tWorking\nnot "
              "copied\tJ\tC\tWorking\nnot copied\tK\tC\tWorking\n");
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// New databases are closed to other users; an existing file keeps its own mode.
TEST(OrvctlDatabaseFiles, NewFilesAreOwnerAndGroupOnlyAndExistingModesStay) {
    TempDir folder;
    ASSERT_EQ(runOrvctl({"users", "add", "--pwdb", "PWord.mdb", "--user", "ann", "--level", "Engineer",
                         "--password", "words", "--yes"},
                        folder.path())
                  .status,
              0);
    storedDevices(folder);
    EXPECT_EQ(modeOf(folder.file("PWord.mdb")), 0640u);
    EXPECT_EQ(modeOf(folder.file("Orv3.mdb")), 0640u);
    ASSERT_EQ(::chmod(folder.file("Orv3.mdb").c_str(), 0600), 0);
    ASSERT_EQ(
        runOrvctl({"db", "save", "--db", "Orv3.mdb", "--job", "L", "--ctn", "C", "--yes"}, folder.path())
            .status,
        0);
    EXPECT_EQ(modeOf(folder.file("Orv3.mdb")), 0600u);
    // A Customer needs no password; the others' passwords are checked on login.
    // Adding a user takes an Engineer's login.
    setenv("ORV_LOGIN_PASSWORD", "words", 1);
    EXPECT_EQ(runOrvctl({"users", "add", "--pwdb", "PWord.mdb", "--user", "bob", "--login", "ann", "--yes"},
                        folder.path())
                  .status,
              0);
}

}  // namespace
}  // namespace orv::test
