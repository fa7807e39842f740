#pragma once

// Small helpers on byte text (ASCII letters; other bytes as they are).

#include <string>
#include <string_view>

namespace orv {

// The value of a hexadecimal digit (0-9, A-F, a-f), -1 for any other character.
int hexDigitValue(char c);

std::string lowerCase(std::string_view text);
std::string upperCase(std::string_view text);

bool equalIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// The characters isspace() takes in the C locale.
inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

// The text without the given characters (blanks unless told) at its start, its
// end, or both.
std::string_view withoutLeading(std::string_view text, std::string_view characters = " ");
std::string_view withoutTrailing(std::string_view text, std::string_view characters = " ");
std::string_view trimmed(std::string_view text, std::string_view characters = " ");

}  // namespace orv
