// orv3: the configuration utility's window. It keeps Orv3.cfg and the
// databases in the working directory.

#include <QApplication>

#include "application.h"
#include "logo.h"
#include "qt_profile.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setOrganizationName(orv::kProfileOrganisation);
    QApplication::setApplicationName("Orv");
    QApplication::setWindowIcon(QIcon(orv::drawOrvLogo(64)));
    orv::OrvApplication program;
    if (const int exitCode = program.start(); exitCode != 0) return exitCode;
    // The program ends when its main window closes.
    return QApplication::exec();
}
