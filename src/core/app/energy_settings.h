#pragma once

// The [Energy] section of the settings file: the battery and the charge each
// kind of collar activity draws, for the battery and event budget.

#include <string>

namespace orv {

class MessageLog;

inline constexpr const char* kEnergySection = "Energy";

struct EnergySettings {
    double batteryMah = 19000;    // "Battery mAh"
    double usablePercent = 80;    // "Usable Percent"
    double gpsFixMas = 1800;      // "GPS Fix mAs": one fix attempt, milliampere-seconds
    double transmissionMas = 60;  // "Transmission mAs": one transmission
    double sleepUa = 40;          // "Sleep uA": the draw at all times
};

// Writes the section's entries that are missing, with their defaults, as the
// other sections are completed at start-up. Nothing else in the file changes;
// a missing file is created only when createFile says so. "" when the file
// holds every entry; else why it could not be written (it is then as it was).
std::string completeEnergySettings(const std::string& settingsFile, bool createFile = true);

// Reads the section. A value that is empty, not a number or negative is taken
// as its default, with one warning naming the key (the entry is left as it is).
EnergySettings readEnergySettings(const std::string& settingsFile, MessageLog& log);

// Stores "Battery mAh" and "Usable Percent"; 1 on success.
int saveEnergyCapacity(const std::string& settingsFile, double batteryMah, double usablePercent);

// A decimal number of zero or more (blanks around it allowed); false for
// anything else, value then unchanged.
bool parseEnergyValue(const std::string& text, double& value);

// A "Battery mAh" (percent false) or "Usable Percent" (percent true) typed on
// the Simulation tab: the value, or the message saying what is wrong with it.
struct EnergyEntry {
    bool valid = false;
    double value = 0;
    std::string message;
};
EnergyEntry checkCapacityEntry(const std::string& text, bool percent);

// A value as the section keeps it: "19000", "80", "12.5".
std::string energyValueText(double value);

}  // namespace orv
