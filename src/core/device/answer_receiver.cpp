#include "device/answer_receiver.h"

#include <algorithm>
#include <cstring>

#include "device/result_codes.h"

namespace orv {

bool isStatusType(char type) {
    return type != '\0' && std::strchr("!#+-.>?", type) != nullptr;
}
bool isDataType(char type) {
    return type != '\0' && std::strchr("AFMRY", type) != nullptr;
}

AnswerReceiver::AnswerReceiver(int maxLength) : limit(std::clamp(maxLength, 1, kAnswerCapacity)) {}

bool AnswerReceiver::finish(DeviceResult result) {
    code = result;
    phase = Phase::Done;
    bytes[static_cast<std::size_t>(count)] = '\0';
    return true;
}

bool AnswerReceiver::feed(std::uint8_t byte) {
    switch (phase) {
        case Phase::WaitSoh:
            if (byte == kSoh) phase = Phase::WaitType;
            return false;
        case Phase::WaitType: {
            const char type = static_cast<char>(byte);
            bytes[0] = type;
            count = 1;
            if (!isStatusType(type) && !isDataType(type)) return finish(DeviceResult::Unrecognized);
            if (count >= limit) return finish(DeviceResult::AnswerTooLong);
            phase = Phase::Data;
            return false;
        }
        case Phase::Data:
            if (byte == kEot) {
                const bool statusWithData = isStatusType(bytes[0]) && count > 1;
                return finish(statusWithData ? DeviceResult::StatusWithData : DeviceResult::Ok);
            }
            bytes[static_cast<std::size_t>(count++)] = static_cast<char>(byte);
            if (count >= limit) return finish(DeviceResult::AnswerTooLong);
            return false;
        case Phase::Done:
            return true;
    }
    return true;
}

}  // namespace orv
