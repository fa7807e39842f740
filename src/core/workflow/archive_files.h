#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>

namespace orv {

class MessageLog;

// Where the .spr and .bin files of a programmed collar go.
struct ArchiveTarget {
    std::string folder;    // the archive folder, without a trailing separator
    std::string baseName;  // from the CTN: at most 8 characters, safe in a file name
    std::string path(const char* extension) const { return folder + "/" + baseName + extension; }
};

inline constexpr std::size_t kArchiveBaseLength = 8;
inline constexpr const char* kArchiveFallbackName = "GPS_file";

// The base name of the files for a CTN: its first 8 characters, or "GPS_file"
// when it is empty. A CTN is typed by a user: path separators, control
// characters, bytes that are no UTF-8 character and ".." are replaced by "_",
// so the files always land inside the archive folder under a valid name.
std::string archiveBaseName(const std::string& ctn);

// The archive target for [Files] "Archive Path" and the CTN, with the
// messages for a missing or wrong folder and for a cut or missing CTN. Files
// of another collar under the base name are never replaced: this collar's
// then take the name with the first free suffix "~2", "~3" ..., with a warning.
// Nothing (and no message) when the path is empty; nothing after an error.
std::optional<ArchiveTarget> planArchive(const std::string& archivePath, const std::string& ctn,
                                         MessageLog& log);

// Writes the report text as target.spr and the image bytes as target.bin
// (each through a temporary file); 0 when both were written.
int writeArchiveFiles(const ArchiveTarget& target, const std::string& sprText,
                      std::span<const std::uint8_t> image, MessageLog& log);

// The copy of what a collar held before it was written:
// target/base-before-YYYYMMDD-HHMMSS.bin, the time local as every date shown;
// a second copy of the same second "...-HHMMSS-2.bin", and so on.
std::string beforeCopyPath(const ArchiveTarget& target, std::time_t when, int copy = 1);

// Writes the before-copy (through a temporary file) under the first of those
// names that is free, never over another copy; 0 when written.
int writeBeforeCopy(const ArchiveTarget& target, std::span<const std::uint8_t> image, std::time_t when,
                    MessageLog& log);

}  // namespace orv
