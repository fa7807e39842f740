#include "app/energy_settings.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/app_messages.h"
#include "app/format_text.h"
#include "app/message_log.h"
#include "app/replace_file.h"
#include "app/settings_file.h"
#include "app/settings_text.h"

namespace orv {

namespace {

using E = EnergySettings;

constexpr EnergyKey kKeys[] = {
    {"Battery mAh", &E::batteryMah, false, "battery capacity", "mAh",
     "The battery's rated capacity, in milliampere-hours."},
    {"Usable Percent", &E::usablePercent, true, "usable share of the battery", "%",
     "The share of the rated capacity the collar can draw before the battery's voltage falls too low."},
    {"Self Discharge Percent Per Year", &E::selfDischargePercent, true, "self-discharge", "% a year",
     "The share of the rated capacity the battery loses by itself each year, used or not."},
    {"GPS Fix mAs", &E::gpsFixMas, false, "charge of a fix", "mAs",
     "The charge a successful fix draws, in milliampere-seconds."},
    {"GPS Receiver mA", &E::gpsReceiverMa, false, "receiver current", "mA",
     "The current of the GPS receiver while it searches: a failed fix keeps it on until the Fix Timeout."},
    {"Fix Success Percent", &E::fixSuccessPercent, true, "fix success", "%",
     "The share of fix attempts that get a position, for the nominal figures (field studies report "
     "57-78 %, stationary tests about 87 %)."},
    {"Pessimistic Fix Success Percent", &E::pessimisticFixSuccessPercent, true, "pessimistic fix success",
     "%",
     "The share of fix attempts that get a position, for the pessimistic figures: the other end of "
     "the range to plan for."},
    {"Transmission mAs", &E::transmissionMas, false, "charge of a transmission", "mAs",
     "The charge one transmission draws, in milliampere-seconds."},
    {"Sleep uA", &E::sleepUa, false, "sleep current", "uA",
     "The current the collar draws at all times, between its fixes and transmissions, in microamperes."},
    {"Beacon uA", &E::beaconUa, false, "beacon current", "uA",
     "The mean current of the VHF beacon, in microamperes; counted when the VHF beacon is enabled."},
};

}  // namespace

std::span<const EnergyKey> energyKeys() {
    return kKeys;
}

const EnergyKey* findEnergyKey(std::string_view key) {
    for (const EnergyKey& entry : kKeys)
        if (key == entry.key) return &entry;
    return nullptr;
}

bool parseEnergyValue(const std::string& text, double& value) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (*begin == '\0') return false;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(begin, &end);
    while (*end == ' ' || *end == '\t' || *end == '\r') ++end;
    if (*end != '\0' || errno == ERANGE || !std::isfinite(parsed) || parsed < 0) return false;
    value = parsed;
    return true;
}

EnergyEntry checkEnergyEntry(const EnergyKey& key, const std::string& text) {
    EnergyEntry entry;
    entry.valid = parseEnergyValue(text, entry.value) && (!key.percent || entry.value <= 100);
    if (!entry.valid)
        entry.message = key.percent ? apptext::energyPercentRefused(key.what, text)
                                    : apptext::energyNumberRefused(key.what, key.unit, text);
    return entry;
}

std::string energyValueText(double value) {
    return formatText("%.15g", value);
}

std::string completeEnergySettings(const std::string& settingsFile, bool createFile) {
    if (!createFile && ::access(settingsFile.c_str(), F_OK) != 0) return {};
    // A file that exists but cannot be read is never replaced.
    std::string original;
    if (!readWholeFile(settingsFile, original)) return {};
    std::string content = original;
    const EnergySettings defaults;
    for (const EnergyKey& entry : kKeys) {
        if (!findSetting(content, kEnergySection, entry.key, "").found)
            content =
                rewriteSetting(content, kEnergySection, entry.key, energyValueText(defaults.*entry.slot));
    }
    if (content == original || replaceFile(settingsFile, content) == 1) return {};
    return std::strerror(errno);
}

EnergySettings readEnergySettings(const std::string& settingsFile, MessageLog& log) {
    const std::string content = loadSettingsText(settingsFile);
    EnergySettings settings;
    for (const EnergyKey& entry : kKeys) {
        const SettingValue found = findSetting(content, kEnergySection, entry.key, "");
        if (!found.found) continue;  // not written yet: the default
        const EnergyEntry value = checkEnergyEntry(entry, found.text);
        if (value.valid) {
            settings.*entry.slot = value.value;
            continue;
        }
        const std::string defaultText = energyValueText(settings.*entry.slot);
        log.warning(
            "%s",
            (entry.percent
                 ? apptext::energyPercentEntryIgnored(entry.key, kEnergySection, settingsFile, defaultText)
                 : apptext::energyEntryIgnored(entry.key, kEnergySection, settingsFile, defaultText))
                .c_str());
    }
    return settings;
}

int saveEnergySetting(const std::string& settingsFile, const EnergyKey& key, double value) {
    std::string content;
    if (!readWholeFile(settingsFile, content)) return 0;
    content = rewriteSetting(content, kEnergySection, key.key, energyValueText(value));
    return replaceFile(settingsFile, content);
}

}  // namespace orv
