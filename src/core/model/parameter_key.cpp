#include "model/parameter_key.h"

#include <cstdlib>

namespace orv {

std::optional<ParameterKey> parseParameterKey(const std::string& text) {
    std::string name = text;
    int season = -1;
    const auto open = text.find('[');
    if (open != std::string::npos) {
        if (text.back() != ']') return std::nullopt;
        const std::string index = text.substr(open + 1, text.size() - open - 2);
        name = text.substr(0, open);
        if (index == "*") {
            season = 0;
        } else {
            char* end = nullptr;
            const long s = std::strtol(index.c_str(), &end, 10);
            if (index.empty() || *end != '\0' || s < 1 || s > kSeasons) return std::nullopt;
            season = static_cast<int>(s);
        }
        const int row = findRow(DefinitionTable::Season, name);
        if (row < 0) return std::nullopt;
        return ParameterKey{DefinitionTable::Season, row, season};
    }
    for (auto table : {DefinitionTable::General, DefinitionTable::String}) {
        const int row = findRow(table, name);
        if (row >= 0) return ParameterKey{table, row, -1};
    }
    return std::nullopt;
}

}  // namespace orv
