// The password database and the login, change-password and maintenance logic.

#include "dialogs/login_controllers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "app/format_text.h"
#include "db/db_messages.h"
#include "db/password_db.h"
#include "db/service_account.h"
#include "db_test_support.h"
#include "model/access.h"

namespace orv::test {
namespace {

constexpr const char* kServicePassword = "lighthouse mountains";

class PasswordTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        if (!stores.available(GetParam())) GTEST_SKIP() << kPostgresSkipHelp;
        db.hashCost = kLowestHashCost;
        path = stores.fresh(GetParam(), "PWord.mdb");
        db.setPath(path);
        presenter.answer(kAnswerYes);  // create the file
        ASSERT_EQ(db.saveUser("Eve", "engineer pw", "Engineer", true), DbResult::Ok);
        ASSERT_EQ(db.saveUser("Carl", "unused", "Customer", true), DbResult::Ok);
        ASSERT_EQ(db.saveUser("Tess", "", "Test", true), DbResult::Ok);
        ASSERT_EQ(db.saveUser("Odd", "odd pw", "Admin", true), DbResult::Ok);
        presenter.clear();
    }

    // Logs in as the dialog does when OK is pressed; true when it closed.
    bool login(const std::string& name, const std::string& password) {
        UserLoginController controller(db, log);
        controller.open("User", kMaskCustomer);
        controller.nameLeft(name);
        const bool closed = controller.ok(name, password);
        code = controller.user.mask;
        passwordField = controller.passwordEnabled;
        return closed;
    }

    TempDir dir;
    TestStores stores{dir};
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    PasswordDb db{log};
    std::string path;
    int code = 0;
    bool passwordField = false;
};

TEST_P(PasswordTest, TheDatabaseHoldsHashesAndNeverAPasswordInClear) {
    std::string bytes = isServerUri(path) ? "" : dir.read("PWord.mdb");
    for (const auto& row : rawQuery(path, "SELECT * FROM PwdTbl"))
        for (const auto& value : row) bytes += value + "\n";
    ASSERT_NE(bytes.find("Eve"), std::string::npos);
    EXPECT_EQ(bytes.find("engineer pw"), std::string::npos);
    EXPECT_EQ(bytes.find("odd pw"), std::string::npos);
    EXPECT_EQ(rawScalar(path, "SELECT substr(PwdPassword, 1, 9) FROM PwdTbl WHERE PwdUser = 'Eve'"),
              "$argon2id");
    bool unique = true;
    EXPECT_EQ(indexColumns(path, "PwdTbl_MainOrder", &unique), (std::vector<std::string>{"PwdUser"}));
}

TEST_P(PasswordTest, LoginLevelsFollowTheStoredUser) {
    EXPECT_TRUE(login("Stranger", ""));
    EXPECT_EQ(code, kMaskCustomer);
    EXPECT_FALSE(passwordField) << "an unknown user needs no password";

    EXPECT_TRUE(login("carl", "")) << "a Customer with a password still needs none";
    EXPECT_EQ(code, kMaskCustomer);
    EXPECT_FALSE(passwordField);

    EXPECT_FALSE(login("Tess", "x"));
    EXPECT_EQ(presenter.last().text, "Incorrect password, please try again.");
    EXPECT_TRUE(login("Tess", ""));
    EXPECT_EQ(code, kMaskTest);

    EXPECT_FALSE(login("Odd", ""));
    EXPECT_TRUE(login("Odd", "odd pw")) << "an unknown level name must still give the password";
    EXPECT_EQ(code, kMaskCustomer);

    EXPECT_FALSE(login("Eve", "wrong"));
    EXPECT_TRUE(login("EVE", "engineer pw"));
    EXPECT_EQ(code, kMaskEngineer);
    EXPECT_TRUE(passwordField);
}

// The service account's password is the one set on this installation, in a
// file only root can write; the tests point the program at a file of their own.
class ServiceAccountFile {
public:
    explicit ServiceAccountFile(const TempDir& dir) : path(dir.file("etc/service-account")) {
        setenv("ORV_SERVICE_ACCOUNT_FILE", path.c_str(), 1);
    }
    ~ServiceAccountFile() { unsetenv("ORV_SERVICE_ACCOUNT_FILE"); }
    ServiceAccountFile(const ServiceAccountFile&) = delete;
    ServiceAccountFile& operator=(const ServiceAccountFile&) = delete;
    std::string path;
};

