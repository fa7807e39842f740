#include "model/combo_entries.h"

#include "model/transmitter_type.h"

namespace orv {

int firstOfferedEntry(const ParameterDefinition& definition, const ParameterRecord& record) {
    const bool leavesFirstOut = definition.comboOffer == ComboOffer::FromSecondWithArgos &&
                                !definition.comboList.empty() && isArgos(transmitterType(record));
    return leavesFirstOut ? 1 : 0;
}

std::vector<std::string> comboEntries(DefinitionTable table, int row, const ParameterRecord& record) {
    const auto definitions = definitionTable(table);
    if (row < 0 || static_cast<std::size_t>(row) >= definitions.size()) return {};
    const ParameterDefinition& definition = definitions[static_cast<std::size_t>(row)];
    const auto list =
        definition.comboList.subspan(static_cast<std::size_t>(firstOfferedEntry(definition, record)));
    return {list.begin(), list.end()};
}

}  // namespace orv
