#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/message_log.h"
#include "device/answer_receiver.h"
#include "device/byte_line.h"
#include "device/com_settings.h"
#include "device/progress_sink.h"

namespace orv {

inline constexpr int kVersionByteCapacity = 34;

// The one link to the collar (the target): frames commands, receives and
// checks answers with time-outs and Abort, wakes a sleeping collar with the
// magnet, and closes the port a little after the last command so that the
// next operation reuses it.
class TargetLink {
public:
    TargetLink(ByteLine& line, MessageLog& log);
    ~TargetLink();
    TargetLink(const TargetLink&) = delete;
    TargetLink& operator=(const TargetLink&) = delete;

    // The line settings; the COM port settings keep them in the profile.
    ComSettings settings;

    // The last answer, from its type character up to the byte before EOT.
    std::array<char, kAnswerCapacity + 1> answer{};
    int answerLength = 0;
    std::string_view answerText() const { return {answer.data(), static_cast<std::size_t>(answerLength)}; }

    // The device operations keep what they read and built here between operations.
    std::array<std::uint8_t, kVersionByteCapacity> versionBytes{};
    std::vector<std::uint8_t> memoryImage;
    std::vector<std::uint8_t> factoryImage;
    std::uint32_t configBaseAddress = 0;
    int flashSector = 0;

    // Formats the command text and sends it framed, after draining what the
    // collar sent before. A missing or wrong echo is not checked here.
    // false when the port failed to take a byte of the frame.
    bool sendCommand(const char* format, ...) __attribute__((format(printf, 2, 3)));
    bool sendText(std::string_view text);

    // Waits for one answer: timeoutMs for SOH, then timeoutMs for each further
    // byte. maxLength counts the type character. Result code of the link.
    DeviceResult receiveAnswer(int timeoutMs, int maxLength, ProgressSink* progress);

    // Opens the port if needed (or reuses it), probes the collar and wakes it
    // with the magnet. question: asked Yes/No first when given.
    DeviceResult beginConnection(ProgressSink& progress, const char* question = nullptr);

    // Closes the port after delay / 4 ticks of 250 ms unless a connection
    // takes it up first; 0 closes at once.
    void endConnection(int delay);

    bool portIsOpen() const;
    bool closePending() const;
    ByteLine& line() { return port; }
    const ByteLine& line() const { return port; }
    // Lets time pass on the line's clock.
    void pause(int timeMs) { port.pause(timeMs); }
    MessageLog& messages() { return log; }

    // The wake-up banner: SOH ">" EOT.
    static constexpr std::array<std::uint8_t, 3> kWakeBanner{kSoh, '>', kEot};

private:
    void drainInput();
    DeviceResult wakeTarget(ProgressSink& progress);
    void closerRun(unsigned generation, int slot, int ticks);

    ByteLine& port;
    MessageLog& log;

    mutable std::mutex closeLock;
    std::condition_variable closeWake;
    // The slot the connection opened: a close after the COM settings changed
    // closes that one, not the newly chosen slot.
    int activeSlot = 0;
    bool portOpen = false;
    bool pendingClose = false;
    bool shuttingDown = false;
    unsigned closeGeneration = 0;
    int closeSlot = 0;
    int closeDelay = 0;
    std::thread closer;
};

}  // namespace orv
