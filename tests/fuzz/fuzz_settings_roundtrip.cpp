// The settings file writer over any content: writing one entry changes what
// the reader finds for that entry only. Every other entry the reader could see
// before reads the same afterwards, so no value is reset by a write elsewhere,
// and the written entry reads back. The input is the file's content after a
// first byte that chooses the section, the key and the value to write.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_text.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

const char* const kSections[] = {"Files", "Parameters", "Startup", "A", "Firmware Version"};
const char* const kKeys[] = {"Login", "K", "Fix Dimension", "Parameter Db", "Current Fw Ver", "Window Top"};

// A text the writer and the reader see alike: whole lines no longer than a
// reader's piece, no CR (the reader ends lines at it, the writer does not).
bool plainText(const std::string& content) {
    if (content.find('\r') != std::string::npos) return false;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        if (end - start > orv::kSettingsPieceLength) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string section = kSections[choice % 5];
    const std::string key = kKeys[(choice / 5) % 6];
    const std::optional<std::string> value =
        choice >= 240 ? std::nullopt : std::optional<std::string>("v" + std::to_string(choice));

    const std::string written = orv::rewriteSetting(content, section, key, value);
    if (!plainText(content)) return 0;
    // Writing the same entry again changes nothing.
    require(orv::rewriteSetting(written, section, key, value) == written);

    const orv::SettingValue back = orv::findSetting(written, section, key, "absent");
    if (value) {
        require(back.found && back.text == *value);
    } else {
        require(!back.found);
    }
    for (const char* otherSection : kSections) {
        for (const char* otherKey : kKeys) {
            if (otherSection == section && otherKey == key) continue;
            const orv::SettingValue before = orv::findSetting(content, otherSection, otherKey, "absent");
            const orv::SettingValue after = orv::findSetting(written, otherSection, otherKey, "absent");
            require(before.found == after.found && before.text == after.text);
        }
    }
    return 0;
}
