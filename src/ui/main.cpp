// orv3: the configuration utility's window. It keeps Orv3.cfg and the
// databases in its data folder (--data-dir DIR, else ORV_DATA_DIR, else
// ~/.local/share/Orv), so a start from the desktop menu never scatters them
// into whatever folder the desktop started it in.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdlib>

#include "app/data_directory.h"
#include "app/run_log.h"
#include "application.h"
#include "qt_profile.h"
#include "widgets/logo.h"
#include "window_messages.h"

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setOrganizationName(orv::kProfileOrganisation);
    QApplication::setApplicationName("Orv");
    QApplication::setApplicationVersion(ORV_VERSION);
    QApplication::setWindowIcon(QIcon(orv::drawOrvLogo(64)));

    QCommandLineParser parser;
    parser.setApplicationDescription("Orv: configure, program and verify GPS tracking collars.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir("data-dir", "Keep Orv3.cfg and the databases in DIR.", "DIR");
    parser.addOption(dataDir);
    parser.process(qtApp);

    const std::string folder = orv::chooseDataDirectory(
        parser.value(dataDir).toStdString(), environmentValue("ORV_DATA_DIR"), environmentValue("HOME"));
    if (const std::string error = orv::enterDataDirectory(folder); !error.empty()) {
        QMessageBox::critical(nullptr, "Error", QString::fromStdString(orv::uitext::cannotStart(error)));
        return 1;
    }
    orv::OrvApplication program;
    // Every box of this run and its answer, for a support bundle.
    program.log().logPath = orv::startRunLog(folder);
    if (const int exitCode = program.start(); exitCode != 0) return exitCode;
    // The program ends when its main window closes.
    return QApplication::exec();
}
