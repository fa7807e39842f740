#include "model/resolve.h"

#include <cmath>

namespace orv {

ResolvedField resolve(ParameterRecord& record, Page page, int row) {
    if (!isSchedulePage(page)) {
        const auto table = generalDefinitions();
        if (row < 0 || row >= kGeneralCount) {
            return {DefinitionTable::General, nullptr, nullptr, kGeneralCount, -1};
        }
        const ParameterDefinition& def = table[static_cast<std::size_t>(row)];
        return {DefinitionTable::General, &def, &record.general(row), kGeneralCount, def.kind};
    }

    const auto table = seasonDefinitions();
    if (row < 0 || row >= kSeasonCount) {
        return {DefinitionTable::Season, nullptr, nullptr, kSeasonCount, -1};
    }
    const ParameterDefinition& def = table[static_cast<std::size_t>(row)];
    auto& values = record.seasonValues[static_cast<std::size_t>(record.currentSeason() - 1)];
    ResolvedField field{DefinitionTable::Season, &def, &values[static_cast<std::size_t>(row)], kSeasonCount,
                        def.kind};
    if (def.companion == RadioCompanion::InverseOfPreviousRow) {
        // The inverted radio button of the previous row's flag.
        field.slot = &values[static_cast<std::size_t>(row - 1)];
        return field;
    }
    switch (row) {
        case SeasonRow::Season:  // the selector is not kept per season
            field.slot = &record.seasonValues[0][SeasonRow::Season];
            break;
        case SeasonRow::NumberOfDays:
        case SeasonRow::LengthOfSeasonSeasonStartDay:
            // One slot, read as a day of the year or as a number of days.
            field.slot = &values[SeasonRow::NumberOfDays];
            field.kind =
                values[SeasonRow::SeasonType] == 1 ? KindDayOfYear : table[SeasonRow::NumberOfDays].kind;
            break;
        default:
            break;
    }
    return field;
}

}  // namespace orv
