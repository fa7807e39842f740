#include "device/device_operations.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/format_text.h"
#include "device/device_messages.h"
#include "device/hex_text.h"
#include "device/result_codes.h"
#include "image/firmware_selection.h"
#include "image/firmware_text.h"
#include "image/image_codec.h"
#include "model/record.h"

namespace orv {

namespace {

constexpr std::size_t kBlockSize = 128;
// Answers longer than this are not taken apart for version bytes or the memory configuration.
constexpr int kParseLimit = 70;
constexpr int kCloseAfterOperation = 60;
constexpr int kCloseAfterShutdown = 10;
constexpr int kShutdownPauseMs = 3000;

constexpr const char* kReadingCaption = "Reading target configuration";
constexpr const char* kReadAborted = "Target reading was aborted!\nThe target memory was NOT read correctly.";
constexpr const char* kProgramAborted =
    "Target programming was aborted!\nThe target was NOT programmed correctly.";

// One run of a device operation: the shared steps, and the one way out that
// schedules the close, shows the one message and hides the window.
class Operation {
public:
    Operation(DeviceContext& context, ProgressSink& sink, MessageVariant words)
        : link(context.link), record(context.record), context(context), progress(sink), variant(words) {}

    // Show, connect, read the firmware versions, check the selection.
    DeviceResult open(const char* caption, std::optional<SelectionMode> mode);
    // Show again, connect again, ask the collar where its configuration lives.
    DeviceResult readMemoryConfiguration();
    // 128-byte blocks from the collar into out ('R' configuration, 'A' factory area).
    // An abort between blocks shows abortMessage.
    DeviceResult readBlocks(char letter, std::uint32_t base, std::size_t size, std::vector<std::uint8_t>& out,
                            const char* abortMessage = kReadAborted);
    // 128-byte blocks of image to the collar ('W' configuration, 'S' factory area).
    DeviceResult writeBlocks(char letter, std::uint32_t base, const std::vector<std::uint8_t>& image);
    DeviceResult end(DeviceResult code);
    // The user decided against going on: the connection ends without a message.
    DeviceResult cancelled() {
        reported = true;
        return end(DeviceResult::Aborted);
    }

    TargetLink& link;
    ParameterRecord& record;
    DeviceContext& context;
    ProgressSink& progress;
    MessageVariant variant;
    int closeDelay = kCloseAfterOperation;

private:
    DeviceResult receive() {
        return link.receiveAnswer(link.settings.comTimeoutSeconds * 1000, kAnswerCapacity, &progress);
    }
    void showPosition(std::size_t done, std::size_t size);
    DeviceResult abortedAfterBlock(const char* message);

