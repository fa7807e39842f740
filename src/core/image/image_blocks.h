#pragma once

// Where the blocks of a configuration image lie and which values their rows
// refer to; shared by the builder and the decoder so they walk alike.

#include <array>
#include <cstddef>

#include "image/layout.h"
#include "model/record.h"

namespace orv {

struct PlacedBlock {
    LayoutTable rows;
    DefinitionTable table;  // General or Season
    int season;             // 1..12 for a season block, 0 otherwise
    std::size_t base;       // offset of the block in the image
};

inline constexpr std::size_t kImageBlockCount = kSeasons + 2;

// The general block, the season blocks for seasons 1..12, the extra block.
std::array<PlacedBlock, kImageBlockCount> imageBlocks(int firmwareRow);

inline double& blockValue(ParameterRecord& record, const PlacedBlock& block, int parameter) {
    return block.table == DefinitionTable::Season ? record.season(block.season, parameter)
                                                  : record.general(parameter);
}
inline double blockValue(const ParameterRecord& record, const PlacedBlock& block, int parameter) {
    return block.table == DefinitionTable::Season ? record.season(block.season, parameter)
                                                  : record.general(parameter);
}

inline bool isPttIdRow(const PlacedBlock& block, const LayoutField& row) {
    return block.table == DefinitionTable::General && !row.isConstant &&
           row.parameter == GeneralRow::PttIdCode;
}

// In a factory block the 32-bit rows of parameters 20..26 hold texts.
inline bool isFactoryTextRow(const LayoutField& row) {
    return !row.isConstant && row.encoding == EncodingUint32 && row.parameter >= StringRow::FactSysCTN &&
           row.parameter <= StringRow::MACAddress;
}

}  // namespace orv
