// Start-up of the window program in a folder of its own.

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "dialogs/login_dialog.h"
#include "window_fixture.h"
#include "workflow/workflow_messages.h"

namespace orv::test {
namespace {

class StartupTest : public WindowTest {
protected:
    // Not startProgram: the boxes of start-up are looked at, so none are cleared.
    int startKeepingTheBoxes() {
        StartupOptions options;
        options.presenter = &presenter;
        options.profile = &profile;
        options.splashMilliseconds = 0;
        options.databaseRetryMilliseconds = 0;
        app = std::make_unique<OrvApplication>(options);
        return app->start();
    }
};

TEST_F(StartupTest, AnEmptyFolderGetsItsSettingsAndDatabaseAndShowsTheDefaultDevice) {
    answer(kAnswerYes);  // create the local database
    ASSERT_EQ(startKeepingTheBoxes(), 0);

    EXPECT_TRUE(QFileInfo::exists("Orv3.cfg"));
    EXPECT_TRUE(QFileInfo::exists("Orv3.mdb"));
    // A new installation: one question, no warning about the file it is about to create.
    ASSERT_EQ(boxes().count(), 1u);
    EXPECT_TRUE(sawText("The database - 'Orv3.mdb' - could not be opened.\nDo you want to create it?"));
    MainWindow& main = window();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle(), "Halvorn Orv - Vosk");  // nothing changed yet
    EXPECT_EQ(comboText(main.jobCombo()), "Default");
    EXPECT_EQ(comboText(main.ctnCombo()), "Default");
    EXPECT_EQ(comboText(main.statusCombo()).rfind("Working", 0), 0u);
    EXPECT_EQ(record().text(StringRow::UserName), "User");
    EXPECT_EQ(record().text(StringRow::UserAccessLevel), "Customer");
    EXPECT_EQ(main.tabWidget()->count(), 9);
    EXPECT_EQ(main.tabWidget()->tabText(0), "GPS Parms");
    EXPECT_EQ(main.tabWidget()->tabText(8), "Fact. Parms");
    // The firmware combo lists the supported versions; the Range list is empty.
    EXPECT_EQ(main.firmwareCombo()->count(), 18);
    // No "Current Fw Ver" in the settings file: the last entry, as the start-up order has it.
    EXPECT_EQ(main.firmwareCombo()->currentIndex(), 17);
    EXPECT_EQ(main.rangeCombo()->count(), 0);
}

TEST_F(StartupTest, AConfiguredDatabaseThatCannotBeOpenedIsStillWarnedAboutBeforeTheLocalOne) {
    writeSettings("[Files]\nParameter Db=no-such-folder/Team.mdb\n");
    answer(kAnswerYes);  // create the local database
    ASSERT_EQ(startKeepingTheBoxes(), 0);
    EXPECT_TRUE(sawTextStarting("Could not open the parameter database file 'no-such-folder/Team.mdb'."));
    EXPECT_TRUE(sawText("The database - 'Orv3.mdb' - could not be opened.\nDo you want to create it?"));
    EXPECT_TRUE(QFileInfo::exists("Orv3.mdb"));
}

TEST_F(StartupTest, DeclinedDatabaseEndsTheProgramWithTheSupportMessage) {
    answer(kAnswerNo);
    EXPECT_NE(startKeepingTheBoxes(), 0);
    EXPECT_EQ(app->mainWindow(), nullptr);
    EXPECT_TRUE(sawTextStarting("Could NOT open a Fenmod database for the application."));
}

TEST_F(StartupTest, LoginOneShowsTheLoginDialogBeforeTheWindow) {
    writeSettings("[Startup]\nLogin=1\n");
    bool windowExisted = true;
    dialogAnswers.push_back([&](QDialog& dialog) {
        windowExisted = app->mainWindow() != nullptr;
        auto& login = dynamic_cast<LoginDialog&>(dialog);
        login.nameEdit()->setText("Ann");
        login.nameLeft();
        EXPECT_FALSE(login.passwordEdit()->isEnabled());  // not in the list: no password
        login.tryAccept();
        return login.result() == QDialog::Accepted;
    });
    answer(kAnswerYes);  // create the parameter database
    answer(kAnswerYes);  // create the password database
    startProgram();
    ASSERT_EQ(dialogsRun.size(), 1u);
    EXPECT_EQ(dialogsRun[0], "User Login");
    EXPECT_FALSE(windowExisted);
    EXPECT_EQ(record().text(StringRow::UserName), "Ann");
    EXPECT_EQ(app->user().mask, 0x011);
    EXPECT_EQ(window().labelText(StringRow::UserName), "User:");
    EXPECT_EQ(window().mainControls().text(mainStringControl(StringRow::UserName)), "Ann");
}

TEST_F(StartupTest, NoActiveTabIsReportedAndTheWindowStillOpens) {
    writeSettings(
        "[Active Tabs]\nGPS Parameters=0\nMiscellaneous=0\nTransmitter=0\nData Collection=0\nSchedule=0\n"
        "ScheduleTable=0\nSimulation=0\nBeacon=0\nFactory Params=0\n");
    answer(kAnswerYes);
    ASSERT_EQ(startKeepingTheBoxes(), 0);
    EXPECT_EQ(window().tabWidget()->count(), 0);
    EXPECT_TRUE(sawText(wftext::kNoTabsMessage));
}

TEST_F(StartupTest, TheWindowGoesBackWhereItWasUnlessThatIsOffScreen) {
    answer(kAnswerYes);
    startProgram();
    window().move(120, 80);
    const QPoint placed = window().frameGeometry().topLeft();
    app.reset();  // closing the window keeps its place
    EXPECT_EQ(profile.readInt("Halvorn Orv", "Window Left", -1), placed.x());
    EXPECT_EQ(profile.readInt("Halvorn Orv", "Window Top", -1), placed.y());
    startProgram();
    EXPECT_EQ(window().pos(), QPoint(placed.x(), placed.y()));
    app.reset();
    profile.writeInt("Halvorn Orv", "Window Left", 100000);
    startProgram();
    EXPECT_NE(window().pos().x(), 100000);
}

TEST_F(StartupTest, TheWindowKeepsItsSizeAndComesBackOnTheTabLastShown) {
    answer(kAnswerYes);
    startProgram();
    window().resize(1000, 760);
    QTabWidget* tabs = window().tabWidget();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == "Beacon") tabs->setCurrentIndex(i);
    const QRect frame = window().frameGeometry();
    app.reset();
    // The size goes with the place (restored when it fits on the screen, which
    // the placement test of the profile covers), the tab by its number.
    EXPECT_EQ(profile.readInt("Halvorn Orv", "Window Right", -1) -
                  profile.readInt("Halvorn Orv", "Window Left", -1),
              frame.width());
    EXPECT_EQ(profile.readInt("Halvorn Orv", "Window Bottom", -1) -
                  profile.readInt("Halvorn Orv", "Window Top", -1),
              frame.height());
    startProgram();
    EXPECT_EQ(window().tabWidget()->tabText(window().tabWidget()->currentIndex()), "Beacon");
}

