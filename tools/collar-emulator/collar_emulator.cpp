#include "collar_emulator.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <optional>

namespace orv::emu {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::nanoseconds;

struct TimedByte {
    unsigned char byte;
    Clock::time_point due;
};

void setNonBlocking(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// Waits with microsecond resolution (a character at 9600 baud takes 1.04 ms,
// so whole milliseconds would stretch every one of them). line -1: only the
// wake-up pipe. false when nothing happened.
bool waitOnLine(int wake, int line, bool wantWrite, nanoseconds wait, bool& called, bool& readable) {
    fd_set reads, writes;
    FD_ZERO(&reads);
    FD_ZERO(&writes);
    FD_SET(wake, &reads);
    if (line >= 0) {
        FD_SET(line, &reads);
        if (wantWrite) FD_SET(line, &writes);
    }
    const long long us = std::chrono::duration_cast<std::chrono::microseconds>(wait).count();
    timeval tv{static_cast<time_t>(us / 1'000'000), static_cast<suseconds_t>(us % 1'000'000)};
    if (::select(std::max(wake, line) + 1, &reads, &writes, nullptr, &tv) <= 0) return false;
    called = FD_ISSET(wake, &reads);
    readable = line >= 0 && FD_ISSET(line, &reads);
    return true;
}

}  // namespace

CollarEmulator::CollarEmulator(CollarOptions opts) : options(opts), device(std::move(opts)) {}

CollarEmulator::~CollarEmulator() {
    stop();
}

bool CollarEmulator::start() {
    if (running) return true;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return false;
    // The collar's own end stays open, so the line lives while the program
    // under test opens and closes it; raw, so nothing is echoed or translated.
    termios t{};
    tcgetattr(slave, &t);
    cfmakeraw(&t);
    tcsetattr(slave, TCSANOW, &t);
    setNonBlocking(master);
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        closeLine();
        return false;
    }
    wakeFd = pipeFds[0];
    wakeWriteFd = pipeFds[1];
    if (std::max(master, wakeFd) >= FD_SETSIZE) {
        closeLine();
        ::close(wakeFd);
        ::close(wakeWriteFd);
        wakeFd = wakeWriteFd = -1;
        return false;
    }
    setNonBlocking(wakeFd);
    setNonBlocking(wakeWriteFd);
    path = name;
    lineDead = false;
    running = true;
    server = std::thread([this] { serve(); });
    return true;
}

void CollarEmulator::stop() {
    if (!running.exchange(false)) return;
    signal();
    if (server.joinable()) server.join();
    closeLine();
    ::close(wakeFd);
    ::close(wakeWriteFd);
    wakeFd = wakeWriteFd = -1;
}

void CollarEmulator::signal() {
    const char c = 1;
    if (wakeWriteFd >= 0) [[maybe_unused]]
        auto n = ::write(wakeWriteFd, &c, 1);
}

void CollarEmulator::closeLine() {
    if (master >= 0) ::close(master);
    if (slave >= 0) ::close(slave);
    master = slave = -1;
    lineDead = true;
}

void CollarEmulator::applyMagnet() {
    magnetRequested = true;
    signal();
}

void CollarEmulator::hangUp() {
    hangUpRequested = true;
    signal();
}

