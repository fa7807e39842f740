#include "model/definitions.h"

#include <algorithm>
#include <vector>

namespace orv {
namespace {

// Mutable copies of the built-in rows. Built on first use, so that nothing
// depends on the order in which static objects are initialised.
struct WorkingTables {
    std::vector<ParameterDefinition> general;
    std::vector<ParameterDefinition> season;
    std::vector<ParameterDefinition> string;
    std::vector<ParameterDefinition> control;

    WorkingTables() { restore(); }

    void restore() {
        general.assign(builtinGeneralDefinitions, builtinGeneralDefinitions + builtinGeneralCount);
        season.assign(builtinSeasonDefinitions, builtinSeasonDefinitions + builtinSeasonCount);
        string.assign(builtinStringDefinitions, builtinStringDefinitions + builtinStringCount);
        control.assign(builtinControlDefinitions, builtinControlDefinitions + builtinControlCount);
    }
};

WorkingTables& tables() {
    static WorkingTables working;
    return working;
}

}  // namespace

std::span<ParameterDefinition> generalDefinitions() {
    return tables().general;
}
std::span<ParameterDefinition> seasonDefinitions() {
    return tables().season;
}
std::span<ParameterDefinition> stringDefinitions() {
    return tables().string;
}
std::span<ParameterDefinition> controlDefinitions() {
    return tables().control;
}

std::span<ParameterDefinition> definitionTable(DefinitionTable table) {
    switch (table) {
        case DefinitionTable::General:
            return generalDefinitions();
        case DefinitionTable::Season:
            return seasonDefinitions();
        case DefinitionTable::String:
            return stringDefinitions();
        case DefinitionTable::Control:
            return controlDefinitions();
    }
    return {};
}

int controlRowControl(int controlRow) {
    return controlDefinitions()[static_cast<std::size_t>(controlRow)].controlId;
}

void restoreBuiltinDefinitions() {
    tables().restore();
}

std::string_view rowName(const ParameterDefinition& def) {
    const char* name = (def.key != nullptr && def.key[0] != '\0') ? def.key : def.label;
    return name != nullptr ? std::string_view(name) : std::string_view();
}

int findRow(DefinitionTable table, std::string_view name) {
    if (name.empty()) {
        return -1;  // the control rows have neither key nor label
    }
    const auto rows = definitionTable(table);
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [name](const ParameterDefinition& def) { return rowName(def) == name; });
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

}  // namespace orv
