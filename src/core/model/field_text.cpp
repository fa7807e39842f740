#include "model/field_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "app/text_helpers.h"
#include "model/lists.h"

namespace orv {
namespace {

// The text after the first count characters (empty when it is shorter).
std::string_view after(std::string_view text, std::size_t count) {
    return count < text.size() ? text.substr(count) : std::string_view{};
}

}  // namespace

double integerOfText(std::string_view text) {
    text = withoutLeading(text, kWhiteSpace);
    double sign = 1;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    // Accumulated as a double and held below 1e18, so that no entry can overflow.
    constexpr double kLargest = 1e18;
    double value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        if (value < kLargest) {
            value = value * 10 + (c - '0');
        }
    }
    return sign * value;
}

double decimalOfText(std::string_view text) {
    text = withoutLeading(text, kWhiteSpace);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error != std::errc{} || !std::isfinite(value)) {
        return 0;
    }
    return value;
}

std::optional<double> exactDecimalOfText(std::string_view text) {
    text = trimmed(text, kWhiteSpace);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    // Letters are never part of a number here: from_chars would take "inf" and "nan".
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '-' ||
                          text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

TimeText timeOfText(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return {integerOfText(text), false};
    }
    return {integerOfText(text.substr(0, colon)) * 60 + integerOfText(text.substr(colon + 1)), true};
}

DayText dayOfYearOfText(std::string_view text) {
    const std::string upper = upperCase(text);
    const auto months = monthAbbreviations();
    const auto lengths = monthLengths();
    double offset = 0;
    for (std::size_t month = 0; month < months.size(); ++month) {
        std::string_view name = months[month];
        name.remove_suffix(1);  // the abbreviation's trailing blank
        const std::size_t at = upper.find(upperCase(name));
        if (at != std::string::npos) {
            // The day follows the abbreviation and its blank.
            const double day = integerOfText(after(text, at + name.size() + 1));
            return {offset + (day < 1 ? 1 : day), true};
        }
        offset += lengths[month];
    }
    const double day = integerOfText(text);
    return {day < 1 ? 1 : day, false};
}

}  // namespace orv
