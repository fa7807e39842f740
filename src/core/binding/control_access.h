#pragma once

#include <span>

#include "model/definitions.h"

namespace orv {

class FieldControls;

// Shows/hides and enables/disables the four controls of every row of the table
// whose page is the given page; with enableAllowed false everything is disabled.
void applyAccess(FieldControls& dialog, Page page, std::span<const ParameterDefinition> table, int userMask,
                 bool enableAllowed);

}  // namespace orv
