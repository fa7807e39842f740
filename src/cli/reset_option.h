#pragma once

#include <string>

#include "cli.h"

namespace orv::cli {

// --reset LABEL: as ticking that box of the "Set Parameter Defaults" dialog and
// pressing OK ("all": "Select All", then OK). A label no enabled box carries is
// bad usage, answered with the labels that are.
int applyReset(Session& session, const std::string& label);

}  // namespace orv::cli
