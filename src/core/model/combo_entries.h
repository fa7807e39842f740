#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/definitions.h"
#include "model/record.h"

namespace orv {

// The entries a row's combo box lists, in the order of its positions: the
// kind's list, for the page-supplied kind the row's own list (beacon type,
// startup behavior, else the transmitter list). While ARGOS transmissions are
// on, the fix interval units combo leaves "seconds" out and starts with
// "minutes". Empty for rows that are no combo.
std::vector<std::string> comboEntries(DefinitionTable table, int row, const ParameterRecord& record);

}  // namespace orv
