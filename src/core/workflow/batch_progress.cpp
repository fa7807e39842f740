#include "workflow/batch_progress.h"

#include "app/format_text.h"

namespace orv {

namespace {

constexpr const char* kClearLine = "\r\033[K";
constexpr const char* kClearBelow = "\r\033[J";
constexpr int kNarrowest = 20;

}  // namespace

std::string batchPortLine(const BatchPortState& state) {
    return formatText("%s %s: %s [%3d%%]", state.port.c_str(), state.ctn.c_str(), state.phase.c_str(),
                      state.percent);
}

BatchProgressBoard::BatchProgressBoard(std::vector<BatchPortState> ports, bool onTerminal, int columns,
                                       std::function<void(const std::string&)> writer)
    : states(std::move(ports)),
      quartersShown(states.size(), 0),
      terminal(onTerminal),
      width(columns < kNarrowest ? kNarrowest : columns),
      write(std::move(writer)) {
    if (terminal) {
        write(boardText());
        linesDrawn = static_cast<int>(states.size());
    }
}

std::string BatchProgressBoard::lift() const {
    return linesDrawn > 0 ? formatText("\033[%dA", linesDrawn) : std::string();
}

std::string BatchProgressBoard::boardText() const {
    std::string text;
    for (const BatchPortState& state : states) {
        std::string line = batchPortLine(state);
        // The last column stays free: a full line would move the cursor on its own on some terminals.
        if (static_cast<int>(line.size()) >= width) line.resize(static_cast<std::size_t>(width - 1));
        text += kClearLine;
        text += line;
        text += '\n';
    }
    return text;
}

void BatchProgressBoard::update(std::size_t port, const std::string& phase, int percent) {
    std::lock_guard guard(lock);
    if (port >= states.size()) return;
    BatchPortState& state = states[port];
    const bool newPhase = phase != state.phase;
    if (!newPhase && percent == state.percent) return;
    state.phase = phase;
    state.percent = percent;
    if (terminal) {
        write(lift() + boardText());
        return;
    }
    const int quarter = percent / 25;
    if (!newPhase && quarter == quartersShown[port]) return;
    quartersShown[port] = quarter;
    write(batchPortLine(state) + "\n");
}

void BatchProgressBoard::message(const std::string& text) {
    std::lock_guard guard(lock);
    if (!terminal) {
        write(text + "\n");
        return;
    }
    write(lift() + kClearBelow + text + "\n" + boardText());
}

}  // namespace orv