TEST_P(PasswordTest, ServiceAccountIsDisabledUntilItsPasswordIsSetThenOnlyAnAdministratorsFileCounts) {
    if (geteuid() != 0) GTEST_SKIP() << "setting the service password needs root";
    ServiceAccountFile service(dir);
    EXPECT_FALSE(login(kServiceAccountName, "")) << "no password set: no way in, not even an empty one";
    EXPECT_EQ(presenter.last().text, kServiceAccountDisabled);
    EXPECT_FALSE(login(kServiceAccountName, kServicePassword));

    ASSERT_EQ(storeServicePassword(service.path, kServicePassword, kLowestHashCost, log), 0);
    EXPECT_EQ(dir.read("etc/service-account").find(kServicePassword), std::string::npos);
    EXPECT_EQ(dir.read("etc/service-account").rfind("$argon2id", 0), 0u);
    EXPECT_TRUE(login(kServiceAccountName, kServicePassword));
    EXPECT_EQ(code, kMaskEngineer);
    EXPECT_FALSE(login(kServiceAccountName, "another"));
    EXPECT_EQ(presenter.last().text, "Incorrect password, please try again.");

    // A file that others may write could hold anybody's hash.
    ::chmod(service.path.c_str(), 0666);
    EXPECT_FALSE(login(kServiceAccountName, kServicePassword));
    EXPECT_EQ(presenter.last().text, kServiceAccountDisabled);
    ::chmod(service.path.c_str(), 0644);
    ASSERT_EQ(::chown(service.path.c_str(), 1, 1), 0);
    EXPECT_FALSE(login(kServiceAccountName, kServicePassword)) << "not owned by root";
}

TEST_P(PasswordTest, ServiceAccountNameCaseRules) {
    if (geteuid() != 0) GTEST_SKIP() << "setting the service password needs root";
    ServiceAccountFile service(dir);
    ASSERT_EQ(storeServicePassword(service.path, kServicePassword, kLowestHashCost, log), 0);
    EXPECT_TRUE(login(kServiceAccountName, kServicePassword));
    EXPECT_EQ(code, kMaskEngineer);
    EXPECT_TRUE(passwordField);

    // Another letter case: the field stays disabled, but OK still takes the name
    // as the service account, so the empty field fails.
    EXPECT_FALSE(login("KEYSTONE", ""));
    EXPECT_FALSE(passwordField);
    EXPECT_EQ(presenter.last().text, "Incorrect password, please try again.");
    EXPECT_TRUE(login("keystone", kServicePassword));
    EXPECT_FALSE(login(kServiceAccountName, "Lighthouse mountains")) << "the password compares exactly";
}

TEST_P(PasswordTest, OnlyEngineersSeeTheUserListButton) {
    UserLoginController controller(db, log);
    controller.open("Eve", kMaskEngineer);
    EXPECT_TRUE(controller.maintainUsersShown);
    EXPECT_TRUE(controller.focusPassword);
    controller.open("Eve", kMaskCoordinator);
    EXPECT_FALSE(controller.maintainUsersShown);
}

TEST_P(PasswordTest, ChangePasswordChecksTheOldOneAndTheRepeat) {
    ChangePasswordController change(db, log);
    EXPECT_FALSE(change.open("Nobody"));
    EXPECT_EQ(presenter.last().text, dbtext::kUserNotInList);

    ASSERT_TRUE(change.open("eve"));
    EXPECT_FALSE(change.ok("bad", "new one", "new one"));
    EXPECT_EQ(presenter.last().text, "The Old Password is incorrect, please try again.");
    EXPECT_FALSE(change.ok("engineer pw", "new one", "new two"));
    EXPECT_EQ(presenter.last().text, "The New Password does not match the repeat check, please try again.");
    EXPECT_TRUE(change.ok("engineer pw", "new one", "new one"));
    EXPECT_EQ(presenter.last().text, "The Password has been changed.");
    EXPECT_TRUE(login("Eve", "new one"));
    EXPECT_EQ(code, kMaskEngineer) << "the level is kept";
}

