#pragma once

#include <string>
#include <vector>

#include "model/definitions.h"
#include "model/record.h"

namespace orv {

// The position in the row's list of the first entry its combo offers now: 1
// for a row that leaves "seconds" out while an ARGOS transmitter is used,
// else 0. The entry at combo position p stores the value first + p.
int firstOfferedEntry(const ParameterDefinition& definition, const ParameterRecord& record);

// The entries a row's combo box offers now, in the order of its positions:
// the row's list from its first offered entry. Empty for rows that are no combo.
std::vector<std::string> comboEntries(DefinitionTable table, int row, const ParameterRecord& record);

}  // namespace orv
