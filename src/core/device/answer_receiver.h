#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "device/result_codes.h"

namespace orv {

inline constexpr std::uint8_t kSoh = 0x01;
inline constexpr std::uint8_t kEot = 0x04;

// Room for an answer from its type character up to the byte before EOT.
inline constexpr int kAnswerCapacity = 261;

// Status answers carry nothing between the type character and EOT.
bool isStatusType(char type);
// Data answers carry hexadecimal digit pairs.
bool isDataType(char type);

// Takes an answer frame apart one byte at a time: bytes before SOH are
// discarded, then the type character, then data up to EOT. Holds no I/O and
// no clock, so the link drives it with its time-outs and a fuzzer with
// anything at all.
class AnswerReceiver {
public:
    // maxLength: the most bytes stored (type character included), at most kAnswerCapacity.
    explicit AnswerReceiver(int maxLength = kAnswerCapacity);

    // false while the answer is incomplete; true when result() is final.
    bool feed(std::uint8_t byte);

    bool started() const { return phase != Phase::WaitSoh; }
    bool done() const { return phase == Phase::Done; }
    DeviceResult result() const { return code; }
    int length() const { return count; }
    std::string_view answer() const { return {bytes.data(), static_cast<std::size_t>(count)}; }

private:
    enum class Phase { WaitSoh, WaitType, Data, Done };
    bool finish(DeviceResult result);

    Phase phase = Phase::WaitSoh;
    int limit;
    int count = 0;
    DeviceResult code = DeviceResult::Ok;
    std::array<char, kAnswerCapacity + 1> bytes{};
};

}  // namespace orv
