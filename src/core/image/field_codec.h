#pragma once

// Storing one value into an image and reading it back, by the row's encoding.
// Both stay inside the buffer: bytes beyond its end are neither written nor
// read (they read as zero).

#include <cstddef>
#include <cstdint>
#include <span>

#include "image/layout.h"

namespace orv {

// A value as the collar's integer fields take it: truncated toward zero; NaN is
// 0 and values beyond the 64-bit range are clamped before the low bits are kept.
std::int64_t truncateToInteger(double value);

// The value through single precision, as an encoding-5 field keeps it.
float toSingle(double value);

// Integer encodings store the low 8/16/24/32 bits of the truncated value, most
// significant byte first; encoding 5 the single-precision value; a bit field
// replaces its bits in the byte and keeps the others.
void storeField(std::span<std::uint8_t> image, std::size_t offset, const LayoutField& row, double value);

// Unsigned for the integer encodings, the float for encoding 5, the bits of a bit field.
double readField(std::span<const std::uint8_t> image, std::size_t offset, const LayoutField& row);

// The raw big-endian unsigned value of width bytes (1..4) at offset.
std::uint32_t readUnsigned(std::span<const std::uint8_t> image, std::size_t offset, std::size_t width);

}  // namespace orv
