#pragma once

#include <optional>
#include <string_view>

namespace orv {

// The conversions of typed field text to numbers. They never fail: text
// without a number gives 0, as the collar's users have always been used to.

// Leading blanks, an optional sign, then the leading decimal digits.
double integerOfText(std::string_view text);

// A decimal number with a point, whatever the user's locale; 0 when the text
// does not start with one (or names no finite number).
double decimalOfText(std::string_view text);

// The whole text (blanks around it aside) as one finite decimal number, with an
// optional sign; empty for anything else: no digits, trailing letters, "nan",
// "inf", a hexadecimal form, or a number beyond the range of a double.
std::optional<double> exactDecimalOfText(std::string_view text);

// "mm:ss" or "hh:mm": the part before the colon times 60 plus the part after
// it. Without a colon, found is false and the whole text is the count.
struct TimeText {
    double value;
    bool found;
};
TimeText timeOfText(std::string_view text);

// "Mar 15" (any case, the month anywhere in the text) as a day of the year,
// 1..365; a day below 1 counts as 1. Without a month, found is false and the
// whole text is the day.
struct DayText {
    double value;
    bool found;
};
DayText dayOfYearOfText(std::string_view text);

}  // namespace orv
