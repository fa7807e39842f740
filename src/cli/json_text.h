#pragma once

#include <string>
#include <string_view>

namespace orv::cli {

// A JSON string literal. Well-formed UTF-8 passes through; any other byte
// outside ASCII is written as \u00XX (read as Latin-1), so every stored text,
// whatever a file or collar held, gives valid JSON.
std::string jsonString(std::string_view text);

// The shortest text that reads back as the same double.
std::string jsonNumber(double value);

}  // namespace orv::cli
