#include "image/ptt_id.h"

#include <bit>

#include "app/format_text.h"
#include "image/field_codec.h"
#include "model/record.h"

namespace orv {

namespace {

std::uint32_t parity(std::uint32_t x) {
    return static_cast<std::uint32_t>(std::popcount(x & 0xFFFFu)) & 1u;
}

std::uint32_t checkBits(std::uint32_t id, bool upper) {
    if (!upper) {
        return parity(id & 0x3B9A) << 5 | parity(id & 0x3DCD) << 4 | parity(id & 0x257C) << 3 |
               parity(id & 0x32BE) << 2 | parity(id & 0x195F) << 1 | parity(id & 0x3735);
    }
    const std::uint32_t t = 1 - parity(id & 0x3B9A);
    return t << 5 | (parity(id & 0x0657) ^ t) << 4 | parity(id & 0x257C) << 3 | parity(id & 0x32BE) << 2 |
           parity(id & 0x195F) << 1 | (parity(id & 0x0CAF) ^ t);
}

}  // namespace

std::uint32_t pttIdWord(std::int64_t id, std::int64_t extension) {
    const bool upper = id >= kUpperIdBase;
    if (upper) id -= kUpperIdBase;
    // The id has 14 bits and the extension one byte; the two bits above the id stay 0.
    const auto stored = static_cast<std::uint32_t>(id) & 0x3FFFu;
    const auto low = static_cast<std::uint32_t>(extension) & 0xFFu;
    return stored << 14 | checkBits(stored, upper) << 8 | low;
}

std::int64_t programmedPttId(const ParameterRecord& record, bool rootIdFlag) {
    const double assigned = record.general(GeneralRow::PttIdCode);
    // 32768 itself belongs to the root-ID range: as an id it would need the bit
    // above the 14 id bits, which the word keeps 0.
    if (assigned >= kRootIdRangeStart || rootIdFlag)
        return truncateToInteger(record.general(GeneralRow::RootIDCode));
    return truncateToInteger(assigned);
}

std::uint32_t programmedPttIdWord(const ParameterRecord& record, bool rootIdFlag) {
    return pttIdWord(programmedPttId(record, rootIdFlag),
                     truncateToInteger(record.general(GeneralRow::ExtensionAndProtectionCode)));
}

std::string idHexText(std::uint32_t raw, std::uint32_t encoding, std::int64_t extension) {
    const std::uint32_t word = encoding == EncodingUint24 ? raw << 8 : raw;
    std::int64_t id = (word >> 14) & 0x3FFFu;
    // Stored under the first scheme, the word's upper three bytes are those of
    // the first-scheme word of its id; otherwise the id lies in the upper range.
    if ((pttIdWord(id, extension) >> 8) == (word >> 8)) return formatText("%08X", word);
    id += kUpperIdBase;
    return formatText("%08X", static_cast<unsigned>(id * 16384));
}

}  // namespace orv
