// Write Device as one sequence against the emulated collar: the collar is read
// before anything is erased, a Cancel at the changes leaves its flash byte for
// byte, a write keeps what it held, and a collar lost during that read is
// never erased.

#include "workflow/write_sequence.h"

#include <gtest/gtest.h>

#include <optional>

#include "collar_fixture.h"

namespace orv::test {
namespace {

constexpr const char* kN4 = "N4 040816";

class ScriptedChanges : public WriteView {
public:
    bool confirmChanges(const ChangeSummary& summary) override {
        shown = summary;
        return answer;
    }
    bool answer = true;
    std::optional<ChangeSummary> shown;
};

class WriteSequenceTest : public CollarTest {
protected:
    // A flash that an erase would visibly change.
    void startFilledCollar(std::vector<emu::Fault> faults = {}) {
        emu::CollarOptions options;
        options.initialFill = 0x5A;
        options.faults = std::move(faults);
        startCollar(options);
        useFirmware(kN4);
    }
    std::vector<std::uint8_t> flash() const {
        return collar->memory(emu::kLowSectorBase, imageSize(findFirmware(kN4)));
    }
    // The collar holds the record as it is now; then two values change on the screen.
    std::vector<std::uint8_t> programThenEdit() {
        EXPECT_EQ(programConfiguration(context, progress), DeviceResult::Ok);
        record.general(GeneralRow::ElevAngle) = 20;
        record.season(5, SeasonRow::GpsFixInterval_1) = 90;
        return flash();
    }
    WriteOptions options;
    ScriptedChanges view;
};

TEST_F(WriteSequenceTest, CancelAtTheChangesLeavesTheFlashByteForByte) {
    startFilledCollar();
    const auto held = programThenEdit();
    view.answer = false;
    const WriteOutcome outcome = runWrite(context, progress, view, options);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_NE(outcome.result, DeviceResult::Ok);
    EXPECT_EQ(flash(), held);
    EXPECT_EQ(commandsStartingWith('E').size(), 1u) << "only the first programming erased";
    EXPECT_EQ(commandsStartingWith('W').size(), 6u) << "only the first programming wrote";
    EXPECT_EQ(outcome.before, held);
    EXPECT_TRUE(boxTexts().empty()) << "a cancel is no failure to report";
    ASSERT_TRUE(view.shown);
    std::vector<std::string> names;
    for (const Difference& d : view.shown->differences)
        names.push_back(d.name() + "/" + std::to_string(d.season));
    EXPECT_EQ(names, (std::vector<std::string>{"ElevAngle/0", "GpsFixInterval_1/5"}));
    EXPECT_TRUE(view.shown->impact.before.known && view.shown->impact.after.known);
}

TEST_F(WriteSequenceTest, AWriteProgramsTheCollarAndKeepsWhatItHeld) {
    startFilledCollar();
    const auto held = programThenEdit();
    const WriteOutcome outcome = runWrite(context, progress, view, options);
    ASSERT_EQ(outcome.result, DeviceResult::Ok);
    MemoryImage expected;
    ASSERT_EQ(buildImage(record, expected), ImageResult::Ok);
    EXPECT_EQ(flash(), expected);
    EXPECT_EQ(outcome.written, expected);
    EXPECT_EQ(outcome.before, held);
    EXPECT_EQ(outcome.differenceCount, 2u);
    // One connection: the collar's versions are asked once, its area twice (again after the question).
    EXPECT_EQ(commandsStartingWith('F').size(), 2u) << "one for the first programming, one for this write";

    // Without the summary nothing is asked, but the collar is still read first.
    view.shown.reset();
    options.showChanges = false;
    record.general(GeneralRow::ElevAngle) = 25;
    const WriteOutcome quiet = runWrite(context, progress, view, options);
    ASSERT_EQ(quiet.result, DeviceResult::Ok);
    EXPECT_FALSE(view.shown);
    EXPECT_EQ(quiet.before, expected);
    EXPECT_EQ(quiet.differenceCount, 1u);
}

TEST_F(WriteSequenceTest, ACollarUnpluggedDuringTheReadIsNotErased) {
    // Where the second block of the read falls in this sequence's commands.
    startFilledCollar();
    view.answer = false;
    static_cast<void>(runWrite(context, progress, view, options));
    const auto commands = collar->commandLog();
    int reads = 0;
    int secondRead = 0;
    for (std::size_t i = 0; i < commands.size() && secondRead == 0; ++i) {
        if (!commands[i].empty() && commands[i][0] == 'R' && ++reads == 2)
            secondRead = static_cast<int>(i) + 1;
    }
    ASSERT_GT(secondRead, 0);

    startFilledCollar({{emu::FaultKind::HangUp, secondRead}});
    const auto held = flash();
    view.answer = true;
    view.shown.reset();
    const WriteOutcome outcome = runWrite(context, progress, view, options);
    EXPECT_NE(outcome.result, DeviceResult::Ok);
    EXPECT_FALSE(view.shown) << "nothing to show of a collar not read";
    EXPECT_TRUE(outcome.before.empty()) << "half a read is no copy of the collar";
    EXPECT_TRUE(commandsStartingWith('E').empty());
    EXPECT_TRUE(commandsStartingWith('W').empty());
    EXPECT_EQ(flash(), held);
    ASSERT_FALSE(boxTexts().empty());
    EXPECT_NE(boxTexts().back().find("NOT programmed"), std::string::npos) << boxTexts().back();
}

}  // namespace
}  // namespace orv::test
