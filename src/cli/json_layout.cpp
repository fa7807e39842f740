#include "json_layout.h"

namespace orv::cli {

namespace {

using Json = nlohmann::ordered_json;

// A value on one line, ", " and ": " between its parts.
std::string oneLine(const Json& value) {
    if (!value.is_structured()) return value.dump();
    const bool object = value.is_object();
    std::string out = object ? "{" : "[";
    bool first = true;
    for (const auto& item : value.items()) {
        if (!first) out += ", ";
        first = false;
        if (object) out += Json(item.key()).dump() + ": ";
        out += oneLine(item.value());
    }
    return out + (object ? "}" : "]");
}

}  // namespace

std::string jsonLines(const Json& object) {
    std::string out = "{";
    bool first = true;
    for (const auto& [key, value] : object.items()) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += Json(key).dump() + ": ";
        if (!value.is_array() || value.empty()) {
            out += oneLine(value);
            continue;
        }
        out += "[";
        for (std::size_t i = 0; i < value.size(); ++i)
            out += (i == 0 ? "\n    " : ",\n    ") + oneLine(value[i]);
        out += "\n  ]";
    }
    return out + "\n}\n";
}

}  // namespace orv::cli
