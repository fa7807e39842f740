#include "compare/held_rows.h"

#include "image/firmware_table.h"
#include "image/image_blocks.h"

namespace orv {

HeldRows HeldRows::everything() {
    HeldRows held;
    held.general.set();
    held.season.set();
    held.texts = true;
    held.firmwareVersion = true;
    return held;
}

HeldRows HeldRows::ofImage(int firmwareRow, int factoryRow) {
    HeldRows held;
    held.firmwareVersion = true;
    if (firmwareRow == kFirmwareNotSupported) return held;
    for (const PlacedBlock& block : imageBlocks(firmwareRow)) {
        for (const LayoutField& row : block.rows) {
            // The PTT ID field holds a word built from several values; the
            // collar's word is never taken apart into the assigned code.
            if (row.isConstant || row.parameter < 0 || isPttIdRow(block, row)) continue;
            if (block.table == DefinitionTable::Season)
                held.season.set(static_cast<std::size_t>(row.parameter));
            else
                held.general.set(static_cast<std::size_t>(row.parameter));
        }
    }
    if (factoryRow == kFirmwareNotSupported) return held;
    for (const LayoutField& row : factoryLayoutFor(factoryRow)) {
        if (row.isConstant || row.parameter < 0 || isFactoryTextRow(row)) continue;
        held.general.set(static_cast<std::size_t>(row.parameter));
    }
    return held;
}

HeldRows HeldRows::ofProgrammed(int firmwareRow, int factoryRow) {
    HeldRows held = ofImage(firmwareRow, kFirmwareNotSupported);
    if (factoryRow == kFirmwareNotSupported) return held;
    for (const LayoutField& row : factoryLayoutFor(factoryRow)) {
        if (row.isConstant || row.parameter < 0 || isFactoryTextRow(row)) continue;
        held.general.reset(static_cast<std::size_t>(row.parameter));
    }
    return held;
}

}  // namespace orv
