#pragma once

#include <optional>
#include <string>

#include "model/definitions.h"

namespace orv {

// A parameter as scripts and manifests name it: KEY, or KEY[S] / KEY[*] for season rows.
struct ParameterKey {
    DefinitionTable table;
    int row;
    int season;  // 1..12; 0 for all twelve; -1 for general and string rows
};

// Empty when the text names no parameter or the season part is malformed.
std::optional<ParameterKey> parseParameterKey(const std::string& text);

}  // namespace orv
