#pragma once

#include <string>

namespace orv {

// What waiting on the line found.
enum class LineWait {
    Ready,     // a byte is waiting
    TimedOut,  // nothing came within the time
    Lost,      // the slot is closed or the device hung up: nothing will come
};

// The bytes under the target link: up to four port slots, a byte at a time,
// and the clock the link measures its time-outs by. The termios port is one;
// tests put an in-memory line with a collar and a clock of its own under the
// same link. No protocol knowledge and no messages: every failure is a result.
class ByteLine {
public:
    virtual ~ByteLine() = default;

    virtual std::string devicePath(int slot) const = 0;
    virtual void setDevicePath(int slot, const std::string& path) = 0;

    // 1 success, 0 failure (slot already open, baud rate 0, device missing or in use).
    virtual int open(int slot, int settingsWord, int baudRate) = 0;
    virtual void close(int slot) = 0;
    virtual bool isOpen(int slot) const = 0;
    virtual bool hasHungUp(int slot) const = 0;
    // The byte as a signed 8-bit value widened to int, -1 when nothing is
    // waiting, 0 when the slot is closed. Never waits.
    virtual int readByte(int slot) = 0;
    // 1 success, 0 failure.
    virtual int writeByte(int slot, int byte) = 0;
    // Waits at most timeoutMs for a byte to be waiting.
    virtual LineWait waitReadable(int slot, int timeoutMs) = 0;
    virtual void clearRts(int slot) = 0;

    // Milliseconds on the line's clock (any fixed origin).
    virtual long long nowMs() const;
    // Lets timeMs pass on the line's clock.
    virtual void pause(int timeMs);
};

}  // namespace orv
