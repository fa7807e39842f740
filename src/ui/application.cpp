#include "application.h"

#include <QApplication>
#include <QFileInfo>
#include <QThread>

#include "db/database_uri.h"
#include "device/com_settings.h"
#include "dialogs/login_dialog.h"
#include "dialogs/splash_window.h"
#include "main_window.h"
#include "model/startup_sequence.h"
#include "qt_message_presenter.h"
#include "qt_profile.h"
#include "window_messages.h"

namespace orv {

namespace {

bool isFirstRunDatabase(const std::string& path) {
    return path == kDefaultParameterDb && !QFileInfo::exists(QString::fromStdString(path));
}

QFont printFont(int height) {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Light);  // weight 300
    font.setPixelSize(height);
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

}  // namespace

OrvApplication::OrvApplication(StartupOptions startOptions)
    : options(std::move(startOptions)),
      ownPresenter(options.presenter == nullptr ? std::make_unique<QtMessagePresenter>() : nullptr),
      presenter(options.presenter != nullptr ? options.presenter : ownPresenter.get()),
      ownProfile(options.profile == nullptr ? std::make_unique<QtProfile>() : nullptr),
      profile(options.profile != nullptr ? options.profile : ownProfile.get()),
      messages(presenter) {}

OrvApplication::~OrvApplication() {
    window.reset();
    if (targetLink) targetLink->endConnection(0);
}

int OrvApplication::start() {
    const StartupResult startup = runStartup(messages, configuration, options.settingsFile);
    if (!startup.proceed()) return startup.exitCode;
    appSettings = startup.settings;

    fonts.fonts = {printFont(36), printFont(22), printFont(42)};

    targetLink = std::make_unique<TargetLink>(tracedPort, messages);
    loadComSettings(*profile, *targetLink);
    if (!followTraceSetting(tracedPort, targetLink->settings, messages))
        saveComSettings(*profile, *targetLink);

    SplashWindow splash;
    splash.showAndPaint();

    db = std::make_unique<ParameterDb>(messages, configuration);
    db->retryPauseMs = options.databaseRetryMilliseconds;
    passwords = std::make_unique<PasswordDb>(messages);
    passwords->setPath(appSettings.passwordDbPath);
    if (const int failed = openParameterDatabase(); failed != 0) return failed;
    db->closeDatabase();
    if (options.splashMilliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(options.splashMilliseconds));
    splash.close();

    runStartupLogin();

    AppParts parts{messages, configuration, appSettings,          loggedIn,   *db, *passwords, *targetLink,
                   *profile, *presenter,    options.settingsFile, &tracedPort};
    window = std::make_unique<MainWindow>(parts);
    window->modal() = options.runner;
    window->show();
    window->initialize();
    return 0;
}

int OrvApplication::openParameterDatabase() {
    // A new installation: the local default file simply is not there yet, so
    // the one question that offers to create it is all the user needs to see.
    if (isFirstRunDatabase(appSettings.parameterDbPath)) {
        if (db->openDatabase(appSettings.parameterDbPath, true) == DbResult::Ok) return 0;
        return reportNoDatabase();
    }
    if (db->openDatabase(appSettings.parameterDbPath, false) == DbResult::Ok) return 0;
    messages.warning(
        "%s",
        uitext::databaseFallback(displayName(appSettings.parameterDbPath), kDefaultParameterDb).c_str());
    appSettings.parameterDbPath = kDefaultParameterDb;
    if (db->openDatabase(appSettings.parameterDbPath, true) == DbResult::Ok) return 0;
    return reportNoDatabase();
}

int OrvApplication::reportNoDatabase() {
    messages.error("%s", uitext::kNoDatabase);
    return 1;
}

void OrvApplication::runStartupLogin() {
    if (appSettings.loginAtStartup != '1') {
        loggedIn.name = "User";
        recordLogin(configuration, loggedIn);
        return;
    }
    LoginDialog dialog(*passwords, messages, options.runner, configuration.text(StringRow::UserName),
                       loggedIn.mask);
    if (options.runner.runDialog(dialog)) loggedIn = dialog.user();
    recordLogin(configuration, loggedIn);
}

}  // namespace orv
