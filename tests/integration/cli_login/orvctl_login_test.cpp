// orvctl logins end to end: who may set what, passwords from the environment
// only, the users commands and the service account of the installation.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

// ORV_PASSWORD (or another variable) for the programs started while it lives.
class PasswordVariable {
public:
    explicit PasswordVariable(const char* password, const char* variable = "ORV_PASSWORD") : name(variable) {
        setenv(name, password, 1);
    }
    ~PasswordVariable() { unsetenv(name); }
    PasswordVariable(const PasswordVariable&) = delete;
    PasswordVariable& operator=(const PasswordVariable&) = delete;

private:
    const char* name;
};

class OrvctlLogin : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* variable : {"ORV_PASSWORD", "ORV_LOGIN_PASSWORD", "ORV_OLD_PASSWORD"})
            unsetenv(variable);
        PasswordVariable password("engineer pw");
        // The first Engineer of an empty list is the one user added without a login.
        const auto added =
            run({"users", "add", "--pwdb", "PWord.mdb", "--user", "Eve", "--level", "Engineer", "--yes"});
        ASSERT_EQ(added.status, 0) << added.err;
        ASSERT_EQ(added.err.find("deprecated"), std::string::npos);
        ASSERT_NE(added.err.find("'Eve' is its first Engineer, added without a login"), std::string::npos)
            << added.err;
    }
    ProcessResult run(std::vector<std::string> args) { return runOrvctl(args, folder.path().string()); }
    ProcessResult showAs(const std::string& user, const std::string& set) {
        return run({"show", "--json", "--user", user, "--pwdb", "PWord.mdb", "--set", set});
    }
    TempDir folder;
};

TEST_F(OrvctlLogin, RightAndWrongPasswordsAndNoPasswordWithoutATerminal) {
    {
        PasswordVariable right("engineer pw");
        const auto shown = showAs("eve", "FactSysCTN=AB12");
        EXPECT_EQ(shown.status, 0) << shown.err;
        EXPECT_NE(shown.out.find("\"FactSysCTN\": \"AB12\""), std::string::npos) << shown.out;
    }
    {
        PasswordVariable wrong("engineer PW");
        const auto refused = showAs("Eve", "ElevAngle=15");
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("Incorrect password, please try again."), std::string::npos)
            << refused.err;
        EXPECT_TRUE(refused.out.empty());
    }
    // Standard input is no terminal and no variable is set: nobody is asked, nothing is done.
    const auto none = showAs("Eve", "ElevAngle=15");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("ORV_PASSWORD"), std::string::npos) << none.err;
    EXPECT_TRUE(none.out.empty());
}

TEST_F(OrvctlLogin, ACustomerIsRefusedAnEngineerOnlyParameterAndRawIsForAnEngineerOnly) {
    for (const auto& refused :
         {run({"show", "--set", "FactSysCTN=AB12"}), showAs("Walk-in", "FactSysCTN=AB12"),
          run({"show", "--set", "BeaconRate=1"})}) {
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find("cannot be changed at the Customer level"), std::string::npos)
            << refused.err;
        EXPECT_TRUE(refused.out.empty());
    }
    EXPECT_NE(run({"show", "--set", "BeaconRate=1"}).err.find("'BeaconRate'"), std::string::npos);
    const auto open = run({"show", "--json", "--set", "ElevAngle=15"});
    EXPECT_EQ(open.status, 0) << open.err;
    // (straight to the program: the tests' runOrvctl would log its Engineer in for --raw)
    const auto customerRaw =
        runProcess(std::string(ORV_BIN_DIR) + "/orvctl", {"show", "--json", "--raw", "FactSysCTN=AB12"},
                   folder.path().string());
    EXPECT_EQ(customerRaw.status, 2);
    EXPECT_NE(
        customerRaw.err.find("--raw stores values unchecked, for tests and repairs, and needs an Engineer "
                             "login: user 'User' has the access level Customer"),
        std::string::npos)
        << customerRaw.err;
    EXPECT_TRUE(customerRaw.out.empty());
    PasswordVariable engineer("engineer pw");
    const auto raw =
        run({"show", "--json", "--user", "Eve", "--pwdb", "PWord.mdb", "--raw", "FactSysCTN=AB12"});
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_NE(raw.out.find("\"FactSysCTN\": \"AB12\""), std::string::npos);
}

