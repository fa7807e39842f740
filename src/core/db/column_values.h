#pragma once

// Record values to and from database columns.

#include <optional>
#include <string>

#include "db/engine.h"
#include "model/definitions.h"

namespace orv {

// A number as its column type stores it: Byte keeps the low 8 bits of the value
// truncated toward zero, Integer and Long the truncated value as a 16-bit or
// 32-bit signed number, Double the value itself. Empty for any other type.
std::optional<DbValue> numberForColumn(ColumnType columnType, double value);

// A stored number as a double; empty (missing) for NULL and anything not a number.
std::optional<double> numberFromColumn(const DbValue& value);

// A stored number as the parameter's value. A 16-bit column holds parameters
// whose range goes up to 65535 as signed numbers; a negative stored number of a
// parameter that cannot be negative is the same 16 bits read unsigned.
double parameterValueFromStored(const ParameterDefinition& def, double stored);

// The parameter's value as a read of the device takes it from its column: the
// stored number, or the definition's default when the column holds none.
double parameterFromColumn(const ParameterDefinition& def, const DbValue& column);

// A stored text without its trailing blanks; empty (missing) for anything not a text.
std::optional<std::string> textFromColumn(const DbValue& value);

// A status picked from a list that marks the stored statuses: the marker is cut off.
std::string withoutStoredMarker(std::string status);

}  // namespace orv
