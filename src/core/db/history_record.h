#pragma once

// A stored device as one compact value, for the device history: exactly what
// the two device tables hold for it (every keyed text, general and season
// column, each number cut to its column type), so that a version read back
// gives the record a read of the device tables gives.
//
// The bytes begin with a fingerprint of the columns they were written for; a
// value written for other columns (another build's tables) is refused rather
// than read into the wrong parameters.

#include <string>
#include <string_view>

#include "model/record.h"

namespace orv {

std::string encodeStoredRecord(const ParameterRecord& record);

// Loads the stored columns into record as a read of the device would; the
// values without a column are left as they are. false (record untouched) when
// the bytes are damaged or were written for other columns.
bool decodeStoredRecord(std::string_view bytes, ParameterRecord& record);

}  // namespace orv
