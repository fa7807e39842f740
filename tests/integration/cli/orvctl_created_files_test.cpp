// orvctl says on stderr when it creates a database file, and only then.

#include <gtest/gtest.h>

#include <string>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

TEST(OrvctlCreatedFiles, ANewDatabaseFileIsAnnouncedOnceAndADeclinedOneNotAtAll) {
    TempDir folder;
    const std::string where = folder.path().string();
    const std::string created = "Information: The database file 'new.mdb' was created.\n";

    const auto first =
        runOrvctl({"db", "save", "--db", "new.mdb", "--job", "P1", "--ctn", "1", "--yes"}, where);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.err.find(created), std::string::npos) << first.err;

    const auto second =
        runOrvctl({"db", "save", "--db", "new.mdb", "--job", "P1", "--ctn", "2", "--yes"}, where);
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.err.find("was created"), std::string::npos) << second.err;

    const auto declined = runOrvctl({"db", "list", "--db", "none.mdb", "--no"}, where);
    EXPECT_EQ(declined.status, 1);
    EXPECT_EQ(declined.err.find("was created"), std::string::npos) << declined.err;

    const auto users = runOrvctl({"users", "list", "--pwdb", "PWord.mdb", "--yes"}, where);
    EXPECT_EQ(users.status, 0) << users.err;
    EXPECT_NE(users.err.find("Information: The database file 'PWord.mdb' was created.\n"), std::string::npos)
        << users.err;
}

}  // namespace
}  // namespace orv::test
