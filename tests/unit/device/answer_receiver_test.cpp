#include "device/answer_receiver.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "device/result_codes.h"

namespace orv {
namespace {

// Feeds the bytes until the receiver is done; nothing when it never was.
std::optional<DeviceResult> feedAll(AnswerReceiver& r, const std::string& bytes) {
    for (const char c : bytes)
        if (r.feed(static_cast<std::uint8_t>(c))) return r.result();
    return std::nullopt;
}

TEST(AnswerReceiver, ClassifiesStatusAndDataAnswers) {
    struct Case {
        std::string bytes;
        DeviceResult result;
        std::string answer;
    };
    const Case cases[] = {
        {"\x01+\x04", DeviceResult::Ok, "+"},
        {"\x01-\x04", DeviceResult::Ok, "-"},
        {"\x01+12\x04", DeviceResult::StatusWithData, "+12"},
        {"\x01Z\x04", DeviceResult::Unrecognized, "Z"},
        {"\x01R0A0B\x04", DeviceResult::Ok, "R0A0B"},
        {"\x01M\x04", DeviceResult::Ok, "M"},
        {"xx\x04\x7F\x01"
         "F4E34\x04",
         DeviceResult::Ok, "F4E34"},                           // bytes before SOH are dropped
        {"\x01R\x01\x02\x04", DeviceResult::Ok, "R\x01\x02"},  // after SOH anything is data
    };
    for (const Case& c : cases) {
        AnswerReceiver r;
        EXPECT_EQ(feedAll(r, c.bytes), c.result) << c.answer;
        EXPECT_EQ(r.answer(), c.answer);
        EXPECT_EQ(r.length(), static_cast<int>(c.answer.size()));
    }
}

TEST(AnswerReceiver, TooLongAnswersStopAtTheLimit) {
    AnswerReceiver full;
    EXPECT_EQ(feedAll(full, "\x01R" + std::string(259, '0') + "\x04"), DeviceResult::Ok)
        << "260 stored, then EOT";

    AnswerReceiver over;
    EXPECT_EQ(feedAll(over, "\x01R" + std::string(300, '0')), DeviceResult::AnswerTooLong);
    EXPECT_EQ(over.length(), kAnswerCapacity);

    AnswerReceiver small(5);
    EXPECT_EQ(feedAll(small, "\x01R1234\x04"), DeviceResult::AnswerTooLong);
    EXPECT_EQ(small.answer(), "R1234");

    AnswerReceiver clamped(100000);
    EXPECT_EQ(feedAll(clamped, "\x01R" + std::string(400, '1')), DeviceResult::AnswerTooLong);
    EXPECT_EQ(clamped.length(), kAnswerCapacity);
}

TEST(AnswerReceiver, WaitsForSohAndIsFinalOnceDone) {
    AnswerReceiver r;
    EXPECT_EQ(feedAll(r, "noise\x04"), std::nullopt);
    EXPECT_FALSE(r.started());
    EXPECT_FALSE(r.feed(0x01));
    EXPECT_TRUE(r.started());
    EXPECT_FALSE(r.feed('?'));
    EXPECT_TRUE(r.feed(0x04));
    EXPECT_EQ(r.result(), DeviceResult::Ok);
    EXPECT_TRUE(r.feed('x')) << "a finished answer takes nothing more";
    EXPECT_EQ(r.answer(), "?");
}

}  // namespace
}  // namespace orv
