#include "image/value_adjust.h"

namespace orv {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308238;
constexpr double kSecondsPerMinute = 60;
constexpr double kLastSeason = 12;

// The form a row declares; rows outside the value tables are kept as they are.
StoredForm storedFormOf(DefinitionTable table, int parameter) {
    if (table != DefinitionTable::General && table != DefinitionTable::Season) return StoredForm::AsShown;
    const auto rows = definitionTable(table);
    if (parameter < 0 || static_cast<std::size_t>(parameter) >= rows.size()) return StoredForm::AsShown;
    return rows[static_cast<std::size_t>(parameter)].stored;
}

}  // namespace

double toStoredValue(DefinitionTable table, int parameter, double screenValue) {
    switch (storedFormOf(table, parameter)) {
        case StoredForm::Radians:
            return screenValue / kDegreesPerRadian;
        case StoredForm::ListPositionPlusOne:
            return screenValue + 1;
        case StoredForm::Seconds:
            return screenValue * kSecondsPerMinute;
        case StoredForm::SeasonCodeSkipping13:
            return screenValue > kLastSeason ? screenValue + 1 : screenValue;
        case StoredForm::AsShown:
            break;
    }
    return screenValue;
}

double fromStoredValue(DefinitionTable table, int parameter, double storedValue) {
    switch (storedFormOf(table, parameter)) {
        case StoredForm::Radians:
            return storedValue * kDegreesPerRadian;
        case StoredForm::ListPositionPlusOne:
            return storedValue - 1;
        case StoredForm::Seconds:
            return storedValue / kSecondsPerMinute;
        case StoredForm::SeasonCodeSkipping13:
            return storedValue > kLastSeason ? storedValue - 1 : storedValue;
        case StoredForm::AsShown:
            break;
    }
    return storedValue;
}

}  // namespace orv
