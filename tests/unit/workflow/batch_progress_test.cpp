// The batch progress board fed with the events of its ports: on a terminal
// (read through a small screen that obeys the cursor movements) one line per
// port redrawn in place with the messages above; elsewhere a plain line per
// phase and per quarter of the bar.

#include "workflow/batch_progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace orv::test {
namespace {

// The lines a terminal shows after the text: carriage return, line feed,
// clear to the end of the line ("ESC [ K") or of the screen ("ESC [ J"), and
// cursor up ("ESC [ n A").
class Screen {
public:
    void feed(const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '\r') {
                column = 0;
            } else if (c == '\n') {
                ++row;
                column = 0;
            } else if (c == '\033') {
                ASSERT_EQ(text[i + 1], '[');
                std::size_t end = i + 2;
                int n = 0;
                while (std::isdigit(static_cast<unsigned char>(text[end]))) n = n * 10 + (text[end++] - '0');
                const char command = text[end];
                if (command == 'A') {
                    row -= n;
                    ASSERT_GE(row, 0) << "the cursor left the screen";
                } else if (command == 'K') {
                    line().resize(column);
                } else if (command == 'J') {
                    line().resize(column);
                    lines.resize(row + 1);
                } else {
                    FAIL() << "unknown command " << command;
                }
                i = end;
            } else {
                std::string& l = line();
                if (l.size() <= column) l.resize(column + 1, ' ');
                l[column++] = c;
            }
        }
    }
    // The lines above the cursor's line.
    std::vector<std::string> shown() const {
        return std::vector<std::string>(lines.begin(),
                                        lines.begin() + static_cast<long>(std::min(row, lines.size())));
    }

private:
    std::string& line() {
        if (lines.size() <= row) lines.resize(row + 1);
        return lines[row];
    }
    std::vector<std::string> lines;
    std::size_t row = 0;
    std::size_t column = 0;
};

std::vector<BatchPortState> twoPorts() {
    return {{"/dev/pts/3", "C1", "waiting", 0}, {"/dev/pts/4", "C2", "waiting", 0}};
}

TEST(BatchProgressBoard, OnATerminalEachPortKeepsOneLineRedrawnInPlaceBelowTheMessages) {
    Screen screen;
    BatchProgressBoard board(twoPorts(), true, 80, [&](const std::string& text) { screen.feed(text); });
    EXPECT_EQ(screen.shown(),
              (std::vector<std::string>{"/dev/pts/3 C1: waiting [  0%]", "/dev/pts/4 C2: waiting [  0%]"}));
    for (int percent = 0; percent <= 60; percent += 3) board.update(1, "Writing 744 bytes", percent);
    board.update(0, "Erasing target FLASH memory sector", 0);
    board.message("/dev/pts/4: Error: The target did not answer.\nCheck the cable.");
    board.update(0, "Reading", 100);
    EXPECT_EQ(screen.shown(), (std::vector<std::string>{"/dev/pts/4: Error: The target did not answer.",
                                                        "Check the cable.", "/dev/pts/3 C1: Reading [100%]",
                                                        "/dev/pts/4 C2: Writing 744 bytes [ 60%]"}));
}

TEST(BatchProgressBoard, ALongLineIsCutToTheTerminalSoThatItNeverWraps) {
    Screen screen;
    BatchProgressBoard board(twoPorts(), true, 30, [&](const std::string& text) { screen.feed(text); });
    board.update(0, "Put the magnet near the target for 10 seconds, then remove it.", 0);
    const auto shown = screen.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "/dev/pts/3 C1: Put the magnet");
    EXPECT_EQ(shown[0].size(), 29u);
}

TEST(BatchProgressBoard, ElsewhereAPlainLineForEachPhaseAndQuarterOfTheBar) {
    std::string out;
    BatchProgressBoard board(twoPorts(), false, 80, [&](const std::string& text) { out += text; });
    EXPECT_EQ(out, "") << "nothing before the first event";
    board.update(0, "Erasing", 0);
    for (int percent = 0; percent <= 100; percent += 10) board.update(0, "Writing", percent);
    board.message("/dev/pts/3: Warning: slow");
    board.update(0, "Writing", 100);
    EXPECT_EQ(out,
              "/dev/pts/3 C1: Erasing [  0%]\n"
              "/dev/pts/3 C1: Writing [  0%]\n"
              "/dev/pts/3 C1: Writing [ 30%]\n"
              "/dev/pts/3 C1: Writing [ 50%]\n"
              "/dev/pts/3 C1: Writing [ 80%]\n"
              "/dev/pts/3 C1: Writing [100%]\n"
              "/dev/pts/3: Warning: slow\n");
}

}  // namespace
}  // namespace orv::test