TEST_F(OrvctlLogin, UsersTakeThePasswordFromTheEnvironmentAndNeverStoreAnEmptyOne) {
    PasswordVariable engineer("engineer pw", "ORV_LOGIN_PASSWORD");
    const auto missing = run(
        {"users", "add", "--pwdb", "PWord.mdb", "--user", "Pat", "--level", "Production", "--login", "Eve"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("needs a password"), std::string::npos) << missing.err;
    EXPECT_EQ(run({"users", "list", "--pwdb", "PWord.mdb"}).out, "Eve\tEngineer\n");
    EXPECT_EQ(run({"users", "passwd", "--pwdb", "PWord.mdb", "--user", "Eve"}).status, 1);

    const auto alias = run({"users", "add", "--pwdb", "PWord.mdb", "--user", "Pat", "--level", "Production",
                            "--password", "pat pw", "--login", "Eve", "--yes"});
    EXPECT_EQ(alias.status, 0) << alias.err;
    EXPECT_NE(alias.err.find("--password is deprecated"), std::string::npos) << alias.err;
    EXPECT_EQ(folder.read("PWord.mdb").find("pat pw"), std::string::npos);
    PasswordVariable patPassword("pat pw");
    EXPECT_EQ(showAs("Pat", "ElevAngle=15").status, 0);
}

// Nobody below Engineer maintains the list; one's own password takes the old one.
TEST_F(OrvctlLogin, OnlyAnEngineerMaintainsTheUsersAndAnOwnPasswordNeedsTheOldOne) {
    const std::string list = "Eve\tEngineer\n";
    {
        PasswordVariable mallory("mallory pw");
        for (const auto& refused :
             {run({"users", "add", "--pwdb", "PWord.mdb", "--user", "Mal", "--level", "Engineer"}),
              run({"users", "delete", "--pwdb", "PWord.mdb", "--user", "Eve"})}) {
            EXPECT_EQ(refused.status, 2);
            EXPECT_NE(refused.err.find("needs an Engineer login: --login NAME"), std::string::npos)
                << refused.err;
        }
        EXPECT_EQ(run({"users", "list", "--pwdb", "PWord.mdb"}).out, list);
        // Eve's password without the old one: refused, Eve keeps hers.
        const auto taken = run({"users", "passwd", "--pwdb", "PWord.mdb", "--user", "Eve"});
        EXPECT_EQ(taken.status, 1);
        EXPECT_NE(taken.err.find("asks for the old one: set ORV_OLD_PASSWORD"), std::string::npos)
            << taken.err;
        PasswordVariable guessed("guess", "ORV_OLD_PASSWORD");
        const auto wrong = run({"users", "passwd", "--pwdb", "PWord.mdb", "--user", "Eve"});
        EXPECT_EQ(wrong.status, 1);
        EXPECT_NE(wrong.err.find("The Old Password is incorrect, please try again."), std::string::npos)
            << wrong.err;
    }
    {
        PasswordVariable old("engineer pw", "ORV_OLD_PASSWORD");
        PasswordVariable fresh("new engineer pw");
        const auto changed = run({"users", "passwd", "--pwdb", "PWord.mdb", "--user", "Eve"});
        EXPECT_EQ(changed.status, 0) << changed.err;
        EXPECT_NE(changed.err.find("The Password has been changed."), std::string::npos) << changed.err;
        EXPECT_EQ(showAs("Eve", "FactSysCTN=AB12").status, 0);
    }
    // A Production user is no maintainer; the Engineer is, and may give a password without the old one.
    {
        PasswordVariable login("new engineer pw", "ORV_LOGIN_PASSWORD");
        PasswordVariable pat("pat pw");
        ASSERT_EQ(run({"users", "add", "--pwdb", "PWord.mdb", "--user", "Pat", "--level", "Production",
                       "--login", "Eve"})
                      .status,
                  0);
    }
    {
        PasswordVariable login("pat pw", "ORV_LOGIN_PASSWORD");
        PasswordVariable mallory("mallory pw");
        const auto refused = run({"users", "add", "--pwdb", "PWord.mdb", "--user", "Mal", "--level",
                                  "Engineer", "--login", "Pat"});
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(
            refused.err.find("'users add' is for an Engineer: user 'Pat' has the access level Production"),
            std::string::npos)
            << refused.err;
    }
    PasswordVariable login("new engineer pw", "ORV_LOGIN_PASSWORD");
    PasswordVariable reset("pat new pw");
    EXPECT_EQ(run({"users", "passwd", "--pwdb", "PWord.mdb", "--user", "Pat", "--login", "Eve"}).status, 0);
    EXPECT_EQ(run({"users", "delete", "--pwdb", "PWord.mdb", "--user", "Pat", "--login", "Eve"}).status, 0);
    EXPECT_EQ(run({"users", "list", "--pwdb", "PWord.mdb"}).out, list);
}

TEST(OrvctlFirstUser, OnlyAnEngineerIsAddedToAListWithNoUserWithoutALogin) {
    TempDir folder;
    setenv("ORV_PASSWORD", "first pw", 1);
    const auto customer =
        runOrvctl({"users", "add", "--pwdb", "PWord.mdb", "--user", "Cy", "--level", "Coordinator", "--yes"},
                  folder.path().string());
    EXPECT_EQ(customer.status, 2);
    EXPECT_NE(customer.err.find("its first user, added without a login, must be an Engineer"),
              std::string::npos)
        << customer.err;
    EXPECT_EQ(runOrvctl({"users", "list", "--pwdb", "PWord.mdb"}, folder.path().string()).out, "");
    unsetenv("ORV_PASSWORD");
}

// A name another program stored with a trailing blank lists without it, and
// the lookup by the listed name finds nobody: the list says so and fails.
TEST_F(OrvctlLogin, AUserWhoseLevelCannotBeReadFailsTheList) {
    sqlite3* file = nullptr;
    ASSERT_EQ(sqlite3_open((folder.path() / "PWord.mdb").c_str(), &file), SQLITE_OK);
    const int inserted = sqlite3_exec(
        file, "INSERT INTO PwdTbl (PwdUser, PwdPassword, PwdAccessLevel) VALUES ('Ann ', '', 'Test')",
        nullptr, nullptr, nullptr);
    sqlite3_close(file);
    ASSERT_EQ(inserted, SQLITE_OK);
    const auto listed = run({"users", "list", "--pwdb", "PWord.mdb"});
    EXPECT_EQ(listed.status, 1);
    EXPECT_EQ(listed.out, "Ann\t\nEve\tEngineer\n");
    EXPECT_NE(listed.err.find("the level of user 'Ann' could not be read"), std::string::npos) << listed.err;
}

TEST_F(OrvctlLogin, TheServiceAccountIsDisabledUntilAnAdministratorSetsItsPassword) {
    if (geteuid() != 0) GTEST_SKIP() << "only root may set the service password";
    const std::string file = folder.file("etc/service-account");
    setenv("ORV_SERVICE_ACCOUNT_FILE", file.c_str(), 1);
    PasswordVariable password("support words");
    const auto disabled = showAs("Keystone", "FactSysCTN=AB12");
    EXPECT_EQ(disabled.status, 1);
    EXPECT_NE(disabled.err.find("The service account is disabled"), std::string::npos) << disabled.err;

    const auto set = run({"users", "service-password"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(folder.read("etc/service-account").find("support words"), std::string::npos);
    const auto engineer = showAs("Keystone", "FactSysCTN=AB12");
    EXPECT_EQ(engineer.status, 0) << engineer.err;
    EXPECT_NE(engineer.out.find("\"FactSysCTN\": \"AB12\""), std::string::npos) << engineer.out;
    unsetenv("ORV_SERVICE_ACCOUNT_FILE");
}

}  // namespace
}  // namespace orv::test
