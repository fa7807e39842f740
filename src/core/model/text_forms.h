#pragma once

// The parameters that exist twice, as a text the user edits and as numbers the
// collar keeps: the VHF pulse patterns, the network address and mask, and the
// PTT ID hex text. The pages convert on every edit; the main window converts
// when a configuration comes from the database (which keeps only the texts) or
// from the collar (which keeps only the numbers).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct ParameterRecord;

// A pulse pattern: one "0" or "1" per pulse, first pulse in bit 11.
inline constexpr int kPatternPulses = 12;
struct PulsePattern {
    int value;   // 0..4095
    int length;  // 0..12
};
// Empty when the text holds anything but "0" and "1" or more than 12 pulses.
std::optional<PulsePattern> patternFromText(std::string_view text);
// The text of a stored value and length (the length held to 0..12).
std::string patternText(double value, double length);

// A dotted-quad address a.b.c.d: its 32-bit value when the text holds at least
// three dots and four fields of 0..255; empty otherwise.
std::optional<std::uint32_t> addressValue(std::string_view text);
// "%03d.%03d.%03d.%03d" of the four bytes, most significant first.
std::string addressText(double value);
// What an address edit keeps of the typed text: digits and dots only, a dot
// added after a third digit in a row, at most four fields and 15 characters.
std::string typedAddress(std::string_view typed);

// The PTT ID hex text: the last two digits are the extension and protection
// code, the (up to six) digits before them shifted right by 6 bits the root ID.
struct PttIdParts {
    std::int64_t rootId;
    std::int64_t extension;
};
// The most digits a PTT ID hex text has: six before the extension, two of it.
inline constexpr std::size_t kIdHexDigits = 8;
// Empty when the text holds a character that is no hexadecimal digit, or more
// than kIdHexDigits digits.
std::optional<PttIdParts> decodeIdHex(std::string_view text);

// After a database load: the pattern values and lengths, the address values
// and the root ID and extension from their (non-empty, valid) texts.
void valuesFromTexts(ParameterRecord& record);
// After a collar read or an import: the pattern and address texts from their values.
void textsFromValues(ParameterRecord& record);

}  // namespace orv
