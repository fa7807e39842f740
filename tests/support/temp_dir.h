#pragma once

// A unique scratch folder for one test, removed with everything in it at the end.
// With Enter::Yes the test also runs inside it (the previous working directory
// comes back afterwards), for code that uses files of the working directory.

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace orv::test {

class TempDir {
public:
    enum class Enter { No, Yes };

    explicit TempDir(Enter enter = Enter::No) {
        std::string pattern = (std::filesystem::temp_directory_path() / "orv-test-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (::mkdtemp(buffer.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        dir = buffer.data();
        if (enter == Enter::Yes) {
            previous = std::filesystem::current_path();
            std::filesystem::current_path(dir);
        }
    }

    ~TempDir() {
        std::error_code ignored;
        if (!previous.empty()) {
            std::filesystem::current_path(previous, ignored);
        }
        std::filesystem::remove_all(dir, ignored);
    }

    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return dir; }
    std::string file(const std::string& name) const { return (dir / name).string(); }

    // Writes a file in the folder (binary, exactly the given bytes) and returns its path.
    std::string write(const std::string& name, const std::string& content) const {
        const std::string target = file(name);
        std::ofstream(target, std::ios::binary) << content;
        return target;
    }

    // The whole content of a file in the folder (or at an absolute path); "" when absent.
    std::string read(const std::string& name) const {
        const std::filesystem::path target =
            std::filesystem::path(name).is_absolute() ? std::filesystem::path(name) : dir / name;
        std::ifstream in(target, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The names of the files in the folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path dir;
    std::filesystem::path previous;
};

}  // namespace orv::test