void CollarEmulator::serve() {
    const nanoseconds charTime = options.baudRate > 0
                                     ? nanoseconds(1'000'000'000LL * options.bitsPerChar / options.baudRate)
                                     : nanoseconds(0);
    std::deque<TimedByte> rxQueue, txQueue;
    std::string outBuffer;
    std::string frameText;
    bool inFrame = false;
    auto rxFree = Clock::now();
    auto txFree = rxFree;
    std::optional<Clock::time_point> magnetDue;
    bool magnetArmed = false;

    // Each character leaves when the one before it has left, then takes its own time.
    const auto transmit = [&](const std::string& bytes, Clock::time_point now) {
        for (const char c : bytes) {
            txFree = std::max(txFree, now) + charTime;
            txQueue.push_back({static_cast<unsigned char>(c), txFree});
        }
    };
    const auto magnet = [&](Clock::time_point now) {
        std::string banner;
        {
            std::lock_guard guard(stateLock);
            banner = device.applyMagnet();
        }
        transmit(banner, now);
    };

    while (running) {
        auto now = Clock::now();
        if (hangUpRequested.exchange(false) && !lineDead) closeLine();
        if (magnetRequested.exchange(false)) magnet(now);
        if (magnetDue && now >= *magnetDue) {
            magnetDue.reset();
            magnet(now);
        }
        while (!lineDead && !rxQueue.empty() && rxQueue.front().due <= now) {
            const unsigned char b = rxQueue.front().byte;
            rxQueue.pop_front();
            if (options.singlePin) outBuffer += static_cast<char>(b);
            if (b == kSoh) {
                inFrame = true;
                frameText.clear();
            } else if (b == kEot && inFrame) {
                inFrame = false;
                CollarDevice::Reply reply;
                {
                    std::lock_guard guard(stateLock);
                    reply = device.handle(frameText);
                    if (device.awake()) {
                        magnetArmed = false;
                    } else if (options.magnetAfterMs >= 0 && !magnetArmed) {
                        magnetArmed = true;
                        magnetDue = now + std::chrono::milliseconds(options.magnetAfterMs);
                    }
                }
                commandArrived.notify_all();
                if (reply.hangUp) {
                    closeLine();
                    break;
                }
                transmit(reply.bytes, now);
            } else if (inFrame && frameText.size() < kMaxFrame) {
                frameText += static_cast<char>(b);
            }
        }
        while (!txQueue.empty() && txQueue.front().due <= now) {
            outBuffer += static_cast<char>(txQueue.front().byte);
            txQueue.pop_front();
        }
        if (lineDead) {
            outBuffer.clear();
            txQueue.clear();
            rxQueue.clear();
        }
        if (!outBuffer.empty()) {
            const ssize_t n = ::write(master, outBuffer.data(), outBuffer.size());
            if (n > 0) {
                outBuffer.erase(0, static_cast<std::size_t>(n));
                sent += n;
            }
        }

        // Sleep until the next character is due, a byte arrives, or someone calls.
        std::optional<Clock::time_point> next = magnetDue;
        for (const auto* q : {&rxQueue, &txQueue})
            if (!q->empty()) next = next ? std::min(*next, q->front().due) : q->front().due;
        nanoseconds wait = std::chrono::milliseconds(200);
        now = Clock::now();
        if (next) wait = std::clamp<nanoseconds>(*next - now, nanoseconds(0), wait);
        bool called = false;
        bool readable = false;
        if (!waitOnLine(wakeFd, lineDead ? -1 : master, !outBuffer.empty(), wait, called, readable)) continue;
        if (called) {
            char drain[64];
            while (::read(wakeFd, drain, sizeof drain) > 0) {
            }
        }
        if (!lineDead && readable) {
            unsigned char in[4096];
            const ssize_t n = ::read(master, in, sizeof in);
            if (n > 0) {
                received += n;
                now = Clock::now();
                for (ssize_t i = 0; i < n; ++i) {
                    rxFree = std::max(rxFree, now) + charTime;
                    rxQueue.push_back({in[i], rxFree});
                }
            }
        }
    }
}

std::vector<std::string> CollarEmulator::commandLog() const {
    std::lock_guard guard(stateLock);
    return device.commandLog();
}

int CollarEmulator::commandCount() const {
    std::lock_guard guard(stateLock);
    return device.commandCount();
}

bool CollarEmulator::waitForCommands(int count, int timeoutMs) const {
    std::unique_lock lock(stateLock);
    return commandArrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                   [&] { return device.commandCount() >= count; });
}

bool CollarEmulator::awake() const {
    std::lock_guard guard(stateLock);
    return device.awake();
}

bool CollarEmulator::shutDown() const {
    std::lock_guard guard(stateLock);
    return device.shutDown();
}

std::vector<std::uint8_t> CollarEmulator::memory(std::uint32_t address, std::size_t length) const {
    std::lock_guard guard(stateLock);
    return device.memory(address, length);
}

void CollarEmulator::setMemory(std::uint32_t address, const std::vector<std::uint8_t>& bytes) {
    std::lock_guard guard(stateLock);
    device.setMemory(address, bytes);
}

std::vector<std::uint8_t> CollarEmulator::factory() const {
    std::lock_guard guard(stateLock);
    return {device.factory().begin(), device.factory().end()};
}

void CollarEmulator::setFactory(std::size_t offset, const std::vector<std::uint8_t>& bytes) {
    std::lock_guard guard(stateLock);
    device.setFactory(offset, bytes);
}

std::vector<std::uint8_t> CollarEmulator::versionBytes() const {
    std::lock_guard guard(stateLock);
    return device.versionBytes();
}

}  // namespace orv::emu
