#include "image/value_adjust.h"

namespace orv {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308238;
constexpr double kSecondsPerMinute = 60;
constexpr double kLastSeason = 12;

}  // namespace

double toStoredValue(DefinitionTable table, int parameter, double screenValue) {
    if (table == DefinitionTable::Season) {
        if (parameter == SeasonRow::NextSeason && screenValue > kLastSeason) return screenValue + 1;
        return screenValue;
    }
    if (table != DefinitionTable::General) return screenValue;
    switch (parameter) {
        case GeneralRow::ElevAngle:
            return screenValue / kDegreesPerRadian;
        case GeneralRow::Dynamics:
            return screenValue + 1;
        case GeneralRow::ActivitySenseInterval:
            return screenValue * kSecondsPerMinute;
        default:
            return screenValue;
    }
}

double fromStoredValue(DefinitionTable table, int parameter, double storedValue) {
    if (table == DefinitionTable::Season) {
        if (parameter == SeasonRow::NextSeason && storedValue > kLastSeason) return storedValue - 1;
        return storedValue;
    }
    if (table != DefinitionTable::General) return storedValue;
    switch (parameter) {
        case GeneralRow::ElevAngle:
            return storedValue * kDegreesPerRadian;
        case GeneralRow::Dynamics:
            return storedValue - 1;
        case GeneralRow::ActivitySenseInterval:
            return storedValue / kSecondsPerMinute;
        default:
            return storedValue;
    }
}

}  // namespace orv
