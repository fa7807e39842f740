#pragma once

// The transmitter's identity word: a 14-bit id in bits 27..14, six check bits
// in bits 13..8 and the extension and protection code in the low byte. Ids
// from 16384 up are stored less 16384 under a second check-bit scheme, which is
// how the decoder tells the two ranges apart.

#include <cstdint>
#include <string>

#include "image/layout.h"

namespace orv {

struct ParameterRecord;

inline constexpr std::int64_t kUpperIdBase = 16384;
// Assigned codes from here up are not programmed; the root ID is.
inline constexpr double kRootIdRangeStart = 32768;

std::uint32_t pttIdWord(std::int64_t id, std::int64_t extension);

// The id programmed for the record: the assigned PTT ID code, or the root ID
// code when the assigned code lies in the root-ID range or rootIdFlag is set.
std::int64_t programmedPttId(const ParameterRecord& record, bool rootIdFlag);

// The word stored for the record.
std::uint32_t programmedPttIdWord(const ParameterRecord& record, bool rootIdFlag);

// The ID hex text of an id field as read from an image (raw: the unsigned
// value of the field's width). A three-byte field holds the three most
// significant bytes of the word.
std::string idHexText(std::uint32_t raw, std::uint32_t encoding, std::int64_t extension);

}  // namespace orv