TEST_P(PasswordTest, MaintenanceUpdateAsksAndClearsThePassword) {
    VectorChoiceList names;
    VectorChoiceList levels;
    PasswordMaintenanceController maintenance(db, log, names, levels);
    maintenance.open("Eve");
    EXPECT_EQ(levels.entries,
              (std::vector<std::string>{"Customer", "Test", "Production", "Coordinator", "Engineer"}));
    EXPECT_EQ(selectedEntry(names), "Eve");
    EXPECT_EQ(selectedEntry(levels), "Engineer");

    presenter.clear();
    presenter.answer(kAnswerYes);
    maintenance.update("Eve", "Coordinator");
    EXPECT_EQ(presenter.boxes.at(0).text,
              "There is already a user in the list with name: 'Eve'\nDo you want to overwrite it?");
    EXPECT_TRUE(login("Eve", ""));
    EXPECT_EQ(code, kMaskCoordinator);

    presenter.answer(kAnswerYes);
    maintenance.clearPassword("Odd");
    EXPECT_EQ(presenter.last().text, "The password for 'Odd' has been cleared to ''");
    EXPECT_TRUE(login("Odd", ""));
    presenter.answer(kAnswerNo);
    maintenance.clearPassword("Odd");
    EXPECT_EQ(presenter.last().text, "The password for 'Odd' has NOT been changed");
}

TEST_P(PasswordTest, MaintenanceOffersNewUsersAndNamesTheUserWhenDeleting) {
    VectorChoiceList names;
    VectorChoiceList levels;
    PasswordMaintenanceController maintenance(db, log, names, levels);
    maintenance.open("Eve");  // shows Eve's level, "Engineer"
    presenter.clear();
    presenter.answer(kAnswerYes);
    maintenance.nameChanged("Newbie");
    EXPECT_EQ(presenter.boxes.at(0).text,
              "There is no record in the database for user 'Newbie'.\nDo you want to create a new user?");
    EXPECT_EQ(presenter.last().text, formatText(dbtext::kNewUserCreated, "Newbie", "Engineer"))
        << "created with the level shown, and no password in the message";
    EXPECT_EQ(selectedEntry(names), "Newbie");

    presenter.answer(kAnswerNo);
    maintenance.remove("Newbie");
    EXPECT_EQ(presenter.last().text, "'Newbie' was NOT deleted from the password list.");
    presenter.answer(kAnswerYes);
    maintenance.remove("Newbie");
    EXPECT_EQ(presenter.last().text, "'Newbie' has been deleted from the password list.");
    EXPECT_EQ(names.count(), 4);
}

TEST_P(PasswordTest, ARefusedRowLeavesTheUserAsItWas) {
    EXPECT_EQ(db.saveUser("Eve", "x", std::string(26, 'L'), true), DbResult::Failed);
    EXPECT_EQ(presenter.last().text.rfind("Couldn't save database -- Exception: ", 0), 0u);
    EXPECT_TRUE(login("Eve", "engineer pw"));
    EXPECT_EQ(db.saveUser("Eve", std::string(26, 'p'), "Engineer", true), DbResult::Failed);
    EXPECT_EQ(db.saveUser("", "x", "Engineer", true), DbResult::Failed);
    EXPECT_EQ(presenter.last().text, dbtext::kUserNameMissing);
}

TEST_P(PasswordTest, ADeclinedFileMakesEveryLoginACustomerOrTheServiceAccount) {
    db.setPath(stores.fresh(GetParam(), "missing.mdb"));
    presenter.defaultQuestionAnswer = kAnswerNo;
    EXPECT_TRUE(login("Eve", ""));
    EXPECT_EQ(code, kMaskCustomer);
    std::vector<std::string> users;
    EXPECT_EQ(db.listUsers(users), DbResult::Failed);
    EXPECT_TRUE(users.empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, PasswordTest, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

TEST(AccessLevels, CodesAndRights) {
    EXPECT_EQ(storedLevelMask("Engineer"), 136);
    EXPECT_EQ(storedLevelMask("Coordinator"), 34);
    EXPECT_EQ(storedLevelMask("Production"), 68);
    EXPECT_EQ(storedLevelMask("Test"), 768);
    EXPECT_EQ(storedLevelMask("engineer"), 17);
    EXPECT_TRUE(mayChangeSignedOffDevice(kMaskCoordinator) && !mayChangeSignedOffDevice(kMaskTest));
    EXPECT_TRUE(mayChangeDefaultJob(kMaskEngineer) && !mayChangeDefaultJob(kMaskCoordinator));
    EXPECT_FALSE(mayMaintainUsers(kMaskTest));
}

}  // namespace
}  // namespace orv::test
