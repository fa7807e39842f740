#include "model/parameter_defaults.h"

namespace orv {

void applyDefaults(ParameterRecord& record, const DefaultsSelection& selection) {
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < general.size() && row < selection.general.size(); ++row) {
        if (selection.general[row]) record.generalValues[row] = general[row].defaultValue;
    }
    const auto season = seasonDefinitions();
    for (std::size_t row = 0; row < season.size() && row < selection.season.size(); ++row) {
        if (!selection.season[row]) continue;
        for (auto& values : record.seasonValues) values[row] = season[row].defaultValue;
    }
}

}  // namespace orv
