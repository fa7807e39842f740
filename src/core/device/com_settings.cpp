#include "device/com_settings.h"

#include <dirent.h>

#include <algorithm>
#include <cstdlib>

#include "app/profile.h"
#include "device/serial_port.h"
#include "device/target_link.h"
#include "device/tracing_line.h"

namespace orv {

namespace {

struct IntKey {
    const char* key;
    int ComSettings::*field;
    int defaultValue;
};

constexpr IntKey kKeys[] = {
    {"Comm Port", &ComSettings::portSlot, 3},        {"Baud Rate", &ComSettings::baudRate, 9600},
    {"Parity", &ComSettings::parityBits, 4},         {"Data Bits", &ComSettings::dataBitsBit, 0},
    {"Stop Bits", &ComSettings::stopBitsBits, 0},    {"Single Pin IO", &ComSettings::singlePinBit, 0},
    {"Target Voltage", &ComSettings::voltageBit, 0}, {"Comm Timeout", &ComSettings::comTimeoutSeconds, 90},
    {"Serial Trace", &ComSettings::serialTrace, 0},  {"Show Changes", &ComSettings::showChanges, 1},
};

constexpr const char* kTraceFileKey = "Serial Trace File";

constexpr int kDefaultTimeout = 90;

// The decimal value of the text as the dialog's baud rate box gives it; text
// that is not a number gives 0.
int decimalValue(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || value < 0 || value > 100000000) return 0;
    return static_cast<int>(value);
}

}  // namespace

std::string deviceKeyFor(int slot) {
    return "COM " + std::to_string(slot + 1) + " Device";
}

std::string comSlotDevice(Profile& profile, int slot) {
    return profile.readText(kComSection, deviceKeyFor(slot), SerialPort::defaultDevicePath(slot));
}

std::string comTraceFile(Profile& profile) {
    return profile.readText(kComSection, kTraceFileKey, ComSettings{}.traceFile);
}

int comSlotInUse(Profile& profile) {
    return profile.readInt(kComSection, "Comm Port", ComSettings{}.portSlot);
}

void loadComSettings(Profile& profile, TargetLink& link) {
    ComSettings& s = link.settings;
    for (const IntKey& k : kKeys) s.*k.field = profile.readInt(kComSection, k.key, k.defaultValue);
    if (s.comTimeoutSeconds == 0) {
        s.comTimeoutSeconds = kDefaultTimeout;
        profile.writeInt(kComSection, "Comm Timeout", kDefaultTimeout);
    }
    s.traceFile = comTraceFile(profile);
    ByteLine& port = link.line();
    for (int slot = 0; slot < kSerialSlots; ++slot) port.setDevicePath(slot, comSlotDevice(profile, slot));
}

void saveComSettings(Profile& profile, const TargetLink& link) {
    for (const IntKey& k : kKeys) profile.writeInt(kComSection, k.key, link.settings.*k.field);
    profile.writeText(kComSection, kTraceFileKey, link.settings.traceFile);
    for (int slot = 0; slot < kSerialSlots; ++slot)
        profile.writeText(kComSection, deviceKeyFor(slot), link.line().devicePath(slot));
}

ComDialogFields comDialogFill(const ComSettings& s) {
    ComDialogFields f;
    f.port = (s.portSlot >= 1 && s.portSlot <= 3) ? kComPortChoices[s.portSlot] : kComPortChoices[0];
    f.baudRate = std::to_string(s.baudRate);
    f.parity = s.parityBits == 4 ? "ODD" : s.parityBits == 12 ? "EVEN" : "NONE";
    f.dataBits = s.dataBitsBit != 0 ? "8" : "7";
    f.stopBits = s.stopBitsBits == 2 ? "2" : "1";
    f.singlePin = s.singlePinBit == 64;
    f.voltage = s.voltageBit != 0 ? "3 Volts" : "5 Volts";
    f.serialTrace = s.serialTrace != 0;
    f.traceFile = s.traceFile;
    f.showChanges = s.showChanges != 0;
    return f;
}

void comDialogReadBack(const ComDialogFields& f, ComSettings& s) {
    s.portSlot = f.port == "COM 4" ? 3 : f.port == "COM 3" ? 2 : f.port == "COM 2" ? 1 : 0;
    s.baudRate = decimalValue(f.baudRate);
    s.parityBits = f.parity == "EVEN" ? 12 : f.parity == "ODD" ? 4 : 0;
    s.dataBitsBit = f.dataBits == "7" ? 0 : 1;
    s.stopBitsBits = f.stopBits == "2" ? 2 : 0;
    s.singlePinBit = f.singlePin ? 64 : 0;
    s.voltageBit = f.voltage == "5 Volts" ? 0 : 128;
    s.serialTrace = f.serialTrace ? 1 : 0;
    s.traceFile = f.traceFile.empty() ? ComSettings{}.traceFile : f.traceFile;
    s.showChanges = f.showChanges ? 1 : 0;
}

void applyComDialog(const ComDialogFields& fields, Profile& profile, TargetLink& link, TracingLine* trace) {
    comDialogReadBack(fields, link.settings);
    if (!fields.devicePath.empty()) link.line().setDevicePath(link.settings.portSlot, fields.devicePath);
    link.endConnection(0);
    if (trace != nullptr) followTraceSetting(*trace, link.settings, link.messages());
    saveComSettings(profile, link);
}

bool followTraceSetting(TracingLine& line, ComSettings& settings, MessageLog& log) {
    if (settings.serialTrace == 0) {
        line.setTrace(nullptr);
        return true;
    }
    const auto current = line.trace();
    if (current && current->path() == settings.traceFile) return true;
    std::string error;
    std::shared_ptr<SerialTrace> trace =
        SerialTrace::open(settings.traceFile, SerialTrace::Mode::Append, error);
    if (!trace) {
        line.setTrace(nullptr);
        settings.serialTrace = 0;
        log.error("The serial trace file '%s' could not be opened:\n%s\n\nThe serial trace is off.",
                  settings.traceFile.c_str(), error.c_str());
        return false;
    }
    line.setTrace(std::move(trace));
    return true;
}

std::vector<std::string> findSerialDevices() {
    static const char* const kPrefixes[] = {"ttyUSB", "ttyACM", "ttyS", "ttyAMA", "rfcomm"};
    std::vector<std::string> found;
    if (DIR* dir = opendir("/dev")) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            for (const char* prefix : kPrefixes)
                if (name.rfind(prefix, 0) == 0) found.push_back("/dev/" + name);
        }
        closedir(dir);
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace orv
