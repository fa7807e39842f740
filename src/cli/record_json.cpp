#include "cli.h"
#include "json_text.h"

namespace orv::cli {

namespace {

template <typename Values>
void appendObject(std::string& out, std::span<const ParameterDefinition> table, const Values& values) {
    out += '{';
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (row) out += ", ";
        out += jsonString(rowName(table[row]));
        out += ": ";
        if constexpr (std::is_same_v<typename Values::value_type, std::string>)
            out += jsonString(values[row]);
        else
            out += jsonNumber(values[row]);
    }
    out += '}';
}

}  // namespace

std::string recordJson(const ParameterRecord& record) {
    std::string out = "{\"firmware\": ";
    out += jsonString(record.text(StringRow::FenmodFwVer));
    out += ",\n \"general\": ";
    appendObject(out, generalDefinitions(), record.generalValues);
    out += ",\n \"seasons\": [";
    for (int s = 0; s < kSeasons; ++s) {
        out += s ? ",\n  " : "\n  ";
        appendObject(out, seasonDefinitions(), record.seasonValues[static_cast<std::size_t>(s)]);
    }
    out += "],\n \"strings\": ";
    appendObject(out, stringDefinitions(), record.stringValues);
    out += "}\n";
    return out;
}

}  // namespace orv::cli
