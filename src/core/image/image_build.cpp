// Building the configuration and factory images from the record.

#include <algorithm>
#include <new>

#include "image/factory_hex.h"
#include "image/field_codec.h"
#include "image/firmware_table.h"
#include "image/image_blocks.h"
#include "image/image_codec.h"
#include "image/ptt_id.h"
#include "image/value_adjust.h"

namespace orv {

std::array<PlacedBlock, kImageBlockCount> imageBlocks(int firmwareRow) {
    const ImageLayouts layouts = layoutsFor(firmwareRow);
    std::array<PlacedBlock, kImageBlockCount> blocks{};
    std::size_t base = 0;
    blocks[0] = {layouts.general, DefinitionTable::General, 0, base};
    base += blockSize(layouts.general, PackingRule::Configuration);
    for (int s = 1; s <= kSeasons; ++s) {
        blocks[static_cast<std::size_t>(s)] = {layouts.season, DefinitionTable::Season, s, base};
        base += blockSize(layouts.season, PackingRule::Configuration);
    }
    blocks[kImageBlockCount - 1] = {layouts.extra, DefinitionTable::General, 0, base};
    return blocks;
}

namespace {

// A fresh zero-filled buffer; false when it cannot be had.
bool allocate(std::vector<std::uint8_t>& image, std::size_t size) {
    try {
        image.assign(size, 0);
    } catch (const std::bad_alloc&) {
        image.clear();
        return false;
    }
    return true;
}

double storedValue(const ParameterRecord& record, const PlacedBlock& block, const LayoutField& row,
                   bool rootIdFlag) {
    if (row.isConstant) return row.constant;
    if (isPttIdRow(block, row)) {
        const std::uint32_t word = programmedPttIdWord(record, rootIdFlag);
        // A three-byte field keeps the three most significant bytes of the word.
        return row.encoding == EncodingUint24 ? word >> 8 : word;
    }
    return toStoredValue(block.table, row.parameter, blockValue(record, block, row.parameter));
}

}  // namespace

ImageResult buildImage(const ParameterRecord& record, MemoryImage& image, bool rootIdFlag) {
    const int firmware = findFirmware(record.text(StringRow::FenmodFwVer));
    if (firmware == kFirmwareNotSupported) return ImageResult::UnsupportedFirmware;
    if (!allocate(image, imageSize(firmware))) return ImageResult::OutOfMemory;
    for (const PlacedBlock& block : imageBlocks(firmware)) {
        walkLayout(block.rows, PackingRule::Configuration, block.base,
                   [&](const LayoutField& row, std::size_t at) {
                       storeField(image, at, row, storedValue(record, block, row, rootIdFlag));
                   });
    }
    return ImageResult::Ok;
}

ImageResult buildFactoryImage(const ParameterRecord& record, FactoryImage& image) {
    const int firmware = findFactoryFirmware(record.text(StringRow::FenmodFwVer));
    if (firmware == kFirmwareNotSupported) return ImageResult::UnsupportedFirmware;
    if (!allocate(image, factoryImageSize(firmware))) return ImageResult::OutOfMemory;
    const std::size_t notesAt = walkLayout(factoryLayoutFor(firmware), PackingRule::Factory, 0,
                                           [&](const LayoutField& row, std::size_t at) {
                                               double value = 0;
                                               if (row.isConstant) {
                                                   value = row.constant;
                                               } else if (isFactoryTextRow(row)) {
                                                   value = parseFactoryHex(record.text(row.parameter));
                                               } else {
                                                   value = record.general(row.parameter);
                                               }
                                               storeField(image, at, row, value);
                                           });
    const std::string& notes = record.text(StringRow::SSTNotes);
    std::copy_n(notes.begin(), std::min(notes.size(), kSstNotesBytes),
                image.begin() + static_cast<std::ptrdiff_t>(notesAt));
    return ImageResult::Ok;
}

}  // namespace orv
