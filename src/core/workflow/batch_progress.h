#pragma once

// What a batch shows while its ports work. On a terminal: one line per port
// (port, CTN, phase, percent), redrawn in place, with the ports' messages
// above them. Elsewhere (a pipe, a file, a CI log): a plain line per event,
// a phase change or a quarter of the bar.

#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace orv {

struct BatchPortState {
    std::string port;
    std::string ctn;
    std::string phase;
    int percent = 0;
};

// "PORT CTN: phase [ 25%]".
std::string batchPortLine(const BatchPortState& state);

class BatchProgressBoard {
public:
    // write: takes each piece of text as it is to appear. width: the
    // terminal's columns; a port's line is cut to fit so that it never wraps.
    BatchProgressBoard(std::vector<BatchPortState> ports, bool terminal, int width,
                       std::function<void(const std::string&)> write);

    // A port's phase or bar changed. Any thread.
    void update(std::size_t port, const std::string& phase, int percent);
    // A line of a port's own (a message box): above the board on a terminal.
    void message(const std::string& text);

private:
    std::string boardText() const;
    std::string lift() const;

    mutable std::mutex lock;
    std::vector<BatchPortState> states;
    std::vector<int> quartersShown;
    bool terminal;
    int width;
    std::function<void(const std::string&)> write;
    int linesDrawn = 0;
};

}  // namespace orv
