#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <string>
#include <string_view>

namespace orv {

// A printf conversion that was left in a text (one the formatter did not fill):
// "%s", "%d", "%6.4lf", "%zu", "%02X" ... ("%%" is not one).
inline std::string leftoverConversion(const std::string& text) {
    static const std::regex conversion("%[-+ #0]*[0-9]*(\\.[0-9]+)?(hh|h|ll|l|z|L)?[diouxXeEfgGcsp]");
    std::smatch found;
    return std::regex_search(text, found, conversion) ? found.str() : std::string();
}

// A text of a catalogue that takes arguments has put every one in its place:
// no conversion is left over and each expected piece is there, in this order.
inline ::testing::AssertionResult formatsInPlace(const std::string& text,
                                                 std::initializer_list<std::string_view> pieces) {
    if (const std::string left = leftoverConversion(text); !left.empty()) {
        return ::testing::AssertionFailure() << "'" << left << "' left unfilled in: " << text;
    }
    std::size_t from = 0;
    for (const std::string_view piece : pieces) {
        const std::size_t at = text.find(piece, from);
        if (at == std::string::npos) {
            return ::testing::AssertionFailure() << "'" << piece << "' not in place in: " << text;
        }
        from = at + piece.size();
    }
    return ::testing::AssertionSuccess();
}

// A fixed text that is shown as it is (never used as a format with arguments).
inline ::testing::AssertionResult isWholeText(const char* text) {
    const std::string whole = text;
    if (whole.empty()) return ::testing::AssertionFailure() << "empty text";
    if (const std::string left = leftoverConversion(whole); !left.empty()) {
        return ::testing::AssertionFailure() << "'" << left << "' in a fixed text: " << whole;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace orv
