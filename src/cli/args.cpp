#include "cli.h"

namespace orv::cli {

bool Args::has(const std::string& name) const {
    for (const auto& [key, value] : options)
        if (key == name) return true;
    return false;
}

std::optional<std::string> Args::value(const std::string& name) const {
    std::optional<std::string> found;
    for (const auto& [key, value] : options)
        if (key == name) found = value;
    return found;
}

std::vector<std::string> Args::values(const std::string& name) const {
    std::vector<std::string> found;
    for (const auto& [key, value] : options)
        if (key == name) found.push_back(value);
    return found;
}

bool Args::flag(const std::string& name) const {
    for (const auto& [key, value] : options)
        if (key == name && value.empty()) return true;
    return false;
}

}  // namespace orv::cli
