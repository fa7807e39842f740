#pragma once

// A distinct value for every parameter a firmware's images store, so that a
// round trip through an image (or a .ppf file) shows any field that lands in
// the wrong place, is cut short or is lost. The values fit their fields; a
// general parameter that the factory block keeps as a single bit gets 0 or 1.

#include <string>
#include <vector>

#include "image/factory_hex.h"
#include "image/firmware_table.h"
#include "image/image_blocks.h"
#include "image/layout.h"
#include "model/record.h"

namespace orv::test {

struct StoredValue {
    DefinitionTable table;  // General, Season or String
    int row;
    int season;  // 1..12 for season values, 0 otherwise
    double value;
    std::string text;  // string values
};

inline double distinctValue(const LayoutField& field, int n) {
    switch (field.encoding) {
        case EncodingBits:
            // Next-season codes go up to 14 ("shutdown"), stored as 15.
            if (field.mask == 15) return 1 + n % 14;
            return field.mask == 1 ? (n + 1) % 2 : 1 + n % field.mask;
        case EncodingUint8:
            return 1 + n % 200;
        case EncodingUint16:
            return 1000 + n;
        case EncodingFloat:
            // Exactly representable, except the elevation angle, which the collar keeps in radians.
            return field.parameter == GeneralRow::ElevAngle ? 10.5 : 0.5 + 0.25 * n;
        default:
            return 70000 + 3 * n;
    }
}

enum class WithFactory { No, Yes };

// firmwareRow: a row of the configuration table. With WithFactory::Yes the
// factory block of the same version is included when it has one. PttIdCode is
// left out: the decoder gives back its ID hex text, not the value.
inline std::vector<StoredValue> distinctStoredValues(int firmwareRow, WithFactory withFactory) {
    std::vector<StoredValue> values;
    int n = 0;
    for (const PlacedBlock& block : imageBlocks(firmwareRow)) {
        for (const LayoutField& field : block.rows) {
            if (field.isConstant || isPttIdRow(block, field)) continue;
            values.push_back({block.table, field.parameter, block.season, distinctValue(field, n++), {}});
        }
    }
    const int factoryRow =
        findFactoryFirmware(firmwareTable()[static_cast<std::size_t>(firmwareRow)].version);
    if (withFactory == WithFactory::No || factoryRow == kFirmwareNotSupported) return values;
    for (const LayoutField& field : factoryLayoutFor(factoryRow)) {
        if (field.isConstant) continue;
        if (isFactoryTextRow(field)) {
            values.push_back({DefinitionTable::String, field.parameter, 0, 0,
                              formatFactoryHex(0x1A0000u + static_cast<unsigned>(n++))});
            continue;
        }
        const double value = distinctValue(field, n++);
        // A parameter both blocks keep must fit the narrower field.
        for (StoredValue& earlier : values) {
            if (earlier.table == DefinitionTable::General && earlier.row == field.parameter)
                earlier.value = value;
        }
        values.push_back({DefinitionTable::General, field.parameter, 0, value, {}});
    }
    return values;
}

inline void applyStoredValues(ParameterRecord& record, const std::vector<StoredValue>& values) {
    for (const StoredValue& v : values) {
        if (v.table == DefinitionTable::String) {
            record.text(v.row) = v.text;
        } else if (v.table == DefinitionTable::Season) {
            record.season(v.season, v.row) = v.value;
        } else {
            record.general(v.row) = v.value;
        }
    }
}

}  // namespace orv::test
