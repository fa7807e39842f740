#include "device/hex_text.h"

#include "app/text_helpers.h"

namespace orv {

namespace {}  // namespace

std::size_t parseHexPairs(std::string_view text, std::span<std::uint8_t> out) {
    std::size_t stored = 0;
    for (std::size_t i = 0; i + 1 < text.size() && stored < out.size(); i += 2) {
        const int high = hexDigitValue(text[i]);
        const int low = hexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) break;
        out[stored++] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return stored;
}

void appendHexPairs(std::string& text, std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text.reserve(text.size() + 2 * bytes.size());
    for (const std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
}

}  // namespace orv
