// collar-emulator: a collar on a pseudo-terminal, so that the program can be
// tried and shown without one. Prints the serial device to open (or makes a
// symbolic link to it), then serves until interrupted.
//
// While it runs: SIGUSR1 or a line "magnet" on stdin puts the magnet to the
// collar; "hangup" kills the line; "quit" (or Ctrl-C) ends it.

#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "collar_emulator.h"

namespace {

volatile std::sig_atomic_t quitRequested = 0;
volatile std::sig_atomic_t magnetSignals = 0;

void onQuit(int) {
    quitRequested = 1;
}
void onMagnet(int) {
    magnetSignals = magnetSignals + 1;
}

void usage() {
    std::fprintf(
        stderr,
        "usage: collar-emulator [options]\n"
        "  --firmware TEXT      firmware the collar reports (default \"N4 040816\")\n"
        "  --build N            build number of that firmware (default 3)\n"
        "  --memory-answer HEX  data of the memory-configuration answer (default 0800; 16.. = high sector)\n"
        "  --asleep             asleep until the magnet\n"
        "  --magnet-after MS    asleep: the magnet comes MS after the first command heard\n"
        "  --single-pin         echo every byte received\n"
        "  --baud N [--bits B]  take B bits (default 10) per character at N baud each way\n"
        "  --fill HEX           flash content before the first erase (default FF)\n"
        "  --fault NAME[@N]     no-answer, wrong-banner, erase-refused, status-with-data,\n"
        "                       garbage-before-soh, flipped-readback-bit, hang-up (repeatable)\n"
        "  --link PATH          make PATH a symbolic link to the device\n"
        "  --log                print every command received\n");
}

bool numberArg(const char* text, long low, long high, long& out) {
    char* end = nullptr;
    out = std::strtol(text, &end, 0);
    return end != text && *end == '\0' && out >= low && out <= high;
}

}  // namespace

int main(int argc, char** argv) {
    orv::emu::CollarOptions options;
    std::string link;
    bool logCommands = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long n = 0;
        if (arg == "--asleep") {
            options.asleep = true;
        } else if (arg == "--single-pin") {
            options.singlePin = true;
        } else if (arg == "--log") {
            logCommands = true;
        } else if (arg == "--firmware" && hasValue) {
            options.firmware = argv[++i];
        } else if (arg == "--memory-answer" && hasValue) {
            options.memoryAnswer = argv[++i];
        } else if (arg == "--link" && hasValue) {
            link = argv[++i];
        } else if (arg == "--build" && hasValue && numberArg(argv[++i], 0, 255, n)) {
            options.build = static_cast<int>(n);
        } else if (arg == "--magnet-after" && hasValue && numberArg(argv[++i], 0, 3600000, n)) {
            options.magnetAfterMs = static_cast<int>(n);
        } else if (arg == "--baud" && hasValue && numberArg(argv[++i], 1, 10000000, n)) {
            options.baudRate = static_cast<int>(n);
        } else if (arg == "--bits" && hasValue && numberArg(argv[++i], 1, 64, n)) {
            options.bitsPerChar = static_cast<int>(n);
        } else if (arg == "--fill" && hasValue &&
                   numberArg((std::string("0x") + argv[++i]).c_str(), 0, 255, n)) {
            options.initialFill = static_cast<std::uint8_t>(n);
        } else if (arg == "--fault" && hasValue) {
            orv::emu::Fault fault{};
            if (!orv::emu::parseFault(argv[++i], fault)) {
                std::fprintf(stderr, "collar-emulator: unknown fault '%s'\n", argv[i]);
                return 2;
            }
            options.faults.push_back(fault);
        } else {
            usage();
            return arg == "--help" ? 0 : 2;
        }
    }

    orv::emu::CollarEmulator collar(options);
    if (!collar.start()) {
        std::fprintf(stderr, "collar-emulator: no pseudo-terminal available: %s\n", std::strerror(errno));
        return 1;
    }
    if (!link.empty()) {
        ::unlink(link.c_str());
        if (::symlink(collar.devicePath().c_str(), link.c_str()) != 0) {
            std::fprintf(stderr, "collar-emulator: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
            return 1;
        }
    }
    std::printf("%s\n", link.empty() ? collar.devicePath().c_str() : link.c_str());
    std::fflush(stdout);

    std::signal(SIGINT, onQuit);
    std::signal(SIGTERM, onQuit);
    std::signal(SIGUSR1, onMagnet);
    int magnetsSeen = 0;
    int logged = 0;
    bool stdinOpen = true;
    std::string line;
    while (!quitRequested) {
        pollfd p{STDIN_FILENO, POLLIN, 0};
        if (stdinOpen && ::poll(&p, 1, 100) > 0) {
            char c;
            if (::read(STDIN_FILENO, &c, 1) != 1) {
                stdinOpen = false;
            } else if (c != '\n') {
                line += c;
            } else {
                if (line == "magnet" || line == "m") collar.applyMagnet();
                if (line == "hangup") collar.hangUp();
                if (line == "quit" || line == "q") quitRequested = 1;
                line.clear();
            }
        } else if (!stdinOpen) {
            ::usleep(100000);
        }
        for (; magnetsSeen < magnetSignals; ++magnetsSeen) collar.applyMagnet();
        if (logCommands) {
            const auto log = collar.commandLog();
            for (; logged < static_cast<int>(log.size()); ++logged)
                std::printf("< %s\n", log[static_cast<std::size_t>(logged)].c_str());
            std::fflush(stdout);
        }
    }
    collar.stop();
    if (!link.empty()) ::unlink(link.c_str());
    return 0;
}
