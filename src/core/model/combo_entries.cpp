#include "model/combo_entries.h"

#include "model/fix_interval.h"
#include "model/lists.h"
#include "model/transmitter_type.h"
#include "model/value_kind.h"

namespace orv {
namespace {

std::span<const char* const> listOfRow(DefinitionTable table, int row, int kind) {
    if (table == DefinitionTable::General && kind == KindPageList) {
        if (row == GeneralRow::BeaconType) {
            return beaconTypeList();
        }
        if (row == GeneralRow::Startup) {
            return startupBehaviorList();
        }
    }
    return listForKind(kind);
}

}  // namespace

std::vector<std::string> comboEntries(DefinitionTable table, int row, const ParameterRecord& record) {
    const auto definitions = definitionTable(table);
    if (row < 0 || static_cast<std::size_t>(row) >= definitions.size() || table == DefinitionTable::Control) {
        return {};
    }
    const int kind = definitions[static_cast<std::size_t>(row)].kind;
    auto list = listOfRow(table, row, kind);
    if (table == DefinitionTable::Season && row == SeasonRow::FixIntervalUnits &&
        isArgos(transmitterType(record)) && !list.empty()) {
        list = list.subspan(1);
    }
    return {list.begin(), list.end()};
}

}  // namespace orv
