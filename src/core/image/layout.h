#pragma once

// How one firmware version lays the parameters out in the collar's memory: a
// layout is a list of rows, each placing one parameter (or a constant) in a
// given encoding. Offsets are never written down; they follow from the rows by
// the packing rules below, so a layout is data and nothing else.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orv {

enum FieldEncoding : std::uint32_t {
    EncodingBits = 0,  // bit field inside one byte: (byte >> shift) & mask
    EncodingUint8 = 1,
    EncodingUint16 = 2,  // most significant byte first, as every wider encoding
    EncodingUint24 = 3,
    EncodingUint32 = 4,
    EncodingFloat = 5,  // IEEE 754 single precision
};

struct LayoutField {
    std::int32_t parameter;  // row of the parameter table the block refers to; -1 for a bare constant
    std::uint32_t encoding;  // FieldEncoding
    std::int32_t shift;      // lowest bit of a bit field; 0 otherwise
    std::int32_t mask;       // bit-field mask before shifting (1, 3 or 15); 0 otherwise
    std::int32_t isConstant;
    double constant;  // stored by a constant row
};

using LayoutTable = std::span<const LayoutField>;

// When a bit field shares its byte with the row after it. The configuration
// blocks pack every run of bit fields into one byte; the factory block starts a
// new byte when the shifts rise again, so two bit-field bytes can follow each
// other there.
enum class PackingRule { Configuration, Factory };

constexpr std::size_t encodingBytes(std::uint32_t encoding) {
    switch (encoding) {
        case EncodingBits:
        case EncodingUint8:
            return 1;
        case EncodingUint16:
            return 2;
        case EncodingUint24:
            return 3;
        default:
            return 4;
    }
}

constexpr bool sharesByteWithNext(const LayoutField& row, const LayoutField& next, PackingRule rule) {
    if (row.encoding != EncodingBits || next.encoding != EncodingBits) return false;
    return rule == PackingRule::Configuration || next.shift < row.shift;
}

// Calls visit(row, offset) for every row in order, with the row's offset from
// the start of the block plus base; returns the offset after the last row.
template <typename Visit>
constexpr std::size_t walkLayout(LayoutTable table, PackingRule rule, std::size_t base, Visit&& visit) {
    std::size_t offset = base;
    for (std::size_t i = 0; i < table.size(); ++i) {
        visit(table[i], offset);
        const bool shares = i + 1 < table.size() && sharesByteWithNext(table[i], table[i + 1], rule);
        if (!shares) offset += encodingBytes(table[i].encoding);
    }
    return offset;
}

constexpr std::size_t blockSize(LayoutTable table, PackingRule rule) {
    return walkLayout(table, rule, 0, [](const LayoutField&, std::size_t) {});
}

// Rows as they are written in the layout tables.
constexpr LayoutField field(int parameter, std::uint32_t encoding) {
    return {parameter, encoding, 0, 0, 0, 0.0};
}
constexpr LayoutField bits(int parameter, int shift, int mask = 1) {
    return {parameter, EncodingBits, shift, mask, 0, 0.0};
}
constexpr LayoutField constant(std::uint32_t encoding, double value, int inPlaceOf = -1) {
    return {inPlaceOf, encoding, 0, 0, 1, value};
}
constexpr LayoutField zeroBits(int shift, int inPlaceOf = -1) {
    return {inPlaceOf, EncodingBits, shift, 1, 1, 0.0};
}

// Joins runs of rows into one table, so that layouts that differ in a few
// places share the rest.
template <std::size_t... N>
constexpr auto joinRows(const std::array<LayoutField, N>&... parts) {
    std::array<LayoutField, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return all;
}

}  // namespace orv
