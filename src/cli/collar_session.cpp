#include "collar_session.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "cli_messages.h"

namespace orv::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    interrupted = 1;
}

bool positiveNumber(const std::string& text, int& value) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n <= 0 || n > 100000000) return false;
    value = static_cast<int>(n);
    return true;
}

}  // namespace

int lineSettings(const Args& args, ComSettings& s) {
    s = ComSettings{};
    s.portSlot = 0;
    if (const auto baud = args.value("baud"); baud && !positiveNumber(*baud, s.baudRate))
        return usageError(clitext::baudNotPositive(*baud));
    if (const auto parity = args.value("parity")) {
        if (*parity == "none")
            s.parityBits = 0;
        else if (*parity == "odd")
            s.parityBits = 4;
        else if (*parity == "even")
            s.parityBits = 12;
        else
            return usageError(clitext::parityUnknown(*parity));
    }
    if (const auto bits = args.value("data-bits")) {
        if (*bits != "7" && *bits != "8") return usageError(clitext::dataBitsUnknown(*bits));
        s.dataBitsBit = *bits == "8" ? 1 : 0;
    }
    if (const auto bits = args.value("stop-bits")) {
        if (*bits != "1" && *bits != "2") return usageError(clitext::stopBitsUnknown(*bits));
        s.stopBitsBits = *bits == "2" ? 2 : 0;
    }
    if (args.has("single-pin")) s.singlePinBit = 64;
    if (const auto timeout = args.value("timeout"); timeout && !positiveNumber(*timeout, s.comTimeoutSeconds))
        return usageError(clitext::timeoutNotPositive(*timeout));
    return kExitOk;
}

TerminalProgress::TerminalProgress(int wakeSeconds)
    : wakeLimit(wakeSeconds), terminal(isatty(STDERR_FILENO) == 1) {}

void TerminalProgress::setCaption(const std::string& text) {
    caption = text;
    draw();
}

void TerminalProgress::setLegend(const std::string& text) {
    legend = text;
    draw();
}

void TerminalProgress::setPosition(int percent) {
    position = percent;
    draw();
}

bool TerminalProgress::aborted() {
    return interrupted != 0;
}

void TerminalProgress::beep(int, int) {
    if (terminal) std::fputc('\a', stderr);
}

void TerminalProgress::clearLine() {
    if (!terminal || !drawn) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    drawn = false;
}

void TerminalProgress::draw() {
    if (!terminal) return;
    std::fprintf(stderr, "\r\033[K%s: %s [%3d%%]", caption.c_str(), legend.c_str(), position);
    std::fflush(stderr);
    drawn = true;
}

CollarSession::InterruptAsAbort::InterruptAsAbort() {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous);
}

CollarSession::InterruptAsAbort::~InterruptAsAbort() {
    sigaction(SIGINT, &previous, nullptr);
}

int CollarSession::Presenter::present(BoxKind kind, const std::string& caption, const std::string& text) {
    progress.clearLine();
    return inner ? inner->present(kind, caption, text) : kAnswerOk;
}

CollarSession::CollarSession(Session& session, const std::string& port, const ComSettings& settings,
                             std::shared_ptr<SerialTrace> trace, bool rootIdFlag)
    : session(session),
      line(settings.comTimeoutSeconds),
      presenter(session.log.presenter, line),
      shownBefore(session.log.presenter),
      traced(serial, std::move(trace)),
      link(traced, session.log),
      selection(session.record),
      deviceContext{link, session.record, selection, rootIdFlag} {
    serial.setDevicePath(0, port);
    link.settings = settings;
    session.log.presenter = &presenter;
}

CollarSession::~CollarSession() {
    line.clearLine();
    session.log.presenter = shownBefore;
}

}  // namespace orv::cli
