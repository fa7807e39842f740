#pragma once

#include <cstdarg>
#include <string>

namespace orv {

// The one printf-style formatter of the program. The format must be a constant
// text; user text is passed as an argument ("%s"), never as the format.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string formatTextV(const char* format, va_list args) __attribute__((format(printf, 1, 0)));

// The same, keeping at most limit characters (a fixed-size buffer of limit + 1).
std::string formatTextLimited(std::size_t limit, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
std::string formatTextLimitedV(std::size_t limit, const char* format, va_list args)
    __attribute__((format(printf, 2, 0)));

}  // namespace orv
