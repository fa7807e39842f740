#pragma once

#include <string>

namespace orv {

// A plain base-10 integer conversion: leading blanks skipped, the digits that
// follow taken, anything else 0; values beyond the int range are held at its limits.
int intFromText(const std::string& text);

}  // namespace orv
