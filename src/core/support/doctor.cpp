#include "support/doctor.h"

#include <cstdlib>

#include "app/startup.h"
#include "db/database_uri.h"
#include "db/parameter_db.h"
#include "db/password_db.h"
#include "device/com_settings.h"
#include "device/serial_port.h"
#include "support/support_messages.h"

namespace orv {

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string pathInFolder(const std::string& folder, const std::string& path) {
    if (path.empty() || isServerUri(path) || path.front() == '/' || folder.empty()) return path;
    return folder + "/" + path;
}

std::vector<PortToCheck> portsToCheck(Profile& profile, const std::vector<std::string>& named) {
    std::vector<PortToCheck> ports;
    const int inUse = comSlotInUse(profile);
    for (int slot = 0; slot < kSerialSlots; ++slot)
        ports.push_back({comSlotDevice(profile, slot), slot, slot == inUse});
    for (const std::string& path : named) ports.push_back({path, -1, true});
    return ports;
}

DisplayFacts displayEnvironment() {
    DisplayFacts facts;
    facts.display = environmentValue("DISPLAY");
    facts.waylandDisplay = environmentValue("WAYLAND_DISPLAY");
    facts.qpaPlatform = environmentValue("QT_QPA_PLATFORM");
    return facts;
}

std::vector<DoctorCheck> runDoctor(const DoctorSetup& setup) {
    std::vector<DoctorCheck> checks;
    checks.push_back(checkDataFolder(setup.dataFolder));
    checks.push_back(checkSettingsFile(setup.settingsFile));
    const AppSettings settings = readAppSettings(setup.settingsFile);
    checks.push_back(checkDatabase(doctortext::kParameterDatabase, "Parameter Db",
                                   pathInFolder(setup.dataFolder, settings.parameterDbPath),
                                   {kGeneralTable, kSeasonTable}));
    checks.push_back(checkDatabase(doctortext::kPasswordDatabase, "Password Db",
                                   pathInFolder(setup.dataFolder, settings.passwordDbPath),
                                   {kPasswordTable}));
    for (const PortToCheck& port : setup.ports) checks.push_back(checkPort(port));
    checks.push_back(checkSerialGrabbers());
    if (setup.printers != nullptr) checks.push_back(checkPrintServer(*setup.printers));
    checks.push_back(checkDisplay(setup.display));
    return checks;
}

}  // namespace orv
