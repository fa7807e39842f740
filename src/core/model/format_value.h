#pragma once

#include <string>

namespace orv {

// The text of a value by its kind, as fields, reports and messages show it.
std::string formatValue(double value, int kind);

}  // namespace orv
