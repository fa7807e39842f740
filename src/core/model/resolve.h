#pragma once

#include "model/definitions.h"
#include "model/record.h"

namespace orv {

// Where a (page, row) lives: the table, the value slot, the row count and the
// kind that applies now.
struct ResolvedField {
    DefinitionTable table;
    const ParameterDefinition* definition;  // the row's own definition
    double* slot;
    int rowCount;
    int kind;
};

// The Schedule tab and its panels resolve to the current season of the season
// table (rows 3, 4, 5 and 6 are special); every other page to the general table.
ResolvedField resolve(ParameterRecord& record, Page page, int row);

}  // namespace orv
