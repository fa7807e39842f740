#include "device/tracing_line.h"

#include "app/format_text.h"
#include "device/answer_receiver.h"

namespace orv {

namespace {

// A frame that never ends (a line sending noise) is cut into lines this long.
constexpr std::size_t kLongestFrame = 1024;

}  // namespace

TracingLine::TracingLine(ByteLine& beneath, std::shared_ptr<SerialTrace> trace)
    : line(beneath), target(std::move(trace)) {}

TracingLine::~TracingLine() {
    setTrace(nullptr);
}

void TracingLine::setTrace(std::shared_ptr<SerialTrace> trace) {
    std::lock_guard guard(lock);
    for (int slot = 0; slot < static_cast<int>(frames.size()); ++slot) endFrames(slot);
    target = std::move(trace);
}

std::shared_ptr<SerialTrace> TracingLine::trace() const {
    std::lock_guard guard(lock);
    return target;
}

TracingLine::SlotFrames* TracingLine::framesOf(int slot) {
    if (slot < 0 || slot >= static_cast<int>(frames.size())) return nullptr;
    return &frames[static_cast<std::size_t>(slot)];
}

void TracingLine::endFrame(int slot, TraceDirection direction) {
    SlotFrames* slotFrames = framesOf(slot);
    if (slotFrames == nullptr) return;
    Frame& frame = direction == TraceDirection::Sent ? slotFrames->sent : slotFrames->received;
    if (frame.bytes.empty()) return;
    if (target) target->write(frame.startMs, line.devicePath(slot), direction, frame.bytes);
    frame.bytes.clear();
}

void TracingLine::endFrames(int slot) {
    endFrame(slot, TraceDirection::Sent);
    endFrame(slot, TraceDirection::Received);
}

void TracingLine::add(int slot, TraceDirection direction, unsigned char byte) {
    SlotFrames* slotFrames = framesOf(slot);
    if (slotFrames == nullptr) return;
    // When one side speaks, what the other side said so far is a line of its own.
    endFrame(slot, direction == TraceDirection::Sent ? TraceDirection::Received : TraceDirection::Sent);
    Frame& frame = direction == TraceDirection::Sent ? slotFrames->sent : slotFrames->received;
    if (frame.bytes.empty()) frame.startMs = line.nowMs();
    frame.bytes += static_cast<char>(byte);
    if (byte == kEot || frame.bytes.size() >= kLongestFrame) endFrame(slot, direction);
}

void TracingLine::note(int slot, const std::string& text) {
    endFrames(slot);
    if (target) target->write(line.nowMs(), line.devicePath(slot), TraceDirection::Event, text);
}

std::string TracingLine::devicePath(int slot) const {
    return line.devicePath(slot);
}

void TracingLine::setDevicePath(int slot, const std::string& path) {
    line.setDevicePath(slot, path);
}

int TracingLine::open(int slot, int settingsWord, int baudRate) {
    const int opened = line.open(slot, settingsWord, baudRate);
    std::lock_guard guard(lock);
    if (target)
        note(slot, formatText("%s, %d baud, settings word 0x%02X", opened ? "open" : "open failed", baudRate,
                              static_cast<unsigned>(settingsWord)));
    return opened;
}

void TracingLine::close(int slot) {
    {
        std::lock_guard guard(lock);
        if (target && line.isOpen(slot)) note(slot, "close");
    }
    line.close(slot);
}

bool TracingLine::isOpen(int slot) const {
    return line.isOpen(slot);
}

bool TracingLine::hasHungUp(int slot) const {
    return line.hasHungUp(slot);
}

int TracingLine::readByte(int slot) {
    const int got = line.readByte(slot);
    if (got == -1) return got;
    std::lock_guard guard(lock);
    // 0 is also what a closed slot gives: only a byte from an open slot crossed the line.
    if (target && (got != 0 || line.isOpen(slot)))
        add(slot, TraceDirection::Received, static_cast<unsigned char>(got));
    return got;
}

int TracingLine::writeByte(int slot, int byte) {
    const int written = line.writeByte(slot, byte);
    std::lock_guard guard(lock);
    if (target) {
        add(slot, TraceDirection::Sent, static_cast<unsigned char>(byte));
        if (!written)
            note(slot, formatText("write of byte 0x%02X failed", static_cast<unsigned>(byte & 0xFF)));
    }
    return written;
}

LineWait TracingLine::waitReadable(int slot, int timeoutMs) {
    return line.waitReadable(slot, timeoutMs);
}

void TracingLine::clearRts(int slot) {
    line.clearRts(slot);
}

long long TracingLine::nowMs() const {
    return line.nowMs();
}

void TracingLine::pause(int timeMs) {
    line.pause(timeMs);
}

}  // namespace orv
