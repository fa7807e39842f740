#include "image/field_codec.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace orv {

namespace {

void storeUnsigned(std::span<std::uint8_t> image, std::size_t offset, std::size_t width,
                   std::uint32_t value) {
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t at = offset + i;
        if (at < image.size()) image[at] = static_cast<std::uint8_t>(value >> (8 * (width - 1 - i)));
    }
}

// A stored-form conversion (minutes to seconds, degrees to radians) can land
// a hair below the whole number it stands for; that hair must not cost the
// stored value a unit, or every read and program would lower it by one.
double wholeIfNear(double value) {
    const double whole = std::nearbyint(value);
    return std::fabs(value - whole) <= 1e-9 * std::max(1.0, std::fabs(whole)) ? whole : value;
}

}  // namespace

std::int64_t truncateToInteger(double value) {
    if (std::isnan(value)) return 0;
    constexpr double limit = 9223372036854775807.0;  // rounds to 2^63
    if (value >= limit) return std::numeric_limits<std::int64_t>::max();
    if (value <= -limit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

float toSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) return std::numeric_limits<float>::infinity();
    if (value < -largest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::uint32_t readUnsigned(std::span<const std::uint8_t> image, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t at = offset + i;
        value = (value << 8) | (at < image.size() ? image[at] : 0u);
    }
    return value;
}

void storeField(std::span<std::uint8_t> image, std::size_t offset, const LayoutField& row, double value) {
    if (row.encoding == EncodingFloat) {
        storeUnsigned(image, offset, 4, std::bit_cast<std::uint32_t>(toSingle(value)));
        return;
    }
    const auto integer =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(truncateToInteger(wholeIfNear(value))));
    if (row.encoding == EncodingBits) {
        if (offset >= image.size()) return;
        const auto mask = static_cast<std::uint32_t>(row.mask);
        const std::uint32_t cleared = image[offset] & ~(mask << row.shift);
        image[offset] = static_cast<std::uint8_t>(cleared | ((integer & mask) << row.shift));
        return;
    }
    storeUnsigned(image, offset, encodingBytes(row.encoding), integer);
}

double readField(std::span<const std::uint8_t> image, std::size_t offset, const LayoutField& row) {
    switch (row.encoding) {
        case EncodingBits:
            return static_cast<double>((readUnsigned(image, offset, 1) >> row.shift) &
                                       static_cast<std::uint32_t>(row.mask));
        case EncodingFloat:
            return static_cast<double>(std::bit_cast<float>(readUnsigned(image, offset, 4)));
        default:
            return static_cast<double>(readUnsigned(image, offset, encodingBytes(row.encoding)));
    }
}

}  // namespace orv
