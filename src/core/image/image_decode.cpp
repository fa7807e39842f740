// Decoding images into the record (load mode) or against it (check mode).

#include <cmath>
#include <string>

#include "app/message_log.h"
#include "app/text_helpers.h"
#include "image/factory_hex.h"
#include "image/field_codec.h"
#include "image/firmware_table.h"
#include "image/firmware_text.h"
#include "image/image_blocks.h"
#include "image/image_codec.h"
#include "image/image_messages.h"
#include "image/ptt_id.h"
#include "image/value_adjust.h"
#include "model/format_value.h"

namespace orv {

namespace {

// The family letters the message names: the collar's first two version bytes
// when they are at hand, else those of the version text.
std::string familyLetters(const ParameterRecord& record, const DecodeRequest& request) {
    if (request.versionBytes.size() >= 2) {
        return std::string{static_cast<char>(request.versionBytes[0]),
                           static_cast<char>(request.versionBytes[1])};
    }
    return std::string(firmwareFamily(record.text(StringRow::FenmodFwVer)));
}

// Re-formats the version texts when asked, then finds the table row; shows the
// failure's message. Returns the result code and sets row.
template <typename Find>
ImageResult selectLayout(ParameterRecord& record, const DecodeRequest& request, MessageLog& log, Find find,
                         int& row) {
    if (!request.versionTextsReady && formatVersionTexts(request.versionBytes, record) != ImageResult::Ok) {
        log.error("%s", imagetext::kVersionReadError);
        return ImageResult::VersionTextsFailed;
    }
    row = find(record.text(StringRow::FenmodFwVer));
    if (row == kFirmwareNotSupported) {
        showUnsupportedFirmwareRead(log, familyLetters(record, request));
        return ImageResult::UnsupportedFirmware;
    }
    return ImageResult::Ok;
}

// The value a check expects to find: the screen value, except that a
// single-precision field can only hold the screen value as rounded to single
// precision, which from about 30 degrees of elevation up is further than the
// tolerance from the screen value itself.
double expectedValue(const PlacedBlock& block, const LayoutField& row, double screen) {
    if (row.encoding != EncodingFloat) return screen;
    const double stored = toSingle(toStoredValue(block.table, row.parameter, screen));
    return fromStoredValue(block.table, row.parameter, stored);
}

void reportMismatch(const PlacedBlock& block, const LayoutField& row, double device, double screen,
                    MessageLog& log) {
    const ParameterDefinition& def = definitionTable(block.table)[static_cast<std::size_t>(row.parameter)];
    const std::string deviceText = formatValue(device, def.kind);
    const std::string screenText = formatValue(screen, def.kind);
    if (block.table == DefinitionTable::Season) {
        log.warning("%s",
                    imagetext::deviceSeasonMismatch(def.label, block.season, deviceText, screenText).c_str());
    } else {
        log.warning("%s", imagetext::deviceMismatch(def.label, deviceText, screenText).c_str());
    }
}

// Season parameters the collar does not keep become 0 on a load; the slot that
// holds the season shown on the Schedule tab keeps a valid season.
void clearSeasonValues(ParameterRecord& record) {
    const int shown = record.currentSeason();
    for (auto& season : record.seasonValues) season.fill(0);
    record.setCurrentSeason(shown);
}

}  // namespace

void showUnsupportedFirmwareRead(MessageLog& log, const std::string& family) {
    log.error("%s", imagetext::unsupportedFirmwareRead(family).c_str());
}

ImageResult decodeImage(ParameterRecord& record, std::span<const std::uint8_t> image,
                        const DecodeRequest& request, MessageLog& log) {
    int firmware = 0;
    if (const ImageResult rc = selectLayout(record, request, log, findFirmware, firmware);
        rc != ImageResult::Ok)
        return rc;
    const bool load = request.mode == ReadMode::Load;
    const std::int64_t extension = truncateToInteger(record.general(GeneralRow::ExtensionAndProtectionCode));
    bool mismatch = false;
    for (const PlacedBlock& block : imageBlocks(firmware)) {
        if (load && block.season == 1) clearSeasonValues(record);
        walkLayout(
            block.rows, PackingRule::Configuration, block.base, [&](const LayoutField& row, std::size_t at) {
                if (mismatch || row.isConstant) return;
                if (isPttIdRow(block, row)) {
                    const auto raw = readUnsigned(image, at, encodingBytes(row.encoding));
                    const std::string text = idHexText(raw, row.encoding, extension);
                    if (load) record.text(StringRow::IDHexValue) = text;
                    return;
                }
                const double device = fromStoredValue(block.table, row.parameter, readField(image, at, row));
                double& screen = blockValue(record, block, row.parameter);
                if (load) {
                    screen = device;
                } else if (!(std::fabs(device - expectedValue(block, row, screen)) <= kCheckTolerance)) {
                    reportMismatch(block, row, device, screen, log);
                    mismatch = true;
                }
            });
        if (mismatch) return ImageResult::Mismatch;
    }
    return ImageResult::Ok;
}

ImageResult decodeFactoryImage(ParameterRecord& record, std::span<const std::uint8_t> image,
                               const DecodeRequest& request, MessageLog& log) {
    int firmware = 0;
    if (const ImageResult rc = selectLayout(record, request, log, findFactoryFirmware, firmware);
        rc != ImageResult::Ok)
        return rc;
    const bool load = request.mode == ReadMode::Load;
    const std::size_t notesAt = walkLayout(
        factoryLayoutFor(firmware), PackingRule::Factory, 0, [&](const LayoutField& row, std::size_t at) {
            if (!load || row.isConstant) return;
            if (isFactoryTextRow(row)) {
                record.text(row.parameter) = formatFactoryHex(readUnsigned(image, at, 4));
            } else {
                record.general(row.parameter) = readField(image, at, row);
            }
        });
    // The notes end at a 0 byte, or at the first byte of erased flash (0xFF,
    // a collar whose factory area was never written); what lies before is
    // taken as the text it holds, without bytes that form no character.
    std::string notes;
    for (std::size_t at = notesAt;
         at < notesAt + kSstNotesBytes && at < image.size() && image[at] != 0 && image[at] != 0xFF; ++at) {
        notes += static_cast<char>(image[at]);
    }
    record.text(StringRow::SSTNotes) = wellFormedUtf8(notes);
    return ImageResult::Ok;
}

}  // namespace orv
