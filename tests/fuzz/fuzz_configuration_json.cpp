// Any bytes as a JSON configuration file: the reader must never crash, and
// whatever it accepts must hold values inside their limits and write and read
// back to the same record. Inputs whose first byte is odd are spliced into a
// valid file (at a place the next two bytes choose, replacing as many bytes as
// the third says), so that most runs reach the checks behind the parser.

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/configuration_json.h"
#include "image/firmware_table.h"

namespace {

const std::string& validFile() {
    static const std::string text = [] {
        orv::ParameterRecord record;
        orv::resetRecord(record);
        record.text(orv::StringRow::FenmodFwVer) = orv::firmwareTable()[0].version;
        return orv::configurationJson(record, true);
    }();
    return text;
}

bool withinLimits(const orv::ParameterRecord& record) {
    const auto general = orv::generalDefinitions();
    for (std::size_t row = 0; row < general.size(); ++row) {
        const double value = record.generalValues[row];
        if (!(value >= general[row].minValue && value <= general[row].maxValue)) return false;
    }
    const auto season = orv::seasonDefinitions();
    for (const auto& values : record.seasonValues)
        for (std::size_t row = 0; row < season.size(); ++row)
            if (!(values[row] >= season[row].minValue && values[row] <= season[row].maxValue)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (size >= 4 && (data[0] & 1) != 0) {
        text = validFile();
        const std::size_t at = (static_cast<std::size_t>(data[1]) << 8 | data[2]) % text.size();
        text.replace(at, data[3] % 8, reinterpret_cast<const char*>(data + 4), size - 4);
    }
    orv::ParameterRecord record;
    orv::resetRecord(record);
    orv::JsonReadProblem problem;
    if (!orv::readConfigurationJson(text, record, problem)) return 0;
    if (!withinLimits(record)) __builtin_trap();
    orv::ParameterRecord again;
    orv::resetRecord(again);
    if (!orv::readConfigurationJson(orv::configurationJson(record, true), again, problem)) __builtin_trap();
    if (again.generalValues != record.generalValues || again.seasonValues != record.seasonValues ||
        again.stringValues != record.stringValues)
        __builtin_trap();
    return 0;
}
