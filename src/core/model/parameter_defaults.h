#pragma once

// "Set Parameter Defaults": the chosen general and season parameters go back to
// the default values of their definitions. Which check box stands for which
// parameter is the pages' business; this is the operation on the record.

#include <array>

#include "model/record.h"

namespace orv {

struct DefaultsSelection {
    std::array<bool, kGeneralCount> general{};
    std::array<bool, kSeasonCount> season{};  // applies to all twelve seasons
};

// String parameters are never touched.
void applyDefaults(ParameterRecord& record, const DefaultsSelection& selection);

}  // namespace orv
