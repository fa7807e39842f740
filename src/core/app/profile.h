#pragma once

#include <string>

namespace orv {

// The per-user profile (window placement, COM port settings), by section and key.
class Profile {
public:
    virtual ~Profile() = default;
    virtual int readInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual void writeInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string readText(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) = 0;
    virtual void writeText(const std::string& section, const std::string& key, const std::string& value) = 0;
};

}  // namespace orv
