#include "app/format_text.h"

#include <cstdio>

namespace orv {

std::string formatTextV(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

std::string formatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatTextV(format, args);
    va_end(args);
    return text;
}

std::string formatTextLimitedV(std::size_t limit, const char* format, va_list args) {
    std::string text = formatTextV(format, args);
    if (text.size() > limit) {
        text.resize(limit);
    }
    return text;
}

std::string formatTextLimited(std::size_t limit, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatTextLimitedV(limit, format, args);
    va_end(args);
    return text;
}

}  // namespace orv
