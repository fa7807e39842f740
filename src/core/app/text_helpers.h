#pragma once

// Small helpers on byte text (ASCII letters; other bytes as they are) and on
// UTF-8 text by characters.

#include <string>
#include <string_view>

namespace orv {

// The value of a hexadecimal digit (0-9, A-F, a-f), -1 for any other character.
int hexDigitValue(char c);

std::string lowerCase(std::string_view text);
std::string upperCase(std::string_view text);

bool equalIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// UTF-8 text by characters. A byte that starts no valid sequence counts as one
// character of its own.
// The length in bytes (1 to 4) of the valid sequence at text[at]; 0 when none starts there.
std::size_t utf8SequenceAt(std::string_view text, std::size_t at);
std::size_t utf8Length(std::string_view text);
// The first count characters.
std::string_view utf8Prefix(std::string_view text, std::size_t count);

// The characters isspace() takes in the C locale.
inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

// The text without the given characters (blanks unless told) at its start, its
// end, or both.
std::string_view withoutLeading(std::string_view text, std::string_view characters = " ");
std::string_view withoutTrailing(std::string_view text, std::string_view characters = " ");
std::string_view trimmed(std::string_view text, std::string_view characters = " ");

// The well-formed UTF-8 characters of the bytes, in order; a byte that begins
// no well-formed character (0x80..0xFF out of place, an overlong or cut form)
// is left out.
std::string wellFormedUtf8(std::string_view bytes);

}  // namespace orv
