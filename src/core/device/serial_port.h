#pragma once

#include <array>
#include <atomic>
#include <string>

#include "device/byte_line.h"
#include "device/line_settings.h"

namespace orv {

inline constexpr int kSerialSlots = 4;

// One of the four port slots. Slot n is "COM n+1" to the user; on this system
// it names a serial device path.
struct PortSlot {
    int fd = -1;
    int portNumber = 0;
    std::atomic<int> isOpen{0};
    int byteSize = 8;
    int parity = kParityNone;
    int parityEnabled = 0;
    int stopBits = kOneStopBit;
    int baudRate = 0;
    int echoMode = 0;
    std::atomic<int> hungUp{0};
    std::string devicePath;
};

// A byte-oriented driver for up to four serial ports on termios. It keeps no
// protocol knowledge and shows no message: every failure is its result.
// Used by one worker thread at a time; close may also come from the link's
// delayed-close thread, which the link orders against the worker.
class SerialPort final : public ByteLine {
public:
    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // "/dev/ttyUSB<slot>": COM n is the n-th USB serial adapter unless the profile says otherwise.
    static std::string defaultDevicePath(int slot);
    void setDevicePath(int slot, const std::string& path) override;
    std::string devicePath(int slot) const override;

    // 1 success, 0 failure (slot already open, baud rate 0, device missing or in use).
    int open(int slot, int settingsWord, int baudRate) override;
    // Only on an open slot: data bits, parity, stop bits and baud rate again.
    int reconfigure(int slot, int settingsWord, int baudRate);
    // The byte as a signed 8-bit value widened to int, -1 when nothing is
    // waiting, 0 when the slot is closed. Never waits.
    int readByte(int slot) override;
    // 1 success, 0 failure; in echo mode also 0 when the echo is missing or differs.
    int writeByte(int slot, int byte) override;
    // 1 if every byte was written; stops at the first failed byte.
    int writeText(int slot, const char* text);
    // Reads up to capacity - 1 bytes, until 2 s pass with nothing; zero-terminates. Returns the count.
    int readText(int slot, char* buffer, int capacity);
    void purge(int slot);
    int pendingOutput(int slot);
    void setDtr(int slot);
    void clearDtr(int slot);
    void setRts(int slot);
    void clearRts(int slot) override;
    void close(int slot) override;

    // Waits at most timeoutMs for a byte to be waiting, so that callers take a
    // byte the moment it arrives instead of sleeping a fixed time.
    LineWait waitReadable(int slot, int timeoutMs) override;

    bool isOpen(int slot) const override;
    bool hasHungUp(int slot) const override;
    // The most recent slot opened while no other slot was open; -1 before any.
    int currentPort() const { return current; }
    const PortSlot& slotState(int slot) const;

private:
    PortSlot* openSlot(int slot);
    void modemLine(int slot, int bits, bool raise);
    int applyLine(PortSlot& s);

    std::array<PortSlot, kSerialSlots> slots;
    int current = -1;
};

}  // namespace orv
