#pragma once

// The [Energy] section of the settings file: the battery and the charge each
// kind of collar activity draws, for the battery and event budget.

#include <span>
#include <string>
#include <string_view>

namespace orv {

class MessageLog;

inline constexpr const char* kEnergySection = "Energy";

struct EnergySettings {
    double batteryMah = 19000;                 // "Battery mAh"
    double usablePercent = 80;                 // "Usable Percent"
    double selfDischargePercent = 1;           // "Self Discharge Percent Per Year"
    double gpsFixMas = 1800;                   // "GPS Fix mAs": one successful fix, milliampere-seconds
    double gpsReceiverMa = 25;                 // "GPS Receiver mA": the receiver searching
    double fixSuccessPercent = 85;             // "Fix Success Percent": the nominal figures
    double pessimisticFixSuccessPercent = 60;  // "Pessimistic Fix Success Percent"
    double transmissionMas = 60;               // "Transmission mAs": one transmission
    double sleepUa = 40;                       // "Sleep uA": the draw at all times
    double beaconUa = 100;                     // "Beacon uA": the VHF beacon, when it is enabled
};

// One entry of the section: its key, the figure it holds, whether it is a
// percentage (0 to 100) or a number of zero or more, and its words for the
// window (what it is in a message, its unit, what it means).
struct EnergyKey {
    const char* key;
    double EnergySettings::*slot;
    bool percent;
    const char* what;
    const char* unit;
    const char* meaning;
};

// Every entry, in the order the section is written and the window lists them.
std::span<const EnergyKey> energyKeys();
// The entry of a key; nullptr for none.
const EnergyKey* findEnergyKey(std::string_view key);

// Writes the section's entries that are missing, with their defaults, as the
// other sections are completed at start-up. Nothing else in the file changes;
// a missing file is created only when createFile says so. "" when the file
// holds every entry; else why it could not be written (it is then as it was).
std::string completeEnergySettings(const std::string& settingsFile, bool createFile = true);

// Reads the section. A value that is empty, not a number, negative, or a
// percentage above 100 is taken as its default, with one warning naming the
// key (the entry is left as it is).
EnergySettings readEnergySettings(const std::string& settingsFile, MessageLog& log);

// Stores one entry; 1 on success.
int saveEnergySetting(const std::string& settingsFile, const EnergyKey& key, double value);

// A decimal number of zero or more (blanks around it allowed); false for
// anything else, value then unchanged.
bool parseEnergyValue(const std::string& text, double& value);

// A value of an entry, as typed on the Simulation tab or read from the file:
// the value, or the message saying what is wrong with it.
struct EnergyEntry {
    bool valid = false;
    double value = 0;
    std::string message;
};
EnergyEntry checkEnergyEntry(const EnergyKey& key, const std::string& text);

// A value as the section keeps it: "19000", "80", "12.5".
std::string energyValueText(double value);

}  // namespace orv
