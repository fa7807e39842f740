#include "db/column_values.h"

#include <cmath>
#include <cstdint>

#include "app/text_helpers.h"
#include "model/lists.h"

namespace orv {
namespace {

// Truncated toward zero and reduced modulo 2^64, so that any value (even one far
// out of range, or not a number) gives a defined bit pattern to cut down.
std::uint64_t truncatedBits(double value) {
    if (!std::isfinite(value)) return 0;
    constexpr double kTwo63 = 9223372036854775808.0;
    constexpr double kTwo64 = 18446744073709551616.0;
    const double reduced = std::fmod(std::trunc(value), kTwo64);  // exact, within (-2^64, 2^64)
    if (std::fabs(reduced) < kTwo63) return static_cast<std::uint64_t>(static_cast<std::int64_t>(reduced));
    return static_cast<std::uint64_t>(reduced > 0 ? reduced : reduced + kTwo64);
}

}  // namespace

std::optional<DbValue> numberForColumn(ColumnType columnType, double value) {
    const std::uint64_t bits = truncatedBits(value);
    switch (columnType) {
        case ColumnByte:
            return DbValue::ofInteger(static_cast<long long>(bits & 0xFFu));
        case ColumnInt16:
            return DbValue::ofInteger(static_cast<std::int16_t>(static_cast<std::uint16_t>(bits)));
        case ColumnInt32:
            return DbValue::ofInteger(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
        case ColumnDouble:
            return DbValue::ofReal(value);
        default:
            return std::nullopt;
    }
}

std::optional<double> numberFromColumn(const DbValue& value) {
    if (value.type == DbValue::Type::Integer) return static_cast<double>(value.integer);
    if (value.type == DbValue::Type::Real) return value.real;
    return std::nullopt;
}

double parameterValueFromStored(const ParameterDefinition& def, double stored) {
    if (def.columnType == ColumnInt16 && stored < 0 && def.minValue >= 0 && def.maxValue > 32767) {
        return stored + 65536;
    }
    return stored;
}

double parameterFromColumn(const ParameterDefinition& def, const DbValue& column) {
    const auto stored = numberFromColumn(column);
    return stored ? parameterValueFromStored(def, *stored) : def.defaultValue;
}

std::optional<std::string> textFromColumn(const DbValue& value) {
    if (value.type != DbValue::Type::Text) return std::nullopt;
    return std::string(withoutTrailing(value.text));
}

std::string withoutStoredMarker(std::string status) {
    if (status.find(kStoredStatusMarker) != std::string::npos) {
        status.erase(status.size() - kStoredStatusMarker.size());
    }
    return status;
}

}  // namespace orv
