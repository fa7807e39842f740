#pragma once

#include <string>

#include "model/definitions.h"

namespace orv {

// The text of a value by its kind, as fields, reports and messages show it.
std::string formatValue(double value, int kind);

// The text a row's field shows for a value. A list row names the entry of its
// own list: the beacon type and startup behaviour rows share their kind with
// the transmitter rows, whose list the kind's text form names.
std::string fieldText(double value, const ParameterDefinition& def);

}  // namespace orv
