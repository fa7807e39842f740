#include "app/format_text.h"

#include <locale.h>

#include <cstdio>

namespace orv {
namespace {

// Numbers are always written with a decimal point: the settings file, the
// reports and the messages must not change with the user's locale (a comma
// would even split a settings entry in two).
class ClassicNumbers {
public:
    ClassicNumbers() : previous(classic() != nullptr ? ::uselocale(classic()) : nullptr) {}
    ~ClassicNumbers() {
        if (previous != nullptr) {
            ::uselocale(previous);
        }
    }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    static locale_t classic() {
        static const locale_t locale = ::newlocale(LC_ALL_MASK, "C", nullptr);
        return locale;
    }
    locale_t previous;
};

}  // namespace

std::string formatTextV(const char* format, va_list args) {
    const ClassicNumbers numbers;
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
