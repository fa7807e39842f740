#pragma once

// The emulated collar of the device benchmarks, every character paced at
// 9600 baud, 7 data bits, odd parity, 1 stop bit (10 bits a character), with
// the link, record and selection an operation needs and a progress window
// nobody looks at.

#include <string>

#include "app/message_log.h"
#include "collar_emulator.h"
#include "device/device_operations.h"
#include "device/serial_port.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/record.h"

namespace orv::bench {

inline constexpr int kBaud = 9600;
inline constexpr int kBitsPerCharacter = 10;  // start, 7 data, parity, stop

class QuietProgress : public ProgressSink {
public:
    void setCaption(const std::string&) override {}
    void setLegend(const std::string&) override {}
    void setPosition(int) override {}
    bool aborted() override { return false; }
};

struct PacedCollar {
    explicit PacedCollar(const char* firmware) : collar(options(firmware)) {
        started = collar.start();
        port.setDevicePath(0, collar.devicePath());
        link.settings = ComSettings{0, kBaud, 4, 0, 0, 0, 0, 90};
        resetRecord(record);
        selection.selectRow(findFirmware(firmware));
    }
    // Characters both ways so far.
    long long characters() const { return collar.charsReceived() + collar.charsSent(); }

    static emu::CollarOptions options(const char* firmware) {
        emu::CollarOptions o;
        o.firmware = firmware;
        o.baudRate = kBaud;
        o.bitsPerChar = kBitsPerCharacter;
        return o;
    }

    emu::CollarEmulator collar;
    bool started = false;
    SerialPort port;
    MessageLog log;
    TargetLink link{port, log};
    ParameterRecord record;
    RecordFirmwareSelection selection{record};
    DeviceContext context{link, record, selection};
    QuietProgress progress;
};

}  // namespace orv::bench
