#pragma once

// Reading one value out of orvctl's JSON output by its name, as text.

#include <string>

namespace orv::test {

// The value of "NAME": in the JSON text (the first one after `after`), as it
// is written there; "<absent>" when there is none.
inline std::string jsonValue(const std::string& json, const std::string& name,
                             const std::string& after = "") {
    const std::size_t from = after.empty() ? 0 : json.find(after);
    const std::string needle = "\"" + name + "\": ";
    const auto at = json.find(needle, from);
    if (at == std::string::npos) return "<absent>";
    const auto start = at + needle.size();
    const auto end = json.find_first_of(",}", start);
    return json.substr(start, end - start);
}

}  // namespace orv::test
