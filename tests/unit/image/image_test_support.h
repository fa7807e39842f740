#pragma once

#include <cstdint>
#include <vector>

#include "app/message_log.h"
#include "model/record.h"
#include "scripted_presenter.h"

namespace orv::test {

inline ParameterRecord recordFor(const char* version) {
    ParameterRecord record;
    resetRecord(record);
    record.text(StringRow::FenmodFwVer) = version;
    return record;
}

// The big-endian bytes of a value, for comparing image slices.
inline std::vector<std::uint8_t> bigEndian(std::uint64_t value, int width) {
    std::vector<std::uint8_t> bytes;
    for (int i = width - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

inline std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& image, std::size_t at,
                                       std::size_t width) {
    return {image.begin() + static_cast<std::ptrdiff_t>(at),
            image.begin() + static_cast<std::ptrdiff_t>(at + width)};
}

struct LoggedTest {
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
};

}  // namespace orv::test