TEST_F(StartupTest, TheAboutBoxNamesTheVersionTheBuildAndTheLibrariesWithTheirLicences) {
    answer(kAnswerYes);
    startProgram();
    QAction* about = window().aboutEntry();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(window().actions().contains(about));  // the window's own menu
    EXPECT_EQ(about->shortcut(), QKeySequence(Qt::Key_F1));
    QString shown;
    dialogAnswers.push_back([&](QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) shown += label->text();
        return true;
    });
    about->trigger();
    ASSERT_EQ(dialogsRun, std::vector<QString>{"About Orv"});
    EXPECT_TRUE(shown.startsWith("Orv 3.")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("\nBuild ")) << shown.toStdString();
    for (const char* library : {"Qt ", "SQLite ", "libpq", "libsodium ", "CUPS"})
        EXPECT_TRUE(shown.contains(library)) << library;
    EXPECT_TRUE(shown.contains("LGPL"));
}

TEST_F(StartupTest, APageLargerThanTheWindowScrollsInsteadOfBeingCutOff) {
    answer(kAnswerYes);
    startProgram();
    QTabWidget* tabs = window().tabWidget();
    for (int i = 0; i < tabs->count(); ++i) {
        SCOPED_TRACE(tabs->tabText(i).toStdString());
        auto* scroll = qobject_cast<QScrollArea*>(tabs->widget(i));
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(scroll->widget(), tabPageAt(tabs, i));
    }
    // Made smaller than the fullest page, the window keeps every control
    // reachable: the page's scroll area takes the difference.
    tabs->setCurrentIndex(tabs->count() - 1);  // the system page, the fullest
    auto* scroll = qobject_cast<QScrollArea*>(tabs->currentWidget());
    const QSize page = scroll->widget()->minimumSizeHint();
    window().resize(window().minimumSizeHint());
    QCoreApplication::processEvents();
    EXPECT_EQ(scroll->verticalScrollBar()->isVisible(), scroll->viewport()->height() < page.height());
    EXPECT_EQ(scroll->horizontalScrollBar()->isVisible(), scroll->viewport()->width() < page.width());
    EXPECT_LT(window().minimumSizeHint().height(), page.height() + 300);
}

}  // namespace
}  // namespace orv::test
