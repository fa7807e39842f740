#pragma once

#include <array>
#include <memory>
#include <mutex>
#include <string>

#include "device/byte_line.h"
#include "device/serial_trace.h"
#include "device/serial_trace_format.h"

namespace orv {

// A line that passes everything to the line beneath and, while a trace is
// set, writes every byte that crossed it to the trace: the bytes of a frame
// gather until its EOT (or until the other side speaks, or the port closes)
// and go out as one line with the time of the frame's first byte. Opening,
// closing and failed writes are noted as events. Without a trace it only
// passes on.
class TracingLine final : public ByteLine {
public:
    explicit TracingLine(ByteLine& beneath, std::shared_ptr<SerialTrace> trace = nullptr);
    ~TracingLine() override;
    TracingLine(const TracingLine&) = delete;
    TracingLine& operator=(const TracingLine&) = delete;

    // Ends the frames begun under the previous trace; nullptr stops tracing.
    void setTrace(std::shared_ptr<SerialTrace> trace);
    std::shared_ptr<SerialTrace> trace() const;

    std::string devicePath(int slot) const override;
    void setDevicePath(int slot, const std::string& path) override;
    int open(int slot, int settingsWord, int baudRate) override;
    void close(int slot) override;
    bool isOpen(int slot) const override;
    bool hasHungUp(int slot) const override;
    int readByte(int slot) override;
    int writeByte(int slot, int byte) override;
    LineWait waitReadable(int slot, int timeoutMs) override;
    void clearRts(int slot) override;
    long long nowMs() const override;
    void pause(int timeMs) override;

private:
    struct Frame {
        std::string bytes;
        long long startMs = 0;
    };
    struct SlotFrames {
        Frame sent;
        Frame received;
    };

    void add(int slot, TraceDirection direction, unsigned char byte);
    void endFrame(int slot, TraceDirection direction);
    void endFrames(int slot);
    void note(int slot, const std::string& text);
    SlotFrames* framesOf(int slot);

    ByteLine& line;
    mutable std::mutex lock;
    std::shared_ptr<SerialTrace> target;
    std::array<SlotFrames, 4> frames;
};

}  // namespace orv
