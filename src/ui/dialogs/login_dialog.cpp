#include "dialogs/login_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/access.h"
#include "widgets/combo_choice_list.h"

namespace orv {

namespace {

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* maskedEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

}  // namespace

LoginDialog::LoginDialog(PasswordDb& passwords, MessageLog& log, ModalRunner& runner,
                         const std::string& currentUser, int currentCode, QWidget* parent)
    : QDialog(parent),
      passwords(passwords),
      log(log),
      runner(runner),
      controller(passwords, log),
      name(new QLineEdit(this)),
      password(maskedEdit(this)),
      passwordLabel(new QLabel("Password:", this)),
      maintain(new QPushButton("Maintain User List", this)),
      changePassword(new QPushButton("Change Pwd", this)) {
    setWindowTitle("User Login");
    auto* form = new QFormLayout;
    form->addRow("Name:", name);
    form->addRow(passwordLabel, password);
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {maintain, ok, changePassword, cancel}) row->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(row);

    connect(ok, &QPushButton::clicked, this, &LoginDialog::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(maintain, &QPushButton::clicked, this, [this] {
        PasswordMaintenanceDialog dialog(this->passwords, this->log, name->text().toStdString(), this);
        this->runner.runDialog(dialog);
    });
    connect(changePassword, &QPushButton::clicked, this, [this] {
        ChangePasswordDialog dialog(this->passwords, this->log, this);
        if (dialog.open(name->text().toStdString())) this->runner.runDialog(dialog);
    });
    name->installEventFilter(this);

    controller.open(currentUser, currentCode);
    name->setText(qtext(controller.nameText));
    showState();
}

void LoginDialog::showState() {
    password->setEnabled(controller.passwordEnabled);
    passwordLabel->setEnabled(controller.passwordEnabled);
    changePassword->setEnabled(controller.changePasswordEnabled);
    maintain->setVisible(controller.maintainUsersShown);
    maintain->setEnabled(controller.maintainUsersShown);
    if (controller.focusPassword && isVisible()) password->setFocus();
}

void LoginDialog::nameLeft() {
    controller.nameLeft(name->text().toStdString());
    showState();
}

bool LoginDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name && event->type() == QEvent::FocusOut) nameLeft();
    return QDialog::eventFilter(watched, event);
}

void LoginDialog::tryAccept() {
    if (controller.ok(name->text().toStdString(), password->text().toStdString())) accept();
}

ChangePasswordDialog::ChangePasswordDialog(PasswordDb& passwords, MessageLog& log, QWidget* parent)
    : QDialog(parent),
      controller(passwords, log),
      oldPassword(maskedEdit(this)),
      newPassword(maskedEdit(this)),
      repeat(maskedEdit(this)) {
    setWindowTitle("Change Password");
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(
        "Enter the Old Password, then enter the desired New Password in both the password and Repeat fields.  Then hit OK.",
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* form = new QFormLayout;
    form->addRow("Old Password:", oldPassword);
    form->addRow("New Password:", newPassword);
    form->addRow("Repeat New Password:", repeat);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ChangePasswordDialog::tryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool ChangePasswordDialog::open(const std::string& user) {
    return controller.open(user);
}

void ChangePasswordDialog::tryAccept() {
    if (controller.ok(oldPassword->text().toStdString(), newPassword->text().toStdString(),
                      repeat->text().toStdString())) {
        accept();
    }
}

PasswordMaintenanceDialog::PasswordMaintenanceDialog(PasswordDb& passwords, MessageLog& log,
                                                     const std::string& user, QWidget* parent)
    : QDialog(parent), names(new QComboBox(this)), levels(new QComboBox(this)) {
    setWindowTitle("Password Maintenance");
    names->setEditable(true);
    names->setInsertPolicy(QComboBox::NoInsert);
    levels->setEditable(true);
    levels->setInsertPolicy(QComboBox::NoInsert);
    for (const AccessLevel& level : kAccessLevels) levels->addItem(level.name);
    nameList = std::make_unique<ComboChoiceList>(names);
    levelList = std::make_unique<ComboChoiceList>(levels);
    controller = std::make_unique<PasswordMaintenanceController>(passwords, log, *nameList, *levelList);

    auto* form = new QFormLayout;
    form->addRow("Name:", names);
    form->addRow("Level:", levels);
    auto* clear = new QPushButton("Clear Password", this);
    auto* updateButton = new QPushButton("Update", this);
    auto* deleteButton = new QPushButton("Delete", this);
    auto* ok = new QPushButton("OK", this);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {clear, updateButton, deleteButton, ok}) row->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(row);
    connect(clear, &QPushButton::clicked, this, &PasswordMaintenanceDialog::clearPassword);
    connect(updateButton, &QPushButton::clicked, this, &PasswordMaintenanceDialog::update);
    connect(deleteButton, &QPushButton::clicked, this, &PasswordMaintenanceDialog::remove);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(names, &QComboBox::activated, this, &PasswordMaintenanceDialog::nameChanged);
    names->installEventFilter(this);

    controller->open(user);
    showLevelText();
}

PasswordMaintenanceDialog::~PasswordMaintenanceDialog() = default;

void PasswordMaintenanceDialog::showLevelText() {
    const QSignalBlocker blocker(levels);
    levels->setEditText(qtext(controller->levelText));
}

void PasswordMaintenanceDialog::nameChanged() {
    controller->nameChanged(names->currentText().toStdString());
    showLevelText();
}

bool PasswordMaintenanceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == names && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        nameChanged();
    }
    return QDialog::eventFilter(watched, event);
}

void PasswordMaintenanceDialog::update() {
    controller->update(names->currentText().toStdString(), levels->currentText().toStdString());
    showLevelText();
}

void PasswordMaintenanceDialog::remove() {
    controller->remove(names->currentText().toStdString());
    showLevelText();
}

void PasswordMaintenanceDialog::clearPassword() {
    controller->clearPassword(names->currentText().toStdString());
    showLevelText();
}

}  // namespace orv
