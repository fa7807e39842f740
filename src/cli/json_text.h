#pragma once

#include <string>
#include <string_view>

namespace orv::cli {

// A JSON string literal. Bytes outside ASCII are written as \u00XX (the byte
// read as Latin-1), so any stored text gives valid JSON.
std::string jsonString(std::string_view text);

// The shortest text that reads back as the same double.
std::string jsonNumber(double value);

}  // namespace orv::cli
