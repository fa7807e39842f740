#include "sim/simulation_image.h"

#include <cmath>
#include <numbers>
#include <span>

#include "image/field_codec.h"
#include "image/firmware_table.h"
#include "image/ptt_id.h"

namespace orv {

namespace {

// The scheduler reads its general block in the layout of the first N1 collars.
constexpr const char* kSimGeneralLayoutVersion = "N1 010803";

// A general value as the collar image holds it.
double generalImageValue(const ParameterRecord& record, const LayoutField& row) {
    if (row.isConstant) return row.constant;
    const double value = record.general(row.parameter);
    switch (row.parameter) {
        case GeneralRow::ElevAngle:
            return value * std::numbers::pi / 180.0;
        case GeneralRow::Dynamics:
            return value + 1;
        case GeneralRow::PttIdCode: {
            const std::uint32_t word = programmedPttIdWord(record, false);
            return row.encoding == EncodingUint24 ? word >> 8 : word;
        }
        default:
            return value;
    }
}

// Byte 0 of a season block, packed the scheduler's way: bit 0 the season type,
// bits 2-3 the fix-interval units, bits 4-7 the next-season code with shutdown
// and run-forever moved up by one.
std::uint8_t schedulerSeasonByte(const ParameterRecord& record, int season) {
    const auto type = truncateToInteger(record.season(season, SeasonRow::SeasonType)) & 0x01;
    const auto units = truncateToInteger(record.season(season, SeasonRow::FixIntervalUnits)) & 0x03;
    auto next = truncateToInteger(record.season(season, SeasonRow::NextSeason));
    if (next > kSeasons) ++next;
    return static_cast<std::uint8_t>(type | units << 2 | (next & 0x0F) << 4);
}

}  // namespace

int buildSimulationImage(const ParameterRecord& record, SimulationImage& image) {
    const int row = findFirmware(kSimGeneralLayoutVersion);
    const ImageLayouts layouts = layoutsFor(row);

    image.general.assign(blockSize(layouts.general, PackingRule::Configuration), 0);
    walkLayout(layouts.general, PackingRule::Configuration, 0,
               [&](const LayoutField& field, std::size_t offset) {
                   storeField(image.general, offset, field, generalImageValue(record, field));
                   if (!field.isConstant && field.parameter == GeneralRow::PttPriInterval)
                       image.transmitStepOffset = offset;
               });

    for (int s = 0; s < kSeasons; ++s) {
        auto& block = image.seasons[static_cast<std::size_t>(s)];
        block.fill(0);
        walkLayout(layouts.season, PackingRule::Configuration, 0,
                   [&](const LayoutField& field, std::size_t offset) {
                       const double value =
                           field.isConstant ? field.constant : record.season(s + 1, field.parameter);
                       storeField(block, offset, field, value);
                   });
        block[0] = schedulerSeasonByte(record, s + 1);
    }
    return 0;
}

}  // namespace orv
