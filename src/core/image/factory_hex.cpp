#include "image/factory_hex.h"

#include "app/format_text.h"
#include "app/text_helpers.h"

namespace orv {

namespace {}  // namespace

std::uint32_t parseFactoryHex(std::string_view text) {
    constexpr std::uint32_t invalid = 0xFFFFFFFFu;
    if (text.size() > 8) return invalid;
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0) return invalid;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string formatFactoryHex(std::uint32_t value) {
    return formatText("%02X%02X%02X", static_cast<unsigned>(value / 65536),
                      static_cast<unsigned>((value % 65536) / 256), static_cast<unsigned>(value % 256));
}

}  // namespace orv
