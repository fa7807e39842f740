#pragma once

// JSON for people as well as programs: an object with one member a line, the
// elements of a list member each on a line of their own, anything deeper on
// its one line ({"year": 1, "fixes": 30}). The values are nlohmann-json's.

#include <nlohmann/json.hpp>
#include <string>

namespace orv::cli {

std::string jsonLines(const nlohmann::ordered_json& object);

}  // namespace orv::cli
