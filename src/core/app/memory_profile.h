#pragma once

#include <map>
#include <string>
#include <utility>

#include "app/profile.h"

namespace orv {

// A profile that lives in memory only: orvctl and the tests use it where the
// window uses the per-user profile. Integers are kept as their base-10 text, so
// a value written as text reads back as an integer the same way as from a file.
class MemoryProfile : public Profile {
public:
    int readInt(const std::string& section, const std::string& key, int defaultValue) override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
    void writeText(const std::string& section, const std::string& key, const std::string& value) override;

    bool contains(const std::string& section, const std::string& key) const;
    void clear() { values.clear(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> values;
};

}  // namespace orv
