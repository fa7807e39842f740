// Every device operation, on a collar of every family, with every fault the
// collar or the port can show, at every command: never a success, exactly one
// message, the port never left open without its close. The collar sits on an
// in-memory line with a clock of its own, so the whole sweep takes
// milliseconds; the pseudo-terminal tests stay as the end-to-end layer.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "collar_fixture.h"
#include "collar_line.h"
#include "image/image_codec.h"
#include "workflow/device_jobs.h"

namespace orv::test {
namespace {

enum class Op { Firmware, Read, Check, Program, ReadFactory, WriteFactory, Shutdown };

constexpr Op kOps[] = {Op::Firmware,    Op::Read,         Op::Check,   Op::Program,
                       Op::ReadFactory, Op::WriteFactory, Op::Shutdown};
const char* const kFamilies[] = {"N1 010824", "N3 020702", "N4 040816", "N6 020716", "DS 040903"};

std::string opName(Op op) {
    switch (op) {
        case Op::Firmware:
            return "Firmware";
        case Op::Read:
            return "Read";
        case Op::Check:
            return "Check";
        case Op::Program:
            return "Program";
        case Op::ReadFactory:
            return "ReadFactory";
        case Op::WriteFactory:
            return "WriteFactory";
        case Op::Shutdown:
            return "Shutdown";
    }
    return "?";
}

bool hasFactoryArea(const std::string& firmware) {
    return firmware.starts_with("N4") || firmware.starts_with("DS");
}

// The program side and the collar of one run, wired on the in-memory line.
struct Rig {
    Rig(const std::string& firmware, emu::CollarOptions options) : line(withFirmware(firmware, options)) {
        link.settings.portSlot = 0;
        link.settings.comTimeoutSeconds = 1;
        resetRecord(record);
        record.text(StringRow::FenmodFwVer) = firmware;
        varyRecord(record);
        if (const int row = findFirmware(firmware); row != kFirmwareNotSupported) selection.selectRow(row);
        // The collar holds what the record describes, so that read and check can succeed.
        MemoryImage image;
        if (buildImage(record, image, false) == ImageResult::Ok)
            line.collar().setMemory(emu::kLowSectorBase, image);
        FactoryImage factory;
        if (hasFactoryArea(firmware) && buildFactoryImage(record, factory) == ImageResult::Ok)
            line.collar().setFactory(0, factory);
        // A collar that does not answer the probe would be waited for without end.
        progress.abortWhen = [](const RecordingProgress& p) {
            return p.legend == "Put the magnet near the target for 10 seconds.";
        };
    }

    static emu::CollarOptions withFirmware(const std::string& firmware, emu::CollarOptions options) {
        options.firmware = firmware;
        return options;
    }

    // true when the operation reports a success.
    bool run(Op op) {
        switch (op) {
            case Op::Firmware:
                return readFirmwareVersions(context, progress) == DeviceResult::Ok;
            case Op::Read: {
                const ReadJobResult r = readDeviceJob(context, progress, log, ReadMode::Load);
                return r.result == DeviceResult::Ok && r.loaded;
            }
            case Op::Check: {
                const ReadJobResult r = readDeviceJob(context, progress, log, ReadMode::Check);
                return r.result == DeviceResult::Ok && r.matched;
            }
            case Op::Program:
                return programConfiguration(context, progress) == DeviceResult::Ok;
            case Op::ReadFactory:
                return readFactoryParameters(context, progress) == DeviceResult::Ok;
            case Op::WriteFactory:
                return programFactoryParameters(context, progress) == DeviceResult::Ok;
            case Op::Shutdown:
                return shutDownTarget(context, progress) == DeviceResult::Ok;
        }
        return false;
    }

    bool portLeftOpen() const { return link.portIsOpen() && !link.closePending(); }

    emu::CollarLine line;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    TargetLink link{line, log};
    ParameterRecord record;
    RecordFirmwareSelection selection{record};
    RecordingProgress progress;
    DeviceContext context{link, record, selection};
};

// Whether the operation can succeed on this family at all (the factory
// area exists only on the N4 and DS families).
bool supported(Op op, const std::string& firmware) {
    return (op != Op::ReadFactory && op != Op::WriteFactory) || hasFactoryArea(firmware);
}

struct MatrixCase {
    Op op;
    const char* firmware;
};

std::vector<MatrixCase> everyOperationAndFamily(bool supportedOnly = false) {
    std::vector<MatrixCase> cases;
    for (const Op op : kOps)
        for (const char* firmware : kFamilies)
            if (!supportedOnly || supported(op, firmware)) cases.push_back({op, firmware});
    return cases;
}

class FaultMatrixTest : public ::testing::TestWithParam<MatrixCase> {
protected:
    const std::string firmware{GetParam().firmware};
    const Op op = GetParam().op;

    // The commands of a run without faults, and whether the run succeeded.
    std::vector<std::string> cleanRun(bool& succeeded) {
        Rig rig(firmware, {});
        succeeded = rig.run(op);
        return rig.line.collar().commandLog();
    }

