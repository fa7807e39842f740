#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

#include "collar_device.h"
#include "collar_options.h"
#include "device/byte_line.h"

namespace orv::emu {

// A collar on an in-memory line: the program's link talks to a CollarDevice
// in the same process, on a clock of the line's own that moves only while the
// link waits or pauses. A minute of silence costs nothing, so every fault can
// be tried on every operation in milliseconds. Every slot leads to the collar.
// Besides the collar's faults it shows the port's own: a stall in the middle
// of an answer, a failed read, a failed write.
class CollarLine final : public ByteLine {
public:
    explicit CollarLine(CollarOptions options = {});

    std::string devicePath(int slot) const override;
    void setDevicePath(int slot, const std::string& path) override;
    int open(int slot, int settingsWord, int baudRate) override;
    void close(int slot) override;
    bool isOpen(int slot) const override;
    bool hasHungUp(int slot) const override;
    int readByte(int slot) override;
    int writeByte(int slot, int byte) override;
    LineWait waitReadable(int slot, int timeoutMs) override;
    void clearRts(int slot) override;
    long long nowMs() const override;
    void pause(int timeMs) override;

    // Puts the magnet to the collar.
    void applyMagnet();
    // Opening any slot fails from now on (the adapter is missing).
    void removeAdapter() { adapterMissing = true; }

    const CollarDevice& collar() const { return device; }
    CollarDevice& collar() { return device; }
    int openCount() const { return opens; }

private:
    struct QueuedByte {
        unsigned char byte;
        long long dueUs;
        bool failsRead = false;  // reading here fails as a port error
    };

    bool faultAt(FaultKind kind, int command) const;
    void queueReply(const CollarDevice::Reply& reply, int command);
    void transmit(const std::string& bytes, long long extraUs, bool failAtFirst);
    void deliver(unsigned char byte);
    void advanceTo(long long us);
    void lose();
    std::optional<long long> nextEventUs() const;
    bool usable(int slot) const;

    mutable std::mutex lock;
    CollarOptions options;
    CollarDevice device;
    std::array<std::string, 4> paths;
    std::array<bool, 4> open_{};
    long long nowUs = 0;
    long long charUs = 0;
    long long txFreeUs = 0;
    std::deque<QueuedByte> rx;  // collar -> program
    std::string frameText;
    bool inFrame = false;
    bool hungUp = false;
    bool adapterMissing = false;
    int framesStarted = 0;
    bool frameFailing = false;
    std::optional<long long> magnetDueUs;
    bool magnetArmed = false;
    int opens = 0;
};

}  // namespace orv::emu
