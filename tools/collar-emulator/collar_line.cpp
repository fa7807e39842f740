#include "collar_line.h"

#include <algorithm>

namespace orv::emu {

namespace {

// The silence in the middle of a stalled answer: far longer than any time-out.
constexpr long long kStallUs = 60'000'000;
constexpr long long kEmptyReadUs = 10;

}  // namespace

CollarLine::CollarLine(CollarOptions opts) : options(opts), device(std::move(opts)) {
    for (std::size_t i = 0; i < paths.size(); ++i) paths[i] = "collar:" + std::to_string(i + 1);
    if (options.baudRate > 0) charUs = 1'000'000LL * options.bitsPerChar / options.baudRate;
}

bool CollarLine::faultAt(FaultKind kind, int command) const {
    return std::any_of(options.faults.begin(), options.faults.end(), [&](const Fault& f) {
        return f.kind == kind && (f.atCommand == 0 || f.atCommand == command);
    });
}

bool CollarLine::usable(int slot) const {
    return slot >= 0 && slot < static_cast<int>(open_.size()) && open_[static_cast<std::size_t>(slot)];
}

std::string CollarLine::devicePath(int slot) const {
    std::lock_guard guard(lock);
    return slot >= 0 && slot < static_cast<int>(paths.size()) ? paths[static_cast<std::size_t>(slot)]
                                                              : std::string();
}

void CollarLine::setDevicePath(int slot, const std::string& path) {
    std::lock_guard guard(lock);
    if (slot >= 0 && slot < static_cast<int>(paths.size())) paths[static_cast<std::size_t>(slot)] = path;
}

int CollarLine::open(int slot, int, int baudRate) {
    std::lock_guard guard(lock);
    if (slot < 0 || slot >= static_cast<int>(open_.size()) || usable(slot) || baudRate <= 0 || adapterMissing)
        return 0;
    open_[static_cast<std::size_t>(slot)] = true;
    hungUp = false;
    ++opens;
    return 1;
}

void CollarLine::close(int slot) {
    std::lock_guard guard(lock);
    if (!usable(slot)) return;
    open_[static_cast<std::size_t>(slot)] = false;
    // What the program did not read is gone with the port.
    rx.clear();
    inFrame = false;
    hungUp = false;
}

bool CollarLine::isOpen(int slot) const {
    std::lock_guard guard(lock);
    return usable(slot);
}

bool CollarLine::hasHungUp(int slot) const {
    std::lock_guard guard(lock);
    return usable(slot) && hungUp;
}

void CollarLine::clearRts(int) {}

long long CollarLine::nowMs() const {
    std::lock_guard guard(lock);
    return nowUs / 1000;
}

void CollarLine::pause(int timeMs) {
    std::lock_guard guard(lock);
    advanceTo(nowUs + 1000LL * std::max(timeMs, 0));
}

void CollarLine::applyMagnet() {
    std::lock_guard guard(lock);
    transmit(device.applyMagnet(), 0, false);
}

void CollarLine::lose() {
    hungUp = true;
    rx.clear();
    inFrame = false;
}

void CollarLine::transmit(const std::string& bytes, long long extraUs, bool failAtFirst) {
    for (const char c : bytes) {
        txFreeUs = std::max(txFreeUs, nowUs) + charUs + extraUs;
        extraUs = 0;
        rx.push_back({static_cast<unsigned char>(c), txFreeUs, failAtFirst});
        failAtFirst = false;
    }
}

void CollarLine::queueReply(const CollarDevice::Reply& reply, int command) {
    if (reply.hangUp) {
        lose();
        return;
    }
    const std::string& bytes = reply.bytes;
    const std::size_t half = bytes.size() / 2;
    const bool stall = faultAt(FaultKind::StallMidAnswer, command);
    const bool readError = faultAt(FaultKind::ReadError, command);
    if (!bytes.empty() && (stall || readError)) {
        transmit(bytes.substr(0, half), 0, false);
        transmit(bytes.substr(half), stall ? kStallUs : 0, readError);
        return;
    }
    transmit(bytes, 0, false);
}

// One byte reaches the collar: frames are collected and answered as they end.
void CollarLine::deliver(unsigned char byte) {
    if (byte == kSoh) {
        inFrame = true;
        frameText.clear();
        return;
    }
    if (byte == kEot && inFrame) {
        inFrame = false;
        const CollarDevice::Reply reply = device.handle(frameText);
        if (device.awake()) {
            magnetArmed = false;
        } else if (options.magnetAfterMs >= 0 && !magnetArmed) {
            magnetArmed = true;
            magnetDueUs = nowUs + 1000LL * options.magnetAfterMs;
        }
        queueReply(reply, device.commandCount());
        return;
    }
    if (inFrame && frameText.size() < kMaxFrame) frameText += static_cast<char>(byte);
}

int CollarLine::writeByte(int slot, int value) {
    std::lock_guard guard(lock);
    if (!usable(slot) || hungUp) return 0;
    const auto byte = static_cast<unsigned char>(value);
    if (byte == kSoh) frameFailing = faultAt(FaultKind::WriteError, ++framesStarted);
    if (frameFailing) {
        if (byte == kEot) frameFailing = false;
        return 0;
    }
    advanceTo(nowUs + charUs);
    deliver(byte);
    return 1;
}

std::optional<long long> CollarLine::nextEventUs() const {
    std::optional<long long> next = magnetDueUs;
    if (!rx.empty()) next = next ? std::min(*next, rx.front().dueUs) : rx.front().dueUs;
    return next;
}

// The clock moves on; a magnet that falls due on the way is put to the collar.
void CollarLine::advanceTo(long long us) {
    if (magnetDueUs && *magnetDueUs <= us) {
        nowUs = std::max(nowUs, *magnetDueUs);
        magnetDueUs.reset();
        transmit(device.applyMagnet(), 0, false);
    }
    nowUs = std::max(nowUs, us);
}

int CollarLine::readByte(int slot) {
    std::lock_guard guard(lock);
    if (!usable(slot)) return 0;
    advanceTo(nowUs);
    if (hungUp || rx.empty() || rx.front().dueUs > nowUs) {
        // Looking at an empty line takes a little time too, so that a caller
        // that only polls still sees its time-out come.
        advanceTo(nowUs + kEmptyReadUs);
        return -1;
    }
    const QueuedByte next = rx.front();
    if (next.failsRead) {
        lose();
        return -1;
    }
    rx.pop_front();
    return static_cast<signed char>(next.byte);
}

LineWait CollarLine::waitReadable(int slot, int timeoutMs) {
    std::lock_guard guard(lock);
    if (!usable(slot) || hungUp) return LineWait::Lost;
    const long long deadline = nowUs + 1000LL * std::max(timeoutMs, 0);
    for (;;) {
        advanceTo(nowUs);
        if (!rx.empty() && rx.front().dueUs <= nowUs) return LineWait::Ready;
        const auto next = nextEventUs();
        if (!next || *next > deadline) {
            nowUs = deadline;
            return LineWait::TimedOut;
        }
        advanceTo(*next);
    }
}

}  // namespace orv::emu
