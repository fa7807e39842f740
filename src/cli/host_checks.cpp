#include "host_checks.h"

#include <QDir>
#include <QLibraryInfo>
#include <filesystem>

#include "app/startup.h"
#include "device/com_settings.h"
#include "qt_profile.h"
#ifdef ORV_WITH_PRINT
#include "cups_server.h"
#endif

namespace orv::cli {

namespace {

// The platform plugins Qt would find: "libqxcb.so" is "xcb".
void addPlatformPlugins(DisplayFacts& facts) {
    const QString environmentFolder = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    const QString folder = !environmentFolder.isEmpty()
                               ? environmentFolder
                               : QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    facts.pluginFolder = folder.toStdString();
    const QStringList files = QDir(folder).entryList({QStringLiteral("libq*.so")}, QDir::Files);
    for (const QString& file : files) facts.plugins.push_back(file.mid(4, file.size() - 7).toStdString());
}

}  // namespace

std::vector<DoctorCheck> checkThisComputer(const std::vector<std::string>& ports) {
    QtProfile profile;
    DoctorSetup setup;
    setup.dataFolder = std::filesystem::current_path().string();
    setup.settingsFile = setup.dataFolder + "/" + kSettingsFileName;
    setup.ports = portsToCheck(profile, ports);
#ifdef ORV_WITH_PRINT
    CupsPrinterCatalog printers;
    setup.printers = &printers;
#endif
    setup.display = displayEnvironment();
    addPlatformPlugins(setup.display);
    return runDoctor(setup);
}

std::string profileFile() {
    return QtProfile().fileName();
}

std::string profileTraceFile() {
    QtProfile profile;
    return comTraceFile(profile);
}

}  // namespace orv::cli
