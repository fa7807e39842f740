#pragma once

// The computer check: everything on this machine that stands between a user and
// a programmed collar, each found ok, a warning or failed, with its mend. The
// front ends (orvctl doctor, the window's "Check this computer...") collect
// what only they can see (the profile's ports, the print server, Qt's platform
// plugins) and show the same list.

#include <string>
#include <vector>

#include "support/doctor_check.h"

namespace orv {

class PrinterCatalog;
class Profile;

// A serial device to check: a COM slot of the profile or one given by name.
struct PortToCheck {
    std::string path;
    int slot = -1;       // 0..3 for a COM slot, -1 for a port given by name
    bool inUse = false;  // the slot the device operations use, or a port given by name
};

// What the window needs to open.
struct DisplayFacts {
    std::string display;               // DISPLAY
    std::string waylandDisplay;        // WAYLAND_DISPLAY
    std::string qpaPlatform;           // QT_QPA_PLATFORM
    std::string pluginFolder;          // where Qt looks for its platform plugins
    std::vector<std::string> plugins;  // the platform plugins there ("xcb", "wayland", "offscreen" ...)
    std::string runningPlatform;       // the window's own platform when it runs ("" from orvctl)
};

struct DoctorSetup {
    std::string dataFolder;    // where the program keeps its files
    std::string settingsFile;  // Orv3.cfg there
    std::vector<PortToCheck> ports;
    PrinterCatalog* printers = nullptr;  // nullptr: no print server support built
    DisplayFacts display;
};

// A path of the settings or the profile as the program opens it: relative ones
// in the data folder; absolute paths and server URIs as they are.
std::string pathInFolder(const std::string& folder, const std::string& path);

// The four COM slots of the profile (the one in use marked), then the named ports.
std::vector<PortToCheck> portsToCheck(Profile& profile, const std::vector<std::string>& named);
// The environment's display variables (plugins and the running platform are the front end's).
DisplayFacts displayEnvironment();

// Every check, in the order the list shows them.
std::vector<DoctorCheck> runDoctor(const DoctorSetup& setup);

// The single checks.
DoctorCheck checkDataFolder(const std::string& folder);
DoctorCheck checkSettingsFile(const std::string& file);
// which: kParameterDatabase or kPasswordDatabase; settingKey its [Files] key.
DoctorCheck checkDatabase(const char* which, const char* settingKey, const std::string& path,
                          const std::vector<std::string>& tables);
DoctorCheck checkPort(const PortToCheck& port);
DoctorCheck checkSerialGrabbers();
DoctorCheck checkPrintServer(PrinterCatalog& printers);
DoctorCheck checkDisplay(const DisplayFacts& facts);

}  // namespace orv
