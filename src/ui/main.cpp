// orv3: the configuration utility's window. It keeps Orv3.cfg and the
// databases in its data folder (--data-dir DIR, else ORV_DATA_DIR, else
// ~/.local/share/Orv), so a start from the desktop menu never scatters them
// into whatever folder the desktop started it in.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdlib>
#include <string>

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

const QCommandLineOption& dataDirOption() {
    static const QCommandLineOption option("data-dir", "Keep Orv3.cfg and the databases in DIR.", "DIR");
    return option;
}

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription("Orv: configure, program and verify GPS tracking collars.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(dataDirOption());
}

void nameApplication() {
    QCoreApplication::setOrganizationName(orv::kProfileOrganisation);
    QCoreApplication::setApplicationName("Orv");
    QCoreApplication::setApplicationVersion(ORV_VERSION);
}

// --help and --version print their text and end: they need no window, so they
// are answered before the windowing system is asked for a display.
void answerTextOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--") return;
        if (word == "-h" || word == "--help" || word == "-?" || word == "--help-all" || word == "-v" ||
            word == "--version") {
            QCoreApplication textOnly(argc, argv);
            nameApplication();
            QCommandLineParser parser;
            describeOptions(parser);
            parser.process(textOnly);  // prints the text and ends the program
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    answerTextOptions(argc, argv);
    QApplication qtApp(argc, argv);
    nameApplication();
    QApplication::setWindowIcon(QIcon(orv::drawOrvLogo(64)));

    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(qtApp);
    const QCommandLineOption& dataDir = dataDirOption();

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
