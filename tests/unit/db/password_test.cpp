// The password database and the login, change-password and maintenance logic.

#include "app/format_text.h"
#include "db/access_levels.h"
#include "db/db_messages.h"
#include "db/login_controllers.h"
#include "db/password_db.h"
#include "db_test_support.h"

namespace orv::test {
namespace {

constexpr const char* kServicePassword = "lighthouse mountains";

class PasswordTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.hashCost = kLowestHashCost;
        path = dir.file("PWord.mdb");
        db.setPath(path);
        presenter.answer(kAnswerYes);  // create the file
        ASSERT_EQ(db.saveUser("Eve", "engineer pw", "Engineer", true), 0);
        ASSERT_EQ(db.saveUser("Carl", "unused", "Customer", true), 0);
        ASSERT_EQ(db.saveUser("Tess", "", "Test", true), 0);
        ASSERT_EQ(db.saveUser("Odd", "odd pw", "Admin", true), 0);
        presenter.clear();
    }

    // Logs in as the dialog does when OK is pressed; true when it closed.
    bool login(const std::string& name, const std::string& password) {
        UserLoginController controller(db, log);
        controller.open("User", kCustomerCode);
        controller.nameLeft(name);
        const bool closed = controller.ok(name, password);
        code = controller.levelCode;
        passwordField = controller.passwordEnabled;
        return closed;
    }

    TempDir dir;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    PasswordDb db{log};
    std::string path;
    int code = 0;
    bool passwordField = false;
};

TEST_F(PasswordTest, TheFileHoldsHashesAndNeverAPasswordInClear) {
    const std::string bytes = dir.read("PWord.mdb");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find("engineer pw"), std::string::npos);
    EXPECT_EQ(bytes.find("odd pw"), std::string::npos);
    EXPECT_EQ(rawScalar(path, "SELECT substr(PwdPassword, 1, 9) FROM PwdTbl WHERE PwdUser = 'Eve'"),
              "$argon2id");
    EXPECT_EQ(rawQuery(path, "SELECT name FROM pragma_index_info('PwdTbl_MainOrder')"),
              (std::vector<std::vector<std::string>>{{"PwdUser"}}));
}

TEST_F(PasswordTest, LoginLevelsFollowTheStoredUser) {
    EXPECT_TRUE(login("Stranger", ""));
    EXPECT_EQ(code, kCustomerCode);
    EXPECT_FALSE(passwordField) << "an unknown user needs no password";

    EXPECT_TRUE(login("carl", "")) << "a Customer with a password still needs none";
    EXPECT_EQ(code, kCustomerCode);
    EXPECT_FALSE(passwordField);

    EXPECT_FALSE(login("Tess", "x"));
    EXPECT_EQ(presenter.last().text, "Incorrect password, please try again.");
    EXPECT_TRUE(login("Tess", ""));
    EXPECT_EQ(code, kTestCode);

    EXPECT_FALSE(login("Odd", ""));
    EXPECT_TRUE(login("Odd", "odd pw")) << "an unknown level name must still give the password";
    EXPECT_EQ(code, kCustomerCode);

    EXPECT_FALSE(login("Eve", "wrong"));
    EXPECT_TRUE(login("EVE", "engineer pw"));
    EXPECT_EQ(code, kEngineerCode);
    EXPECT_TRUE(passwordField);
}

TEST_F(PasswordTest, ServiceAccountNameCaseRules) {
    EXPECT_TRUE(login(kServiceAccountName, kServicePassword));
    EXPECT_EQ(code, kEngineerCode);
    EXPECT_TRUE(passwordField);

    // Another letter case: the field stays disabled, but OK still takes the name
    // as the service account, so the empty field fails.
    EXPECT_FALSE(login("KEYSTONE", ""));
    EXPECT_FALSE(passwordField);
    EXPECT_EQ(presenter.last().text, "Incorrect password, please try again.");
    EXPECT_TRUE(login("keystone", kServicePassword));
    EXPECT_FALSE(login(kServiceAccountName, "Lighthouse mountains")) << "the password compares exactly";
}

TEST_F(PasswordTest, OnlyEngineersSeeTheUserListButton) {
    UserLoginController controller(db, log);
    controller.open("Eve", kEngineerCode);
    EXPECT_TRUE(controller.maintainUsersShown);
    EXPECT_TRUE(controller.focusPassword);
    controller.open("Eve", kCoordinatorCode);
    EXPECT_FALSE(controller.maintainUsersShown);
}

TEST_F(PasswordTest, ChangePasswordChecksTheOldOneAndTheRepeat) {
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
    EXPECT_EQ(code, kEngineerCode) << "the level is kept";
}

TEST_F(PasswordTest, MaintenanceUpdateAsksAndClearsThePassword) {
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
    EXPECT_EQ(code, kCoordinatorCode);

    presenter.answer(kAnswerYes);
    maintenance.clearPassword("Odd");
    EXPECT_EQ(presenter.last().text, "The password for 'Odd' has been cleared to ''");
    EXPECT_TRUE(login("Odd", ""));
    presenter.answer(kAnswerNo);
    maintenance.clearPassword("Odd");
    EXPECT_EQ(presenter.last().text, "The password for 'Odd' has NOT been changed");
}

TEST_F(PasswordTest, MaintenanceOffersNewUsersAndNamesTheUserWhenDeleting) {
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

TEST_F(PasswordTest, ARefusedRowLeavesTheUserAsItWas) {
    EXPECT_EQ(db.saveUser("Eve", "x", std::string(26, 'L'), true), 1);
    EXPECT_EQ(presenter.last().text.rfind("Couldn't save database -- Exception: ", 0), 0u);
    EXPECT_TRUE(login("Eve", "engineer pw"));
    EXPECT_EQ(db.saveUser("Eve", std::string(26, 'p'), "Engineer", true), 1);
    EXPECT_EQ(db.saveUser("", "x", "Engineer", true), 1);
    EXPECT_EQ(presenter.last().text, dbtext::kUserNameMissing);
}

TEST_F(PasswordTest, ADeclinedFileMakesEveryLoginACustomerOrTheServiceAccount) {
    db.setPath(dir.file("missing.mdb"));
    presenter.defaultQuestionAnswer = kAnswerNo;
    EXPECT_TRUE(login("Eve", ""));
    EXPECT_EQ(code, kCustomerCode);
    std::vector<std::string> users;
    EXPECT_EQ(db.listUsers(users), 1);
    EXPECT_TRUE(users.empty());
}

TEST(AccessLevels, CodesAndRights) {
    EXPECT_EQ(accessCodeForLevel("Engineer"), 136);
    EXPECT_EQ(accessCodeForLevel("Coordinator"), 34);
    EXPECT_EQ(accessCodeForLevel("Production"), 68);
    EXPECT_EQ(accessCodeForLevel("Test"), 768);
    EXPECT_EQ(accessCodeForLevel("engineer"), 17);
    EXPECT_TRUE(canSignOff(kCoordinatorCode) && canSignOff(kEngineerCode) && !canSignOff(kProductionCode));
    EXPECT_TRUE(canSaveProgrammed(kEngineerCode) && !canSaveProgrammed(kCoordinatorCode));
    EXPECT_TRUE(canChangeSignedOffDevice(kCoordinatorCode) && !canChangeSignedOffDevice(kTestCode));
    EXPECT_TRUE(canChangeDefaultJob(kEngineerCode) && !canChangeDefaultJob(kCoordinatorCode));
    EXPECT_FALSE(canMaintainUsers(kTestCode));
}

}  // namespace
}  // namespace orv::test
