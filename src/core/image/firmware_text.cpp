#include "image/firmware_text.h"

#include <algorithm>
#include <array>

#include "app/format_text.h"
#include "model/record.h"
#include "model/value_kind.h"

namespace orv {

namespace {

struct VersionSlot {
    int stringRow;
    std::size_t firstByte;
    std::size_t byteCount;
};

constexpr std::array<VersionSlot, 5> kVersionSlots{{
    {StringRow::FenmodFwVer, 0, 6},
    {StringRow::RtcPicFwVer, 6, 6},
    {StringRow::MiscDevFwVer, 12, 6},
    {StringRow::NavProcFwVer, 18, 5},
    {StringRow::SigProcFwVer, 23, 5},
}};
static_assert(kVersionSlots.back().firstByte + kVersionSlots.back().byteCount == kVersionTextBytes);

}  // namespace

std::optional<std::string> formatFirmwareText(std::span<const std::uint8_t> bytes, int kind) {
    std::array<unsigned, 6> b{};
    for (std::size_t i = 0; i < b.size() && i < bytes.size(); ++i) b[i] = bytes[i];
    std::string text;
    if (kind == KindFirmwareHex) {
        text = formatText("%c%c %02X%02X%02X %02X", static_cast<char>(b[0]), static_cast<char>(b[1]), b[2],
                          b[3], b[4], b[5]);
    } else if (kind == KindFirmwareDate) {
        text = formatText("%02d.%02d %02d/%02d/%4d", static_cast<int>(b[0]), static_cast<int>(b[1]),
                          static_cast<int>(b[2]), static_cast<int>(b[3]), static_cast<int>(b[4]) + 1900);
    } else {
        return std::nullopt;
    }
    if (const auto end = text.find('\0'); end != std::string::npos) text.resize(end);
    return text;
}

ImageResult formatVersionTexts(std::span<const std::uint8_t> versionBytes, ParameterRecord& record) {
    const auto strings = stringDefinitions();
    std::array<std::string, kVersionSlots.size()> texts;
    for (std::size_t i = 0; i < kVersionSlots.size(); ++i) {
        const VersionSlot& slot = kVersionSlots[i];
        const auto bytes = slot.firstByte < versionBytes.size() ? versionBytes.subspan(slot.firstByte)
                                                                : decltype(versionBytes){};
        const auto text = formatFirmwareText(bytes.first(std::min(bytes.size(), slot.byteCount)),
                                             strings[static_cast<std::size_t>(slot.stringRow)].kind);
        if (!text) return ImageResult::VersionTextsFailed;
        texts[i] = *text;
    }
    for (std::size_t i = 0; i < kVersionSlots.size(); ++i) record.text(kVersionSlots[i].stringRow) = texts[i];
    return ImageResult::Ok;
}

}  // namespace orv