    bool reported = false;  // the failure's message has been shown already
    int lastPosition = 0;
};

DeviceResult Operation::end(DeviceResult code) {
    link.endConnection(closeDelay);
    if (code != DeviceResult::Ok && !reported)
        showOperationFailure(link.messages(), variant, code, familyLetters(link.versionBytes));
    progress.hide();
    return code;
}

DeviceResult Operation::open(const char* caption, std::optional<SelectionMode> mode) {
    progress.show();
    if (const DeviceResult rc = link.beginConnection(progress); rc != DeviceResult::Ok) {
        reported = true;  // the connection said why
        return rc;
    }
    progress.setCaption(caption);
    progress.setPosition(0);
    lastPosition = 0;
    progress.setLegend("Reading the firmware versions from the target");
    link.sendCommand("F");
    if (const DeviceResult rc = receive(); rc != DeviceResult::Ok) return rc;
    // Nothing of an earlier collar may stay behind when this one's answer is unusable.
    link.versionBytes.fill(0);
    // A version answer that lost bytes on the way would give texts of zeros
    // (and perhaps another layout): it is no answer to take.
    const auto text = link.answerText();
    if (text[0] != 'F' || link.answerLength > kParseLimit ||
        parseHexPairs(text.substr(1), link.versionBytes) < kVersionTextBytes)
        return DeviceResult::Unrecognized;
    if (formatVersionTexts(link.versionBytes, record) != ImageResult::Ok) return DeviceResult::Unrecognized;
    if (!mode) return DeviceResult::Ok;
    return deviceResultOf(checkFirmwareSelection(record.text(StringRow::FenmodFwVer), *mode,
                                                 context.selection, link.messages()));
}

DeviceResult Operation::readMemoryConfiguration() {
    progress.show();
    if (const DeviceResult rc = link.beginConnection(progress); rc != DeviceResult::Ok) {
        reported = true;
        return rc;
    }
    progress.setCaption("Reading target memory configuration");
    progress.setPosition(0);
    lastPosition = 0;
    progress.setLegend("Reading the memory configuration from the target");
    link.sendCommand("M");
    if (const DeviceResult rc = receive(); rc != DeviceResult::Ok) return rc;
    // "M" and at least the two digits that choose the area: a shorter answer
    // would put the configuration at a guessed address.
    const auto text = link.answerText();
    if (text.size() < 3 || text[0] != 'M') return DeviceResult::Unrecognized;
    if (link.answerLength <= kParseLimit) {
        const ConfigurationArea area = configurationAreaFor(text[1], text[2]);
        link.configBaseAddress = area.baseAddress;
        link.flashSector = area.flashSector;
    }
    return DeviceResult::Ok;
}

void Operation::showPosition(std::size_t done, std::size_t size) {
    const int position = size ? static_cast<int>(done * 100 / size) : 100;
    if (position == lastPosition) return;
    lastPosition = position;
    progress.setPosition(position);
}

DeviceResult Operation::abortedAfterBlock(const char* message) {
    link.messages().warning("%s", message);
    reported = true;
    return DeviceResult::Aborted;
}

DeviceResult Operation::readBlocks(char letter, std::uint32_t base, std::size_t size,
                                   std::vector<std::uint8_t>& out, const char* abortMessage) {
    out.assign(size, 0);
    for (std::size_t i = 0; i < size; i += kBlockSize) {
        if (letter == 'R')
            link.sendCommand("%c%06lX%04X", letter, static_cast<unsigned long>(base + i),
                             static_cast<unsigned>(kBlockSize));
        else
            link.sendCommand("%c%02X%02X", letter, static_cast<unsigned>(i),
                             static_cast<unsigned>(kBlockSize));
        if (const DeviceResult rc = receive(); rc != DeviceResult::Ok) return rc;
        // A block must come back as the data answer of its command with all the
        // bytes asked for (the last block brings more than the image needs); a
        // shorter one lost bytes on the way, and anything else would leave
        // zeros in the image unnoticed.
        const std::size_t wanted = std::min(kBlockSize, size - i);
        const auto text = link.answerText();
        std::uint8_t block[kBlockSize];
        if (text[0] != letter || parseHexPairs(text.substr(1), block) < kBlockSize)
            return DeviceResult::Unrecognized;
        std::copy(block, block + wanted, out.begin() + static_cast<long>(i));
        const std::size_t done = i + wanted;
        progress.setLegend(formatText("%u of %u bytes have been read", static_cast<unsigned>(done),
                                      static_cast<unsigned>(size)));
        showPosition(done, size);
        if (progress.aborted()) return abortedAfterBlock(abortMessage);
    }
    return DeviceResult::Ok;
}

DeviceResult Operation::writeBlocks(char letter, std::uint32_t base, const std::vector<std::uint8_t>& image) {
    const std::size_t size = image.size();
    for (std::size_t i = 0; i < size; i += kBlockSize) {
        const std::size_t count = std::min(kBlockSize, size - i);
        std::string text = letter == 'W'
                               ? formatText("%c%06lX%02X", letter, static_cast<unsigned long>(base + i), 0u)
                               : formatText("%c%02X", letter, static_cast<unsigned>(i));
        appendHexPairs(text, std::span(image).subspan(i, count));
        link.sendText(text);
        if (const DeviceResult rc = receive(); rc != DeviceResult::Ok) return rc;
        const std::size_t done = i + count;
        progress.setLegend(formatText("%u of %u bytes have been written", static_cast<unsigned>(done),
                                      static_cast<unsigned>(size)));
        showPosition(done, size);
        if (progress.aborted()) return abortedAfterBlock(kProgramAborted);
    }
    return DeviceResult::Ok;
}

// Read configuration and read factory parameters differ only in these.
struct ReadKind {
    char letter;
    const char* legend;
    bool factory;
};

DeviceResult readImage(DeviceContext& context, ProgressSink& progress, const ReadKind& kind) {
    Operation op(context, progress, MessageVariant::Read);
    if (const DeviceResult rc = op.open(kReadingCaption, SelectionMode::Automatic); rc != DeviceResult::Ok)
        return op.end(rc);
    std::vector<std::uint8_t> sized;
    const ImageResult built = kind.factory ? buildFactoryImage(context.record, sized)
                                           : buildImage(context.record, sized, context.rootIdFlag);
    if (built != ImageResult::Ok) return op.end(deviceResultOf(built));
    if (const DeviceResult rc = op.readMemoryConfiguration(); rc != DeviceResult::Ok) return op.end(rc);
    progress.setLegend(kind.legend);
    std::vector<std::uint8_t> data;
    const std::uint32_t base = kind.factory ? 0 : op.link.configBaseAddress;
    if (const DeviceResult rc = op.readBlocks(kind.letter, base, sized.size(), data); rc != DeviceResult::Ok)
        return op.end(rc);
    (kind.factory ? op.link.factoryImage : op.link.memoryImage) = std::move(data);
    return op.end(DeviceResult::Ok);
}

}  // namespace

ConfigurationArea configurationAreaFor(char c1, char c2) {
    const int n = (c1 - '0') * 16 + (c2 - '0');
    if (n == 22) return {0xDFC000, 70};
    return {0xBFC000, 34};
}

DeviceResult readFirmwareVersions(DeviceContext& context, ProgressSink& progress) {
    Operation op(context, progress, MessageVariant::Read);
    // The close is scheduled here too, so the port is not held open for ever.
    return op.end(op.open(kReadingCaption, std::nullopt));
}

DeviceResult readConfiguration(DeviceContext& context, ProgressSink& progress) {
    return readImage(context, progress, {'R', "Reading the target configuration", false});
}

DeviceResult readFactoryParameters(DeviceContext& context, ProgressSink& progress) {
    return readImage(context, progress, {'A', "Reading the factory parameters configuration", true});
}

namespace {

// Program configuration, with the collar's configuration read first when before is given.
DeviceResult program(DeviceContext& context, ProgressSink& progress, std::vector<std::uint8_t>* before,
                     const BeforeEraseCheck* check) {
    Operation op(context, progress, MessageVariant::Program);
    TargetLink& link = context.link;
    if (const DeviceResult rc = op.open("Writing configuration to target", SelectionMode::Asking);
        rc != DeviceResult::Ok)
        return op.end(rc);
    MemoryImage image;
    if (const ImageResult rc = buildImage(context.record, image, context.rootIdFlag); rc != ImageResult::Ok)
        return op.end(deviceResultOf(rc));
    link.memoryImage = image;
    if (const DeviceResult rc = op.readMemoryConfiguration(); rc != DeviceResult::Ok) return op.end(rc);

    if (before) {
        // Only a read in full is what the collar held; an abort here is the
        // programming's (nothing has been sent that changes the collar).
        progress.setLegend("Reading the target configuration");
        std::vector<std::uint8_t> held;
        if (const DeviceResult rc =
                op.readBlocks('R', link.configBaseAddress, image.size(), held, kProgramAborted);
            rc != DeviceResult::Ok)
            return op.end(rc);
        *before = std::move(held);
        const BeforeErase verdict = (*check)(*before);
        if (verdict == BeforeErase::Cancel) return op.cancelled();
        // The collar may have gone back to sleep while the user looked.
        if (verdict == BeforeErase::WriteAfterWait) {
            if (const DeviceResult rc = op.readMemoryConfiguration(); rc != DeviceResult::Ok)
                return op.end(rc);
        }
        progress.setCaption("Writing configuration to target");
    }

    progress.setLegend("Erasing target FLASH memory sector");
    link.sendCommand("%c%02X", 'E', static_cast<unsigned>(link.flashSector));
    if (const DeviceResult rc =
            link.receiveAnswer(link.settings.comTimeoutSeconds * 1000, kAnswerCapacity, &progress);
        rc != DeviceResult::Ok)
        return op.end(rc);
    if (link.answer[0] != '+') return op.end(DeviceResult::Unrecognized);

    progress.setCaption("Writing configuration to target");
    progress.setLegend(formatText("Writing %d bytes to address 0x%06lX in memory",
                                  static_cast<int>(image.size()),
                                  static_cast<unsigned long>(link.configBaseAddress)));
    if (const DeviceResult rc = op.writeBlocks('W', link.configBaseAddress, image); rc != DeviceResult::Ok)
        return op.end(rc);

    progress.setCaption("Confirming configuration in target");
    progress.setLegend("Reading the target configuration");
    std::vector<std::uint8_t> readback;
    if (const DeviceResult rc = op.readBlocks('R', link.configBaseAddress, image.size(), readback);
        rc != DeviceResult::Ok)
        return op.end(rc);
    return op.end(readback == image ? DeviceResult::Ok : DeviceResult::ReadbackMismatch);
}

}  // namespace

DeviceResult programConfiguration(DeviceContext& context, ProgressSink& progress) {
    return program(context, progress, nullptr, nullptr);
}

DeviceResult programConfigurationAfterReading(DeviceContext& context, ProgressSink& progress,
                                              std::vector<std::uint8_t>& before,
                                              const BeforeEraseCheck& check) {
    before.clear();
    return program(context, progress, &before, &check);
}

DeviceResult programFactoryParameters(DeviceContext& context, ProgressSink& progress) {
    Operation op(context, progress, MessageVariant::Program);
    TargetLink& link = context.link;
    if (const DeviceResult rc = op.open("Writing Factory Parameters to target", SelectionMode::Asking);
        rc != DeviceResult::Ok)
        return op.end(rc);
    FactoryImage image;
    if (const ImageResult rc = buildFactoryImage(context.record, image); rc != ImageResult::Ok)
        return op.end(deviceResultOf(rc));
    link.factoryImage = image;
    if (const DeviceResult rc = op.readMemoryConfiguration(); rc != DeviceResult::Ok) return op.end(rc);

    progress.setLegend(
        formatText("Writing %d bytes to address 0x%06lX in memory", static_cast<int>(image.size()), 0ul));
    if (const DeviceResult rc = op.writeBlocks('S', 0, image); rc != DeviceResult::Ok) return op.end(rc);
    progress.setLegend("Reading the factory parameters configuration");
    std::vector<std::uint8_t> readback;
    if (const DeviceResult rc = op.readBlocks('A', 0, image.size(), readback); rc != DeviceResult::Ok)
        return op.end(rc);
    return op.end(readback == image ? DeviceResult::Ok : DeviceResult::ReadbackMismatch);
}

DeviceResult shutDownTarget(DeviceContext& context, ProgressSink& progress) {
    Operation op(context, progress, MessageVariant::Program);
    TargetLink& link = context.link;
    if (const DeviceResult rc = op.open("Shutting Down GPS System Target", SelectionMode::Asking);
        rc != DeviceResult::Ok)
        return op.end(rc);
    progress.setCaption("Writing Shut Down command to target");
    const std::string family = context.record.text(StringRow::FenmodFwVer).substr(0, 2);
    // No answers are read; each command drains what the collar said before.
    // A command the port did not take is a failure, not a collar shut down.
    bool sent = true;
    if (family == "N4") {
        sent = link.sendCommand("G") && link.sendCommand("X");
    } else if (family == "N3" || family == "N6" || family == "DS") {
        sent = link.sendCommand("%c%02X%02X%02X%02X", 'V', 0x53u, 0x53u, 0x44u, 0x0Du);
        if (sent) {
            link.pause(kShutdownPauseMs);
            sent = link.sendCommand("WFFFF0F0100") && link.sendCommand("X");
        }
    }
    op.closeDelay = kCloseAfterShutdown;
    return op.end(sent ? DeviceResult::Ok : DeviceResult::WriteFailed);
}

}  // namespace orv