    void expectFailure(const emu::CollarOptions& options, const std::string& what) {
        SCOPED_TRACE(what);
        Rig rig(firmware, options);
        EXPECT_FALSE(rig.run(op)) << "a fault ended in a success";
        std::vector<std::string> texts;
        for (const auto& b : rig.presenter.boxes) texts.push_back(b.text);
        EXPECT_EQ(rig.presenter.count(), 1u) << "exactly one message: " << ::testing::PrintToString(texts);
        EXPECT_FALSE(rig.portLeftOpen()) << "the port is never left open without a close";
    }
};

TEST_P(FaultMatrixTest, WithoutAFaultTheOperationSucceedsQuietly) {
    Rig rig(firmware, {});
    const bool ok = rig.run(op);
    EXPECT_EQ(ok, supported(op, firmware));
    EXPECT_EQ(rig.presenter.count(), ok ? 0u : 1u);
    EXPECT_FALSE(rig.portLeftOpen());
}

TEST_P(FaultMatrixTest, NoFaultAtAnyCommandEndsInSuccess) {
    bool clean = false;
    const std::vector<std::string> commands = cleanRun(clean);
    ASSERT_FALSE(commands.empty());
    // The shut-down commands after the firmware query get no answer: only
    // the port can fail them.
    const int answered = op == Op::Shutdown ? 2 : static_cast<int>(commands.size());
    const int total = static_cast<int>(commands.size());
    using K = emu::FaultKind;
    for (const K kind : {K::NoAnswer, K::StatusWithData, K::HangUp, K::TruncatedAnswer, K::StallMidAnswer,
                         K::ReadError, K::WriteError}) {
        const int last = kind == K::WriteError ? total : answered;
        for (int n = 1; n <= last; ++n) {
            emu::CollarOptions options;
            options.faults = {{kind, n}};
            expectFailure(options, std::string(emu::faultName(kind)) + " at command " + std::to_string(n) +
                                       " (" + commands[static_cast<std::size_t>(n - 1)].substr(0, 1) + ")");
        }
    }
    // Faults that strike wherever they can.
    for (const K kind : {K::NoAnswer, K::HangUp, K::ReadError, K::WriteError}) {
        emu::CollarOptions options;
        options.faults = {{kind, 0}};
        expectFailure(options, std::string(emu::faultName(kind)) + " at every command");
    }
    // A collar asleep that wakes with the wrong banner.
    emu::CollarOptions asleep;
    asleep.asleep = true;
    asleep.magnetAfterMs = 2500;
    asleep.faults = {{K::WrongBanner, 0}};
    expectFailure(asleep, "wrong banner");
}

// The same operations where they can succeed: on every family but the
// factory operations on the N4 and DS families only.
class SupportedOperationTest : public FaultMatrixTest {};

TEST_P(SupportedOperationTest, TheCollarsOwnMistakesInWritingAreCaught) {
    using K = emu::FaultKind;
    std::vector<K> faults;
    // Reading and shutting down write nothing the collar could get wrong; the
    // factory area is not erased.
    if (op == Op::Program) faults = {K::FlippedReadbackBit, K::EraseRefused};
    if (op == Op::WriteFactory) faults = {K::FlippedReadbackBit};
    for (const K kind : faults) {
        emu::CollarOptions options;
        options.faults = {{kind, 0}};
        expectFailure(options, emu::faultName(kind));
    }
    // Faults that strike after the writing changes nothing for the others.
    emu::CollarOptions options;
    options.faults = {{K::FlippedReadbackBit, 0}};
    Rig rig(firmware, options);
    EXPECT_EQ(rig.run(op), faults.empty());
}

TEST_P(SupportedOperationTest, NoiseAroundTheAnswersChangesNothing) {
    using K = emu::FaultKind;
    for (const K kind : {K::GarbageBeforeSoh, K::BytesAfterEot}) {
        SCOPED_TRACE(emu::faultName(kind));
        emu::CollarOptions options;
        options.faults = {{kind, 0}};
        Rig rig(firmware, options);
        EXPECT_TRUE(rig.run(op));
        EXPECT_EQ(rig.presenter.count(), 0u);
        Rig quiet(firmware, {});
        ASSERT_TRUE(quiet.run(op));
        EXPECT_EQ(rig.link.memoryImage, quiet.link.memoryImage);
        EXPECT_EQ(rig.link.factoryImage, quiet.link.factoryImage);
        EXPECT_EQ(rig.record.text(StringRow::RtcPicFwVer), quiet.record.text(StringRow::RtcPicFwVer));
    }
}

TEST_P(SupportedOperationTest, AnAsleepCollarWokenByTheMagnetServesAsAnAwakeOne) {
    emu::CollarOptions options;
    options.asleep = true;
    options.magnetAfterMs = 2500;
    Rig rig(firmware, options);
    rig.progress.abortWhen = nullptr;
    EXPECT_TRUE(rig.run(op));
    EXPECT_EQ(rig.presenter.count(), 0u);
    EXPECT_TRUE(rig.progress.sawLegend("Put the magnet near the target for 10 seconds."));
}

TEST_P(FaultMatrixTest, AMissingAdapterIsOneMessage) {
    Rig rig(firmware, {});
    rig.line.removeAdapter();
    EXPECT_FALSE(rig.run(op));
    ASSERT_EQ(rig.presenter.count(), 1u);
    EXPECT_EQ(rig.presenter.last().text.rfind("Was unable to open COM 1.", 0), 0u)
        << rig.presenter.last().text;
    EXPECT_FALSE(rig.link.portIsOpen());
}

std::string caseName(const ::testing::TestParamInfo<MatrixCase>& info) {
    return opName(info.param.op) + "_" + std::string(info.param.firmware, 2);
}

INSTANTIATE_TEST_SUITE_P(EveryOperationAndFamily, FaultMatrixTest,
                         ::testing::ValuesIn(everyOperationAndFamily()), caseName);
INSTANTIATE_TEST_SUITE_P(EverySupportedOperation, SupportedOperationTest,
                         ::testing::ValuesIn(everyOperationAndFamily(true)), caseName);

}  // namespace
}  // namespace orv::test
