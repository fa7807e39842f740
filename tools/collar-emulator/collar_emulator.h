#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "collar_device.h"
#include "collar_options.h"

namespace orv::emu {

// A collar on a pseudo-terminal: the program under test opens devicePath()
// as its serial port and talks to the real driver, link and operations. A
// thread serves the line; with a baud rate every character takes its time on
// the line in both directions, so timings are those of a real collar.
class CollarEmulator {
public:
    explicit CollarEmulator(CollarOptions options = {});
    ~CollarEmulator();
    CollarEmulator(const CollarEmulator&) = delete;
    CollarEmulator& operator=(const CollarEmulator&) = delete;

    // Opens the pseudo-terminal and starts serving. false when no terminal could be had.
    bool start();
    void stop();
    // The serial device to open, e.g. /dev/pts/7.
    const std::string& devicePath() const { return path; }

    // Puts the magnet to the collar (an asleep collar wakes and sends its banner).
    void applyMagnet();
    // The line goes dead: the program's reads fail from now on.
    void hangUp();
    bool hungUp() const { return lineDead.load(); }

    std::vector<std::string> commandLog() const;
    int commandCount() const;
    // Waits until at least count command frames have arrived; false on time-out.
    bool waitForCommands(int count, int timeoutMs) const;
    bool awake() const;
    bool shutDown() const;
    std::vector<std::uint8_t> memory(std::uint32_t address, std::size_t length) const;
    void setMemory(std::uint32_t address, const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> factory() const;
    void setFactory(std::size_t offset, const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> versionBytes() const;

    // Characters that crossed the line each way.
    long long charsReceived() const { return received.load(); }
    long long charsSent() const { return sent.load(); }

private:
    void serve();
    void signal();
    void closeLine();

    CollarOptions options;
    CollarDevice device;
    mutable std::mutex stateLock;
    mutable std::condition_variable commandArrived;
    std::string path;
    int master = -1;
    int slave = -1;
    int wakeFd = -1;
    int wakeWriteFd = -1;
    std::thread server;
    std::atomic<bool> running{false};
    std::atomic<bool> magnetRequested{false};
    std::atomic<bool> hangUpRequested{false};
    std::atomic<bool> lineDead{false};
    std::atomic<long long> received{0};
    std::atomic<long long> sent{0};
};

}  // namespace orv::emu
