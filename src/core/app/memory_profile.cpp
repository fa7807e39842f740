#include "app/memory_profile.h"

#include "app/format_text.h"
#include "app/int_text.h"

namespace orv {

int MemoryProfile::readInt(const std::string& section, const std::string& key, int defaultValue) {
    const auto found = values.find({section, key});
    return found == values.end() ? defaultValue : intFromText(found->second);
}

void MemoryProfile::writeInt(const std::string& section, const std::string& key, int value) {
    values[{section, key}] = formatText("%d", value);
}

std::string MemoryProfile::readText(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) {
    const auto found = values.find({section, key});
    return found == values.end() ? defaultValue : found->second;
}

void MemoryProfile::writeText(const std::string& section, const std::string& key, const std::string& value) {
    values[{section, key}] = value;
}

bool MemoryProfile::contains(const std::string& section, const std::string& key) const {
    return values.count({section, key}) != 0;
}

}  // namespace orv
