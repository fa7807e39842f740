// No fault the collar can show ever ends in a success: every injected fault,
// at every step of a programming, gives a failure code and one message.

#include <gtest/gtest.h>

#include "collar_fixture.h"

namespace orv::test {
namespace {

// Commands of an N4 programming: T F T M E W*6 R*6.
constexpr int kProgrammingCommands = 17;

struct FaultCase {
    emu::FaultKind kind;
    int atCommand;
    bool asleep;
};

std::vector<FaultCase> everyFault() {
    std::vector<FaultCase> cases;
    for (const auto kind : {emu::FaultKind::StatusWithData, emu::FaultKind::HangUp})
        for (int n = 1; n <= kProgrammingCommands; ++n) cases.push_back({kind, n, false});
    // Each silence costs a whole time-out: one command of every kind.
    for (int n : {1, 2, 3, 4, 5, 6, 11, 12, 17}) cases.push_back({emu::FaultKind::NoAnswer, n, false});
    cases.push_back({emu::FaultKind::EraseRefused, 0, false});
    cases.push_back({emu::FaultKind::FlippedReadbackBit, 0, false});
    cases.push_back({emu::FaultKind::HangUp, 0, false});
    cases.push_back({emu::FaultKind::NoAnswer, 0, false});
    cases.push_back({emu::FaultKind::WrongBanner, 0, true});
    return cases;
}

class InjectedFaultTest : public CollarTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(InjectedFaultTest, NeverEndsInSuccess) {
    emu::CollarOptions options;
    options.asleep = GetParam().asleep;
    options.magnetAfterMs = GetParam().asleep ? 300 : -1;
    options.faults = {{GetParam().kind, GetParam().atCommand}};
    startCollar(options);
    useFirmware("N4 040816");
    abortAtTheMagnet();
    if (GetParam().asleep) progress.abortWhen = nullptr;

    const DeviceResult rc = programConfiguration(context, progress);
    EXPECT_NE(rc, DeviceResult::Ok);
    EXPECT_EQ(presenter.count(), 1u) << "exactly one message: " << ::testing::PrintToString(boxTexts());
    EXPECT_FALSE(link.portIsOpen() && !link.closePending()) << "the port is never left open without a close";
}

INSTANTIATE_TEST_SUITE_P(EveryStep, InjectedFaultTest, ::testing::ValuesIn(everyFault()),
                         [](const auto& info) {
                             std::string name = emu::faultName(info.param.kind);
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name + "_at_" + std::to_string(info.param.atCommand);
                         });

TEST_F(CollarTest, NoiseBeforeTheAnswersIsDiscarded) {
    emu::CollarOptions options;
    options.faults = {{emu::FaultKind::GarbageBeforeSoh, 0}};
    startCollar(options);
    useFirmware("N4 040816");
    EXPECT_EQ(programConfiguration(context, progress), DeviceResult::Ok)
        << ::testing::PrintToString(boxTexts());
}

TEST_F(CollarTest, ReadingNeverSucceedsWithAFaultEither) {
    for (const auto kind :
         {emu::FaultKind::NoAnswer, emu::FaultKind::StatusWithData, emu::FaultKind::HangUp}) {
        for (int n : {2, 4, 5, 10}) {
            emu::CollarOptions options;
            options.faults = {{kind, n}};
            startCollar(options);
            useFirmware("N4 040816");
            presenter.clear();
            abortAtTheMagnet();
            link.memoryImage.clear();
            EXPECT_NE(readConfiguration(context, progress), DeviceResult::Ok)
                << emu::faultName(kind) << "@" << n;
            EXPECT_TRUE(link.memoryImage.empty());
            EXPECT_EQ(presenter.count(), 1u);
        }
    }
}

}  // namespace
}  // namespace orv::test
