// Any byte stream from the collar gives the answer receiver a result code,
// never a crash or an overrun of the answer buffer.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "device/answer_receiver.h"
#include "device/result_codes.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the limit, at times beyond what the buffer holds.
    const int limit = data[0] % 4 == 0 ? 100000 : data[0] + 1;
    const int effective = limit > orv::kAnswerCapacity ? orv::kAnswerCapacity : limit;
    std::size_t at = 1;
    while (at < size) {
        // One answer after another, as a stream of answers arrives.
        orv::AnswerReceiver receiver(limit);
        bool done = false;
        for (; at < size && !done; ++at) done = receiver.feed(data[at]);
        require(receiver.length() <= effective);
        require(static_cast<int>(receiver.answer().size()) == receiver.length());
        if (!done) {
            require(!receiver.done());
            break;
        }
        const orv::DeviceResult rc = receiver.result();
        require(rc == orv::DeviceResult::Ok || rc == orv::DeviceResult::Unrecognized ||
                rc == orv::DeviceResult::StatusWithData || rc == orv::DeviceResult::AnswerTooLong);
        require(receiver.length() >= 1);
        const char type = receiver.answer()[0];
        if (rc == orv::DeviceResult::Ok)
            require(orv::isStatusType(type) ? receiver.length() == 1 : orv::isDataType(type));
        if (rc == orv::DeviceResult::AnswerTooLong) require(receiver.length() == effective);
        if (rc == orv::DeviceResult::StatusWithData)
            require(orv::isStatusType(type) && receiver.length() > 1);
    }
    return 0;
}
