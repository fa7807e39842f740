#include "app/text_helpers.h"

#include <cctype>

namespace orv {

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string lowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = lower(c);
    return result;
}

std::string upperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = upper(c);
    return result;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithIgnoringCase(a, b);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != lower(prefix[i])) return false;
    }
    return true;
}

std::string_view withoutLeading(std::string_view text, std::string_view characters) {
    const auto first = text.find_first_not_of(characters);
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view withoutTrailing(std::string_view text, std::string_view characters) {
    const auto last = text.find_last_not_of(characters);
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view trimmed(std::string_view text, std::string_view characters) {
    return withoutTrailing(withoutLeading(text, characters), characters);
}

}  // namespace orv
