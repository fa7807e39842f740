#pragma once

#include "model/definitions.h"
#include "model/page.h"

namespace orv {

// A row as one page's controls show it: the page, and the row of a definition table.
struct PageRow {
    Page page;
    DefinitionTable table;
    int row;
};

}  // namespace orv
