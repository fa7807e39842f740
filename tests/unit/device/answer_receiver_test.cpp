#include "device/answer_receiver.h"

#include <gtest/gtest.h>

#include <string>

#include "device/result_codes.h"

namespace orv {
namespace {

// Feeds the bytes until the receiver is done; -1 when it never was.
int feedAll(AnswerReceiver& r, const std::string& bytes) {
    for (const char c : bytes)
        if (r.feed(static_cast<std::uint8_t>(c))) return r.result();
    return -1;
}

TEST(AnswerReceiver, ClassifiesStatusAndDataAnswers) {
    struct Case {
        std::string bytes;
        int result;
        std::string answer;
    };
    const Case cases[] = {
        {"\x01+\x04", kResultOk, "+"},
        {"\x01-\x04", kResultOk, "-"},
        {"\x01+12\x04", kResultStatusWithData, "+12"},
        {"\x01Z\x04", kResultUnrecognized, "Z"},
        {"\x01R0A0B\x04", kResultOk, "R0A0B"},
        {"\x01M\x04", kResultOk, "M"},
        {"xx\x04\x7F\x01"
         "F4E34\x04",
         kResultOk, "F4E34"},                           // bytes before SOH are dropped
        {"\x01R\x01\x02\x04", kResultOk, "R\x01\x02"},  // after SOH anything is data
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
    EXPECT_EQ(feedAll(full, "\x01R" + std::string(259, '0') + "\x04"), kResultOk) << "260 stored, then EOT";

    AnswerReceiver over;
    EXPECT_EQ(feedAll(over, "\x01R" + std::string(300, '0')), kResultAnswerTooLong);
    EXPECT_EQ(over.length(), kAnswerCapacity);

    AnswerReceiver small(5);
    EXPECT_EQ(feedAll(small, "\x01R1234\x04"), kResultAnswerTooLong);
    EXPECT_EQ(small.answer(), "R1234");

    AnswerReceiver clamped(100000);
    EXPECT_EQ(feedAll(clamped, "\x01R" + std::string(400, '1')), kResultAnswerTooLong);
    EXPECT_EQ(clamped.length(), kAnswerCapacity);
}

TEST(AnswerReceiver, WaitsForSohAndIsFinalOnceDone) {
    AnswerReceiver r;
    EXPECT_EQ(feedAll(r, "noise\x04"), -1);
    EXPECT_FALSE(r.started());
    EXPECT_FALSE(r.feed(0x01));
    EXPECT_TRUE(r.started());
    EXPECT_FALSE(r.feed('?'));
    EXPECT_TRUE(r.feed(0x04));
    EXPECT_EQ(r.result(), kResultOk);
    EXPECT_TRUE(r.feed('x')) << "a finished answer takes nothing more";
    EXPECT_EQ(r.answer(), "?");
}

}  // namespace
}  // namespace orv
