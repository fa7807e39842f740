#pragma once

#include <string>
#include <vector>

namespace orv {

class MessageLog;
class Profile;
class TargetLink;
class TracingLine;

// The serial line to the collar: seven settings and the answer time-out.
// The values are chosen so that OR-ing them gives the settings word of the
// serial driver.
struct ComSettings {
    int portSlot = 3;  // 0..3 for COM 1..COM 4
    int baudRate = 9600;
    int parityBits = 4;          // 0 none, 4 odd, 12 even
    int dataBitsBit = 0;         // 0 seven data bits, 1 eight
    int stopBitsBits = 0;        // 0 one stop bit, 2 two
    int singlePinBit = 0;        // 0 off, 64 single-pin echoed I/O
    int voltageBit = 0;          // 0 5 volts, 128 3 volts
    int comTimeoutSeconds = 90;  // answer time-out
    // The serial trace for support: off (0) or on (1), and its file, appended
    // to session after session (relative: in the data directory).
    int serialTrace = 0;
    std::string traceFile = "serial-trace.txt";
    // Write Device shows the changes to be written first: on (1) unless a
    // factory line turns it off (0).
    int showChanges = 1;

    int settingsWord() const { return parityBits | dataBitsBit | stopBitsBits | singlePinBit | voltageBit; }
};

inline constexpr const char* kComSection = "GpsDial";

// Reads the eight keys of "GpsDial" (defaults when absent), the serial trace
// keys and the device path of each slot. A stored time-out of 0 becomes 90 and
// is written back.
void loadComSettings(Profile& profile, TargetLink& link);
// Writes the eight keys, the serial trace keys and the device paths.
void saveComSettings(Profile& profile, const TargetLink& link);

// The profile key holding the device path of a slot ("COM 1 Device" ...).
std::string deviceKeyFor(int slot);
// The device path the profile gives a slot (its default when absent), and the
// slot the device operations use (0..3).
std::string comSlotDevice(Profile& profile, int slot);
int comSlotInUse(Profile& profile);
// The serial trace file the profile names (relative: in the data directory).
std::string comTraceFile(Profile& profile);

// The texts the "COM Port Parameters" dialog shows.
struct ComDialogFields {
    std::string port;      // "COM 1" .. "COM 4"
    std::string baudRate;  // decimal text
    std::string parity;    // "NONE", "ODD", "EVEN"
    std::string dataBits;  // "7", "8"
    std::string stopBits;  // "1", "2"
    std::string voltage;   // "3 Volts", "5 Volts"
    bool singlePin = false;
    std::string devicePath;  // the device of the chosen slot
    bool serialTrace = false;
    std::string traceFile{};
    bool showChanges = true;
};

inline constexpr const char* kComPortChoices[] = {"COM 1", "COM 2", "COM 3", "COM 4"};
inline constexpr const char* kBaudRateChoices[] = {"110", "300", "1200", "2400", "4800", "9600", "19200"};
inline constexpr const char* kParityChoices[] = {"NONE", "ODD", "EVEN"};
inline constexpr const char* kDataBitsChoices[] = {"7", "8"};
inline constexpr const char* kStopBitsChoices[] = {"1", "2"};
inline constexpr const char* kVoltageChoices[] = {"3 Volts", "5 Volts"};

ComDialogFields comDialogFill(const ComSettings& settings);
// OK: the dialog's texts back into settings (the time-out is left alone).
void comDialogReadBack(const ComDialogFields& fields, ComSettings& settings);

// After OK: read back, close an open port at once so that the next operation
// opens it with the new settings, start or stop the serial trace on trace (when
// given) and save.
void applyComDialog(const ComDialogFields& fields, Profile& profile, TargetLink& link,
                    TracingLine* trace = nullptr);

// Starts or stops the trace of the line as the settings say. A file that
// cannot be opened is said in an error box and turns the setting off; false then.
bool followTraceSetting(TracingLine& line, ComSettings& settings, MessageLog& log);

// Serial devices present on this machine, for the dialog's device choice.
std::vector<std::string> findSerialDevices();

}  // namespace orv
