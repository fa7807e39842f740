#include "device/target_link.h"

#include <algorithm>
#include <chrono>
#include <cstdarg>

#include "app/format_text.h"
#include "device/result_codes.h"

namespace orv {

namespace {

using std::chrono::milliseconds;

// Nothing waiting: wait on the line at most this long before looking at the
// clock and the Abort button again.
constexpr int kIdleWaitMs = 100;
// The wake-up loop looks at Abort at least this often.
constexpr int kWakePollMs = 20;
constexpr int kProbeTimeoutMs = 500;
constexpr int kCloseTickMs = 250;
constexpr int kCloseAfterFailure = 60;

}  // namespace

TargetLink::TargetLink(ByteLine& line, MessageLog& messageLog) : port(line), log(messageLog) {}

TargetLink::~TargetLink() {
    {
        std::lock_guard guard(closeLock);
        shuttingDown = true;
    }
    closeWake.notify_all();
    if (closer.joinable()) closer.join();
    std::lock_guard guard(closeLock);
    if (portOpen) port.close(activeSlot);
    portOpen = false;
    pendingClose = false;
}

bool TargetLink::portIsOpen() const {
    std::lock_guard guard(closeLock);
    return portOpen;
}

bool TargetLink::closePending() const {
    std::lock_guard guard(closeLock);
    return pendingClose;
}

void TargetLink::drainInput() {
    while (port.isOpen(activeSlot) && port.readByte(activeSlot) != -1) {
    }
}

bool TargetLink::sendText(std::string_view text) {
    drainInput();
    // Every byte is offered even after a failed one, as the collar expects whole frames.
    bool sent = port.writeByte(activeSlot, kSoh) != 0;
    for (const char c : text) sent = port.writeByte(activeSlot, static_cast<unsigned char>(c)) != 0 && sent;
    return port.writeByte(activeSlot, kEot) != 0 && sent;
}

bool TargetLink::sendCommand(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = formatTextV(format, args);
    va_end(args);
    return sendText(text);
}

DeviceResult TargetLink::receiveAnswer(int timeoutMs, int maxLength, ProgressSink* progress) {
    AnswerReceiver receiver(maxLength);
    long long windowStart = port.nowMs();
    const auto msSince = [this](long long start) { return port.nowMs() - start; };
    for (;;) {
        if (!port.isOpen(activeSlot)) return DeviceResult::Timeout;
        const int got = port.readByte(activeSlot);
        if (got != -1) {
            if (receiver.feed(static_cast<std::uint8_t>(got))) {
                const auto text = receiver.answer();
                std::copy(text.begin(), text.end(), answer.begin());
                answerLength = receiver.length();
                answer[static_cast<std::size_t>(answerLength)] = '\0';
                return receiver.result();
            }
            // After SOH every byte opens a new window; bytes before it do not.
            if (receiver.started()) windowStart = port.nowMs();
        } else {
            const long long left = timeoutMs - msSince(windowStart);
            if (left > 0) {
                const int wait = static_cast<int>(std::min<long long>(kIdleWaitMs, left));
                // A line that hung up will bring nothing more: no use waiting out the time-out.
                if (port.waitReadable(activeSlot, wait) == LineWait::Lost) return DeviceResult::HungUp;
            }
        }
        if (progress && progress->aborted()) return DeviceResult::Aborted;
        if (msSince(windowStart) > timeoutMs) return DeviceResult::Timeout;
    }
}

DeviceResult TargetLink::beginConnection(ProgressSink& progress, const char* question) {
    {
        std::lock_guard guard(closeLock);
        // A port whose device went away (an adapter pulled out) is opened anew
        // rather than reused.
        if (portOpen && port.hasHungUp(activeSlot)) {
            port.close(activeSlot);
            portOpen = false;
            pendingClose = false;
        }
        if (!pendingClose && !portOpen) {
            const int slot = settings.portSlot;
            if (!port.open(slot, settings.settingsWord(), settings.baudRate)) {
                portOpen = false;
                const std::string path = port.devicePath(slot);
                log.error(
                    "Was unable to open COM %d.\nIt may be not present or it\nmay be in use.\n\nDevice: %s",
                    slot + 1, path.c_str());
                return DeviceResult::PortFailed;
            }
            activeSlot = slot;
            portOpen = true;
        }
        // Cancels a scheduled close: the port stays open and is reused.
        pendingClose = false;
    }
    closeWake.notify_all();
    drainInput();
    if (question && log.choice("%s", question) != kAnswerYes) return DeviceResult::Aborted;

    progress.setCaption("Connecting to target");
    sendCommand("T");
    if (receiveAnswer(kProbeTimeoutMs, kAnswerCapacity, &progress) == DeviceResult::Ok)
        return DeviceResult::Ok;
    return wakeTarget(progress);
}

DeviceResult TargetLink::wakeTarget(ProgressSink& progress) {
    progress.setPosition(0);
    progress.setLegend("Put the magnet near the target for 10 seconds.");
    std::size_t matched = 0;
    int k = 0;
    long long lastTick = port.nowMs();
    const long long waitStart = lastTick;
    const int limitSeconds = progress.wakeLimitSeconds();
    for (;;) {
        if (matched == kWakeBanner.size()) return DeviceResult::Ok;
        const int got = port.readByte(activeSlot);
        if (got != -1) {
            if (static_cast<std::uint8_t>(got) != kWakeBanner[matched]) {
                endConnection(kCloseAfterFailure);
                log.error("Unrecognized target response");
                return DeviceResult::Unrecognized;
            }
            ++matched;
            continue;
        }
        if (port.nowMs() - lastTick > 1000) {
            progress.setLegend(k < 2 ? "Put the magnet near the target for 10 seconds, then remove it."
                                     : "Waiting for the target response.");
            k = (k + 1) % 4;
            progress.beep(1000, 100);
            lastTick = port.nowMs();
        }
        if (progress.aborted()) {
            endConnection(kCloseAfterFailure);
            log.error("The COM open process was aborted");
            return DeviceResult::Aborted;
        }
        if (limitSeconds > 0 && port.nowMs() - waitStart > limitSeconds * 1000LL) {
            endConnection(kCloseAfterFailure);
            log.error(
                "No collar answered within %d s.\nApply the magnet to the collar for 10 seconds, then remove it, and try again.",
                limitSeconds);
            return DeviceResult::WakeTimeout;
        }
        // Wait on the line instead of spinning. A line that hung up will bring
        // no banner: that is said as it is, not waited out as a time-out.
        if (port.waitReadable(activeSlot, kWakePollMs) == LineWait::Lost) {
            endConnection(kCloseAfterFailure);
            return DeviceResult::HungUp;
        }
    }
}

void TargetLink::endConnection(int delay) {
    unsigned generation = 0;
    bool delayed = false;
    int slot;
    {
        std::lock_guard guard(closeLock);
        if (!portOpen) return;
        closeSlot = activeSlot;
        closeDelay = delay;
        slot = closeSlot;
        port.clearRts(slot);
        if (delay / 4 <= 0) {
            // At once, before the caller goes on: a following connection must
            // open the port anew (with new settings, after the COM dialog).
            ++closeGeneration;
            pendingClose = false;
            portOpen = false;
            port.close(slot);
        } else {
            pendingClose = true;
            generation = ++closeGeneration;
            delayed = true;
        }
    }
    // An earlier close thread sees the new generation and leaves without closing.
    closeWake.notify_all();
    if (closer.joinable()) closer.join();
    if (delayed)
        closer =
            std::thread([this, generation, slot, ticks = delay / 4] { closerRun(generation, slot, ticks); });
}

void TargetLink::closerRun(unsigned generation, int slot, int ticks) {
    std::unique_lock lock(closeLock);
    const auto cancelled = [&] { return !pendingClose || closeGeneration != generation; };
    for (int i = 0; i < ticks && !shuttingDown; ++i) {
        if (cancelled()) return;
        closeWake.wait_for(lock, milliseconds(kCloseTickMs), [&] { return cancelled() || shuttingDown; });
    }
    // The check and the close are one step under the lock, so a connection that
    // took the port up again never loses it to this thread.
    if (cancelled()) return;
    pendingClose = false;
    portOpen = false;
    port.close(slot);
}

}  // namespace orv
