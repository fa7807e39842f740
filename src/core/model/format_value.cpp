#include "model/format_value.h"

#include <cmath>
#include <cstdint>

#include "app/format_text.h"
#include "model/lists.h"
#include "model/numeric.h"
#include "model/value_kind.h"

namespace orv {
namespace {

// The value as the unsigned 32-bit number a network address is kept in.
unsigned truncatedUnsigned32(double value) {
    if (std::isnan(value) || value <= 0) {
        return 0;
    }
    if (value >= 4294967295.0) {
        return 4294967295U;
    }
    return static_cast<unsigned>(static_cast<std::uint32_t>(value));
}

// "Mar 15": the month is found by walking the month lengths from January.
// Days past the end of the year stay in December rather than running off the
// month table.
std::string dayOfYearText(double value) {
    const auto months = monthAbbreviations();
    const auto lengths = monthLengths();
    int accumulated = 0;
    std::size_t month = 0;
    while (month + 1 < lengths.size() && value > accumulated + lengths[month]) {
        accumulated += lengths[month];
        ++month;
    }
    return formatText("%s%d", months[month], truncateToInt(value - accumulated));
}

// Kind 10 prints two letters; a number that is no printable letter shows as '?'.
char letterOf(int value) {
    return value >= 0x20 && value < 0x7F ? static_cast<char>(value) : '?';
}

}  // namespace

std::string formatValue(double value, int kind) {
    switch (kind) {
        case KindReal1:
            return formatText("%2.1lf", value);
        case KindReal2:
            return formatText("%4.2lf", value);
        case KindMegahertz:
            return formatText("%3.4lf", value / 1000000);
        case KindInteger:
        case KindFixInterval:
        case KindText:  // a number shown in a text field
            return formatText("%d", truncateToInt(value));
        case KindUnsigned:
            return formatText("%u", truncatedUnsigned32(value));
        case KindNoLimit: {
            const int count = truncateToInt(value);
            return count == 0 ? std::string("no limit") : formatText("%d", count);
        }
        case KindMinSec:
        case KindHourMin: {
            // seconds as minutes:seconds, or minutes as hours:minutes
            const int units = truncateToInt(value);
            return formatText("%2d:%02d", units / 60, units % 60);
        }
        case KindDayOfYear:
            return dayOfYearText(value);
        case KindFlag:
            return value != 0 ? "TRUE" : "FALSE";
        case KindFirmwareHex: {
            // The texts themselves are built from the version bytes the collar
            // sends; a number gets the same layout, every field from the value.
            const int n = truncateToInt(value);
            const unsigned byte = static_cast<unsigned>(n) & 0xFFU;
            return formatText("%c%c %02X%02X%02X %02X", letterOf(n), letterOf(n), byte, byte, byte, byte);
        }
        case KindFirmwareDate: {
            const int n = truncateToInt(value);
            return formatText("%02d.%02d %02d/%02d/%4d", n, n, n, n, n);
        }
        default:
            if (isComboKind(kind)) {
                return std::string(listEntry(listForKind(kind), value));
            }
            return {};
    }
}

std::string fieldText(double value, const ParameterDefinition& def) {
    if (isComboKind(def.kind) && !def.comboList.empty()) return std::string(listEntry(def.comboList, value));
    return formatValue(value, def.kind);
}

}  // namespace orv
