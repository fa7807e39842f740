#include "model/text_forms.h"

#include "app/format_text.h"
#include "app/text_helpers.h"
#include "model/definition_rows.h"
#include "model/numeric.h"
#include "model/record.h"

namespace orv {

namespace {

constexpr int kPatterns = 8;
constexpr int kAddressFields = 4;
constexpr int kAddressFieldDigits = 3;
constexpr std::size_t kAddressLength = 15;
constexpr int kHexDigitsBeforeExtension = 6;

struct AddressPair {
    int textRow;
    int valueRow;
};
constexpr AddressPair kAddressPairs[] = {{StringRow::NetIPAddr, GeneralRow::NetworkIPAddressValue},
                                         {StringRow::IPSubMask, GeneralRow::IPSubNetMaskValue}};

}  // namespace

std::optional<PulsePattern> patternFromText(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(kPatternPulses)) return std::nullopt;
    int bits = 0;
    for (const char c : text) {
        if (c != '0' && c != '1') return std::nullopt;
        bits = bits * 2 + (c - '0');
    }
    const int length = static_cast<int>(text.size());
    return PulsePattern{bits << (kPatternPulses - length), length};
}

std::string patternText(double value, double length) {
    int pulses = truncateToInt(length);
    if (pulses < 0) pulses = 0;
    if (pulses > kPatternPulses) pulses = kPatternPulses;
    const int bits = truncateToInt(value);
    std::string text;
    for (int bit = kPatternPulses - 1; bit >= kPatternPulses - pulses; --bit) {
        text += ((bits >> bit) & 1) != 0 ? '1' : '0';
    }
    return text;
}

std::optional<std::uint32_t> addressValue(std::string_view text) {
    std::uint32_t value = 0;
    std::size_t at = 0;
    for (int field = 0; field < kAddressFields; ++field) {
        const std::size_t dot = text.find('.', at);
        if (dot == std::string_view::npos && field < kAddressFields - 1) return std::nullopt;
        // The fourth field ends at a further dot or at the end of the text.
        const std::string_view digits = text.substr(at, dot == std::string_view::npos ? text.npos : dot - at);
        int number = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
            number = number * 10 + (c - '0');
            if (number > 255) return std::nullopt;
        }
        value = value << 8 | static_cast<std::uint32_t>(number);
        at = dot == std::string_view::npos ? text.size() : dot + 1;
    }
    return value;
}

std::string addressText(double value) {
    const double held = value < 0 ? 0 : (value > 4294967295.0 ? 4294967295.0 : value);
    const auto word = static_cast<std::uint32_t>(held);
    return formatText("%03u.%03u.%03u.%03u", (word >> 24) & 0xFFu, (word >> 16) & 0xFFu, (word >> 8) & 0xFFu,
                      word & 0xFFu);
}

std::string typedAddress(std::string_view typed) {
    std::string kept;
    int fields = 1;
    int digitsInField = 0;
    for (const char c : typed) {
        if (kept.size() >= kAddressLength) break;
        if (c == '.') {
            if (fields == kAddressFields || digitsInField == 0) continue;
            kept += '.';
            ++fields;
            digitsInField = 0;
        } else if (c >= '0' && c <= '9') {
            if (digitsInField == kAddressFieldDigits) {
                if (fields == kAddressFields) continue;
                kept += '.';
                ++fields;
                digitsInField = 0;
            }
            kept += c;
            ++digitsInField;
        }
    }
    return kept;
}

std::optional<PttIdParts> decodeIdHex(std::string_view text) {
    // More digits than the ID holds: a stray digit, not a part of the ID.
    if (text.size() > kIdHexDigits) return std::nullopt;
    for (const char c : text) {
        if (hexDigitValue(c) < 0) return std::nullopt;
    }
    const std::size_t split = text.size() >= 2 ? text.size() - 2 : 0;
    std::int64_t extension = 0;
    for (const char c : text.substr(split)) extension = extension * 16 + hexDigitValue(c);
    const std::string_view before = text.substr(0, split);
    const std::size_t first =
        before.size() > kHexDigitsBeforeExtension ? before.size() - kHexDigitsBeforeExtension : 0;
    std::int64_t upper = 0;
    for (const char c : before.substr(first)) upper = upper * 16 + hexDigitValue(c);
    return PttIdParts{upper >> 6, extension};
}

void valuesFromTexts(ParameterRecord& record) {
    for (int n = 0; n < kPatterns; ++n) {
        const std::string& text = record.text(StringRow::VHFPattern1 + n);
        if (text.empty()) continue;
        if (const auto pattern = patternFromText(text)) {
            record.general(GeneralRow::VHFPatternMap1 + n) = pattern->value;
            record.general(GeneralRow::VHFPatternMap1Len + n) = pattern->length;
        }
    }
    for (const AddressPair& pair : kAddressPairs) {
        if (const auto value = addressValue(record.text(pair.textRow)))
            record.general(pair.valueRow) = *value;
    }
    const std::string& hex = record.text(StringRow::IDHexValue);
    if (!hex.empty()) {
        if (const auto parts = decodeIdHex(hex)) {
            record.general(GeneralRow::RootIDCode) = static_cast<double>(parts->rootId);
            record.general(GeneralRow::ExtensionAndProtectionCode) = static_cast<double>(parts->extension);
        }
    }
}

void textsFromValues(ParameterRecord& record) {
    for (int n = 0; n < kPatterns; ++n) {
        record.text(StringRow::VHFPattern1 + n) =
            patternText(record.general(GeneralRow::VHFPatternMap1 + n),
                        record.general(GeneralRow::VHFPatternMap1Len + n));
    }
    for (const AddressPair& pair : kAddressPairs)
        record.text(pair.textRow) = addressText(record.general(pair.valueRow));
}

}  // namespace orv
