#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "dialogs/login_controllers.h"
#include "modal_runner.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

// "User Login": the name, the password where the user needs one, and the
// buttons to the password dialogs. The controller decides; the dialog shows.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    LoginDialog(PasswordDb& passwords, MessageLog& log, ModalRunner& runner, const std::string& currentUser,
                int currentCode, QWidget* parent = nullptr);

    // The login OK accepted.
    const LoggedInUser& user() const { return controller.user; }

    QLineEdit* nameEdit() const { return name; }
    QLineEdit* passwordEdit() const { return password; }
    QPushButton* maintainButton() const { return maintain; }
    QPushButton* changePasswordButton() const { return changePassword; }

    // OK pressed: closes when the controller accepts the login.
    void tryAccept();
    // The Name edit lost the focus.
    void nameLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showState();

    PasswordDb& passwords;
    MessageLog& log;
    ModalRunner& runner;
    UserLoginController controller;
    QLineEdit* name;
    QLineEdit* password;
    QLabel* passwordLabel;
    QPushButton* maintain;
    QPushButton* changePassword;
};

// "Change Password" for one user.
class ChangePasswordDialog : public QDialog {
    Q_OBJECT
public:
    ChangePasswordDialog(PasswordDb& passwords, MessageLog& log, QWidget* parent = nullptr);

    // false: the user is not in the list (the dialog is then not shown).
    bool open(const std::string& user);
    void tryAccept();

    QLineEdit* oldEdit() const { return oldPassword; }
    QLineEdit* newEdit() const { return newPassword; }
    QLineEdit* repeatEdit() const { return repeat; }

private:
    ChangePasswordController controller;
    QLineEdit* oldPassword;
    QLineEdit* newPassword;
    QLineEdit* repeat;
};

class ComboChoiceList;

// "Password Maintenance": the users and their levels.
class PasswordMaintenanceDialog : public QDialog {
    Q_OBJECT
public:
    PasswordMaintenanceDialog(PasswordDb& passwords, MessageLog& log, const std::string& user = "",
                              QWidget* parent = nullptr);
    ~PasswordMaintenanceDialog() override;

    QComboBox* nameCombo() const { return names; }
    QComboBox* levelCombo() const { return levels; }
    void update();
    void remove();
    void clearPassword();
    void nameChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLevelText();

    QComboBox* names;
    QComboBox* levels;
    std::unique_ptr<ComboChoiceList> nameList;
    std::unique_ptr<ComboChoiceList> levelList;
    std::unique_ptr<PasswordMaintenanceController> controller;
};

}  // namespace orv
