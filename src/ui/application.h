#pragma once

#include <QFont>
#include <array>
#include <memory>
#include <string>

#include "app/message_log.h"
#include "app/startup.h"
#include "db/parameter_db.h"
#include "db/password_db.h"
#include "device/serial_port.h"
#include "device/target_link.h"
#include "device/tracing_line.h"
#include "modal_runner.h"
#include "model/logged_in_user.h"
#include "model/record.h"

namespace orv {

class MainWindow;
class Profile;
class QtMessagePresenter;

// How the program starts; the tests change what they must.
struct StartupOptions {
    std::string settingsFile = kSettingsFileName;
    // The presenter of the message boxes; nullptr: the window's own.
    QtMessagePresenter* presenter = nullptr;
    // The per-user profile; nullptr: the one under the company key.
    Profile* profile = nullptr;
    // How dialogs run (the login dialog at start-up, and every later one).
    ModalRunner runner;
    // How long the splash window stays after the database is ready.
    int splashMilliseconds = 1000;
    // The pause between attempts to open the parameter database.
    int databaseRetryMilliseconds = 500;
};

// The three fixed-pitch fonts held for printing (character heights 36, 22, 42).
struct PrintFonts {
    std::array<QFont, 3> fonts;
};

// The program: everything start-up prepares before the main window, then the
// main window. Objects live as long as this.
class OrvApplication {
public:
    explicit OrvApplication(StartupOptions options = {});
    ~OrvApplication();

    // The start-up steps up to the main window, which is then shown. 0 when the
    // window runs; otherwise the exit code of the program.
    int start();

    MainWindow* mainWindow() const { return window.get(); }
    ParameterRecord& record() { return configuration; }
    AppSettings& settings() { return appSettings; }
    LoggedInUser& user() { return loggedIn; }
    MessageLog& log() { return messages; }
    ParameterDb& parameterDb() { return *db; }
    TargetLink& link() { return *targetLink; }
    const PrintFonts& printFonts() const { return fonts; }

private:
    int openParameterDatabase();
    int reportNoDatabase();
    void runStartupLogin();

    StartupOptions options;
    std::unique_ptr<QtMessagePresenter> ownPresenter;
    QtMessagePresenter* presenter;
    std::unique_ptr<Profile> ownProfile;
    Profile* profile;
    MessageLog messages;
    ParameterRecord configuration;
    AppSettings appSettings;
    LoggedInUser loggedIn;
    std::unique_ptr<ParameterDb> db;
    std::unique_ptr<PasswordDb> passwords;
    SerialPort port;
    // The link's bytes pass here: the serial trace of the COM port settings.
    TracingLine tracedPort{port};
    std::unique_ptr<TargetLink> targetLink;
    PrintFonts fonts;
    std::unique_ptr<MainWindow> window;
};

}  // namespace orv
