#include "app/sibling_program.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/text_helpers.h"

namespace orv {

namespace {

namespace fs = std::filesystem;

std::string envOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

struct DesktopEntry {
    std::string name;
    std::string exec;
    std::string path;
};

// The keys of the [Desktop Entry] group; localized keys (Name[de]) are not the name.
DesktopEntry readEntry(const fs::path& file) {
    DesktopEntry entry;
    std::ifstream in(file);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inGroup) continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view key = withoutTrailing(std::string_view(line).substr(0, equals));
        const std::string value(withoutLeading(std::string_view(line).substr(equals + 1)));
        if (key == "Name") entry.name = value;
        if (key == "Exec") entry.exec = value;
        if (key == "Path") entry.path = value;
    }
    return entry;
}

// The program of an Exec line: its first word, quotes removed.
std::string firstWord(const std::string& exec) {
    std::string word;
    bool quoted = false;
    for (char c : exec) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted) {
            if (!word.empty()) break;
        } else {
            word += c;
        }
    }
    return word;
}

}  // namespace

std::vector<std::string> desktopEntryFolders() {
    const std::string home = envOr("HOME", "");
    std::vector<std::string> folders;
    folders.push_back((fs::path(envOr("XDG_DATA_HOME", home + "/.local/share")) / "applications").string());
    const std::string dataDirs = envOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    std::size_t start = 0;
    while (start <= dataDirs.size()) {
        const std::size_t colon = std::min(dataDirs.find(':', start), dataDirs.size());
        if (colon > start) {
            folders.push_back((fs::path(dataDirs.substr(start, colon - start)) / "applications").string());
        }
        start = colon + 1;
    }
    return folders;
}

std::optional<SiblingProgram> findSiblingProgram(const std::vector<std::string>& folders) {
    std::optional<SiblingProgram> found;
    for (const std::string& folder : folders) {
        std::error_code error;
        std::vector<fs::path> files;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            if (it->path().extension() == ".desktop") files.push_back(it->path());
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            const DesktopEntry entry = readEntry(file);
            if (entry.name != kSiblingDisplayName) continue;
            SiblingProgram program{firstWord(entry.exec), entry.path};
            if (program.program.empty()) {
                if (entry.path.empty()) continue;
                program.program = (fs::path(entry.path) / kSiblingFileName).string();
            }
            found = program;
        }
    }
    return found;
}

}  // namespace orv
