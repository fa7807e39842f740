// The settings file reader and writer over arbitrary file content: they must
// never crash, the writer must always succeed, an entry it writes into a plain
// text file must read back, and writing the same entry twice changes nothing.
// The lookups run on the file once and on its text in memory otherwise.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/settings_file.h"
#include "app/settings_text.h"

namespace {

// One scratch file for the whole run, removed at exit (the path is never
// destroyed, so the exit handler can still use it).
const std::string& scratchFile() {
    static const std::string* const path = [] {
        char dir[] = "/tmp/orv-fuzz-settings-XXXXXX";
        if (::mkdtemp(dir) == nullptr) {
            std::abort();
        }
        return new std::string(std::string(dir) + "/Orv3.cfg");
    }();
    static const bool cleanup = std::atexit([] {
                                    std::remove(path->c_str());
                                    ::rmdir(path->substr(0, path->rfind('/')).c_str());
                                }) == 0;
    (void)cleanup;
    return *path;
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    if (size > 0) {
        std::fwrite(data, 1, size, file);
    }
    std::fclose(file);
}

// Content the reader sees exactly as the writer does: whole lines.
bool plainText(const std::string& content) {
    if (content.find('\r') != std::string::npos) {
        return false;
    }
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        if (end - start > orv::kSettingsPieceLength) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& file = scratchFile();
    writeFile(file, data, size);

    const std::string content(reinterpret_cast<const char*>(data), size);
    const orv::SettingValue fromFile = orv::readSetting(file, "Startup", "Login", "dflt");
    if (fromFile.text != orv::findSetting(content, "Startup", "Login", "dflt").text) {
        std::abort();
    }
    for (const char* section : {"Files", "Parameters", "A", ""}) {
        const orv::SettingValue value = orv::findSetting(content, section, "Login", "dflt");
        if (value.text.size() > orv::kSettingsPieceLength || (!value.found && value.text != "dflt")) {
            std::abort();
        }
    }

    if (orv::writeSetting(file, "Fuzz", "Key", std::string("Value")) != 1) {
        std::abort();
    }
    std::FILE* handle = std::fopen(file.c_str(), "rb");
    std::string written;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, handle)) > 0;) {
        written.append(chunk, got);
    }
    std::fclose(handle);

    const orv::SettingValue back = orv::readSetting(file, "Fuzz", "Key", "");
    if (plainText(written) && (!back.found || back.text != "Value")) {
        std::abort();
    }
    if (orv::rewriteSetting(written, "Fuzz", "Key", std::string("Value")) != written) {
        std::abort();
    }
    return 0;
}
