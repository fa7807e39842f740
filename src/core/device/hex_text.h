#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orv {

// Hexadecimal digit pairs, most significant digit first, as the collar's data travel.

// The pairs of text into out, up to out.size() of them; stops at the first
// character that is not a hexadecimal digit. Returns the bytes stored.
std::size_t parseHexPairs(std::string_view text, std::span<std::uint8_t> out);

// Appends "%02X" of every byte.
void appendHexPairs(std::string& text, std::span<const std::uint8_t> bytes);

}  // namespace orv
