#include "db/history_record.h"

#include <bit>
#include <cstdint>
#include <optional>

#include "db/column_values.h"
#include "model/text_forms.h"

namespace orv {
namespace {

// Bytes: the format, the columns' fingerprint (4 bytes, little-endian), then
// every keyed text (length, bytes), every keyed general number and, season by
// season, every keyed season number. Integers are zigzag varints, doubles
// their 8 bytes.
constexpr std::uint8_t kFormat = 1;

std::uint32_t columnsFingerprint() {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    auto add = [&](std::uint8_t byte) {
        hash ^= byte;
        hash *= 16777619u;
    };
    for (const auto table : {stringDefinitions(), generalDefinitions(), seasonDefinitions()}) {
        for (const ParameterDefinition& def : table) {
            if (!hasKey(def)) continue;
            for (const char* c = def.key; *c != '\0'; ++c) add(static_cast<std::uint8_t>(*c));
            add(0);
            add(static_cast<std::uint8_t>(def.columnType));
        }
        add(0xFF);
    }
    add(static_cast<std::uint8_t>(kSeasons));
    return hash;
}

class Writer {
public:
    void byte(std::uint8_t value) { bytes.push_back(static_cast<char>(value)); }
    void varint(std::uint64_t value) {
        while (value >= 0x80) {
            byte(static_cast<std::uint8_t>(value | 0x80));
            value >>= 7;
        }
        byte(static_cast<std::uint8_t>(value));
    }
    void integer(long long value) {
        const auto bits = static_cast<std::uint64_t>(value);
        varint((bits << 1) ^ (value < 0 ? ~std::uint64_t{0} : 0));
    }
    void fixed(std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) byte(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void text(const std::string& value) {
        varint(value.size());
        bytes += value;
    }
    // A number as its column stores it; nothing for a column type that stores none.
    void number(const ParameterDefinition& def, double value) {
        const auto stored = numberForColumn(def.columnType, value);
        if (!stored) return;
        if (stored->type == DbValue::Type::Real) {
            fixed(std::bit_cast<std::uint64_t>(stored->real), 8);
        } else {
            integer(stored->integer);
        }
    }

    std::string bytes;
};

class Reader {
public:
    explicit Reader(std::string_view data) : rest(data) {}

    std::optional<std::uint8_t> byte() {
        if (rest.empty()) return std::nullopt;
        const auto value = static_cast<std::uint8_t>(rest.front());
        rest.remove_prefix(1);
        return value;
    }
    std::optional<std::uint64_t> varint() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const auto next = byte();
            if (!next) return std::nullopt;
            value |= static_cast<std::uint64_t>(*next & 0x7F) << shift;
            if ((*next & 0x80) == 0) return value;
        }
        return std::nullopt;
    }
    std::optional<long long> integer() {
        const auto bits = varint();
        if (!bits) return std::nullopt;
        return static_cast<long long>((*bits >> 1) ^ (~(*bits & 1) + 1));
    }
    std::optional<std::uint64_t> fixed(int width) {
        std::uint64_t value = 0;
        for (int i = 0; i < width; ++i) {
            const auto next = byte();
            if (!next) return std::nullopt;
            value |= static_cast<std::uint64_t>(*next) << (8 * i);
        }
        return value;
    }
    std::optional<std::string> text() {
        const auto size = varint();
        if (!size || *size > rest.size()) return std::nullopt;
        std::string value(rest.substr(0, *size));
        rest.remove_prefix(*size);
        return value;
    }
    // The stored column value: NULL for a column type that stores no number,
    // empty when the bytes end early.
    std::optional<DbValue> number(const ParameterDefinition& def) {
        if (!numberForColumn(def.columnType, 0)) return DbValue::null();
        if (def.columnType == ColumnDouble) {
            const auto bits = fixed(8);
            if (!bits) return std::nullopt;
            return DbValue::ofReal(std::bit_cast<double>(*bits));
        }
        const auto value = integer();
        if (!value) return std::nullopt;
        return DbValue::ofInteger(*value);
    }
    bool atEnd() const { return rest.empty(); }

private:
    std::string_view rest;
};

}  // namespace

std::string encodeStoredRecord(const ParameterRecord& record) {
    Writer out;
    out.byte(kFormat);
    out.fixed(columnsFingerprint(), 4);
    const auto strings = stringDefinitions();
    for (std::size_t row = 0; row < strings.size(); ++row) {
        if (hasKey(strings[row])) out.text(record.stringValues[row]);
    }
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < general.size(); ++row) {
        if (hasKey(general[row])) out.number(general[row], record.generalValues[row]);
    }
    const auto season = seasonDefinitions();
    for (int s = 1; s <= kSeasons; ++s) {
        for (std::size_t row = 0; row < season.size(); ++row) {
            if (hasKey(season[row])) out.number(season[row], record.season(s, static_cast<int>(row)));
        }
    }
    return out.bytes;
}

bool decodeStoredRecord(std::string_view bytes, ParameterRecord& record) {
    Reader in(bytes);
    if (in.byte() != kFormat || in.fixed(4) != columnsFingerprint()) return false;
    ParameterRecord loaded = record;
    const auto strings = stringDefinitions();
    for (std::size_t row = 0; row < strings.size(); ++row) {
        if (!hasKey(strings[row])) continue;
        const auto value = in.text();
        if (!value) return false;
        loaded.stringValues[row] = textFromColumn(DbValue::ofText(*value)).value_or("");
    }
    const auto general = generalDefinitions();
    for (std::size_t row = 0; row < general.size(); ++row) {
        if (!hasKey(general[row])) continue;
        const auto column = in.number(general[row]);
        if (!column) return false;
        loaded.generalValues[row] = parameterFromColumn(general[row], *column);
    }
    const auto season = seasonDefinitions();
    for (int s = 1; s <= kSeasons; ++s) {
        for (std::size_t row = 0; row < season.size(); ++row) {
            if (!hasKey(season[row])) continue;
            const auto column = in.number(season[row]);
            if (!column) return false;
            loaded.season(s, static_cast<int>(row)) = parameterFromColumn(season[row], *column);
        }
    }
    if (!in.atEnd()) return false;
    // The database keeps the pattern, address and ID texts, not their numbers.
    valuesFromTexts(loaded);
    record = std::move(loaded);
    return true;
}

}  // namespace orv
