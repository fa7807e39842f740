#pragma once

// The factory CTN texts and the MAC address travel as hexadecimal texts on the
// screen and as 32-bit words in the factory block.

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// Up to eight hexadecimal digits (either case); an empty text is 0. Anything
// else (a longer text, another character) is stored with all 32 bits set.
std::uint32_t parseFactoryHex(std::string_view text);

// The six-digit text "%02X%02X%02X" of the value's three bytes, the highest
// being value / 65536 (so a larger value keeps its extra digits there).
std::string formatFactoryHex(std::uint32_t value);

}  // namespace orv
