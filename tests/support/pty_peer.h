#pragma once

// The far end of a pseudo-terminal for serial-line tests: the code under test
// opens path() as its serial device, the test reads and writes the other end,
// by hand or through a responder that answers each SOH ... EOT frame.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace orv::test {

class PtyPeer {
public:
    PtyPeer() {
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
        termios t{};
        tcgetattr(slave, &t);
        cfmakeraw(&t);
        tcsetattr(slave, TCSANOW, &t);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        devicePath = name;
    }
    ~PtyPeer() {
        stopResponder();
        hangUp();
    }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool ok() const { return !devicePath.empty(); }
    const std::string& path() const { return devicePath; }

    void send(std::string_view bytes) {
        if (master >= 0 && !bytes.empty()) [[maybe_unused]]
            auto n = ::write(master, bytes.data(), bytes.size());
    }

    // Everything that arrives until quietMs pass with nothing new (or totalMs in all).
    std::string receive(int quietMs = 100, int totalMs = 2000) {
        std::string got;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(totalMs);
        while (master >= 0 && std::chrono::steady_clock::now() < end) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, quietMs) <= 0) break;
            char buf[512];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n <= 0) break;
            got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }

    // Answers each frame the program sends with reply(text) (raw bytes, framing
    // included; empty: silence). echo: send every byte straight back first, as
    // a single-pin interface does.
    void respond(std::function<std::string(const std::string&)> reply, bool echo = false) {
        stopResponder();
        running = true;
        responder = std::thread([this, reply = std::move(reply), echo] {
            std::string frame;
            bool inFrame = false;
            while (running) {
                pollfd p{master, POLLIN, 0};
                if (::poll(&p, 1, 20) <= 0) continue;
                char buf[512];
                const ssize_t n = ::read(master, buf, sizeof buf);
                if (n <= 0) continue;
                for (ssize_t i = 0; i < n; ++i) {
                    const char c = buf[i];
                    if (echo) send(std::string_view(&c, 1));
                    if (c == 0x01) {
                        inFrame = true;
                        frame.clear();
                    } else if (c == 0x04 && inFrame) {
                        inFrame = false;
                        {
                            std::lock_guard guard(lock);
                            frames.push_back(frame);
                        }
                        send(reply(frame));
                    } else if (inFrame) {
                        frame += c;
                    }
                }
            }
        });
    }

    void stopResponder() {
        running = false;
        if (responder.joinable()) responder.join();
    }

    std::vector<std::string> received() {
        std::lock_guard guard(lock);
        return frames;
    }

    // Closes the far end: the program's side of the line hangs up.
    void hangUp() {
        stopResponder();
        if (master >= 0) ::close(master);
        if (slave >= 0) ::close(slave);
        master = slave = -1;
    }

    // A frame as the collar sends it.
    static std::string answer(std::string_view payload) { return "\x01" + std::string(payload) + "\x04"; }

private:
    int master = -1;
    int slave = -1;
    std::string devicePath;
    std::thread responder;
    std::atomic<bool> running{false};
    std::mutex lock;
    std::vector<std::string> frames;
};

}  // namespace orv::test
