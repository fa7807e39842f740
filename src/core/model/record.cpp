#include "model/record.h"

namespace orv {

void resetRecord(ParameterRecord& record) {
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < record.generalValues.size() && row < general.size(); ++row) {
        record.generalValues[row] = general[row].defaultValue;
    }
    const auto season = seasonDefinitions();
    for (auto& values : record.seasonValues) {
        for (std::size_t row = 0; row < values.size() && row < season.size(); ++row) {
            values[row] = season[row].defaultValue;
        }
    }
    for (auto& text : record.stringValues) {
        text.clear();
    }
    record.text(StringRow::UserAccessLevel) = "Customer";
    record.generalChanged.fill(false);
    for (auto& flags : record.seasonChanged) {
        flags.fill(false);
    }
    record.stringChanged.fill(false);
    record.recordDirty = false;
}

}  // namespace orv
