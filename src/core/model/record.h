#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "model/definitions.h"
#include "model/numeric.h"

namespace orv {

// One collar's configuration in memory. Every numeric value is a double,
// whatever its kind: positions of list entries, flags, seconds, minutes, Hz.
struct ParameterRecord {
    std::array<double, kGeneralCount> generalValues{};
    std::array<std::array<double, kSeasonCount>, kSeasons> seasonValues{};
    std::array<std::string, kStringCount> stringValues{};
    // Which values the user changed since the record was loaded or saved.
    std::array<bool, kGeneralCount> generalChanged{};
    std::array<std::array<bool, kSeasonCount>, kSeasons> seasonChanged{};
    std::array<bool, kStringCount> stringChanged{};
    bool recordDirty = false;

    // The season shown on the Schedule tab (1..12), the one its rows stand for.
    // It lives in the selector's slot of season 1; a value there outside 1..12
    // (a raw setting, a damaged file) stands for the nearest season, so it can
    // never address outside the record.
    int currentSeason() const {
        return std::clamp(truncateToInt(seasonValues[0][SeasonRow::Season]), 1, kSeasons);
    }
    void setCurrentSeason(int season) { seasonValues[0][SeasonRow::Season] = season; }

    double& general(int row) { return generalValues[static_cast<std::size_t>(row)]; }
    double general(int row) const { return generalValues[static_cast<std::size_t>(row)]; }
    // season is 1..12
    double& season(int season, int row) {
        return seasonValues[static_cast<std::size_t>(season - 1)][static_cast<std::size_t>(row)];
    }
    double season(int season, int row) const {
        return seasonValues[static_cast<std::size_t>(season - 1)][static_cast<std::size_t>(row)];
    }
    std::string& text(int row) { return stringValues[static_cast<std::size_t>(row)]; }
    const std::string& text(int row) const { return stringValues[static_cast<std::size_t>(row)]; }
};

// Every value to its default, strings empty but the access level "Customer",
// every change flag and recordDirty cleared.
void resetRecord(ParameterRecord& record);

}  // namespace orv
