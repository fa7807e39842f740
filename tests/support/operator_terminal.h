#pragma once

// The operator at the keyboard: a pseudo-terminal whose far end is a
// program's standard input, for the questions a program asks only on a
// terminal (batch's "press Enter" between waves). The test presses Enter.

#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "run_process.h"

namespace orv::test {

class OperatorTerminal {
public:
    OperatorTerminal() { openpty(&master, &slave, name, nullptr, nullptr); }
    ~OperatorTerminal() {
        if (slave >= 0) close(slave);
        if (master >= 0) close(master);
    }
    OperatorTerminal(const OperatorTerminal&) = delete;
    OperatorTerminal& operator=(const OperatorTerminal&) = delete;

    std::string path() const { return name; }
    void pressEnter() { [[maybe_unused]] const auto n = write(master, "\n", 1); }

private:
    int master = -1;
    int slave = -1;
    char name[256] = {};
};

// program started in folder with the terminal as its standard input (a shell
// redirects it, then becomes the program: the pid is the program's).
inline RunningProcess startOnTerminal(const std::string& program, const std::vector<std::string>& args,
                                      const std::string& folder, const OperatorTerminal& terminal) {
    std::vector<std::string> shell{"-c", "exec \"$0\" \"$@\" < '" + terminal.path() + "'", program};
    shell.insert(shell.end(), args.begin(), args.end());
    return startProcess("/bin/sh", shell, folder);
}

// Waits until the running program's standard error holds text; false after timeoutMs.
inline bool waitForError(const RunningProcess& running, const std::string& text, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        std::string err;
        char buffer[4096];
        for (ssize_t n, at = 0; (n = pread(running.errFd, buffer, sizeof buffer, at)) > 0; at += n)
            err.append(buffer, static_cast<std::size_t>(n));
        if (err.find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

}  // namespace orv::test
