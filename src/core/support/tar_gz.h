#pragma once

// A .tar.gz archive built in memory: ustar entries (regular files, mode 0600)
// under one folder, compressed as gzip.

#include <cstdint>
#include <string>
#include <vector>

namespace orv {

struct ArchiveFile {
    std::string name;  // within the archive's folder; at most 100 characters with it
    std::string content;
};

// The archive's bytes, or "" when a name is too long or compression failed.
std::string tarGz(const std::string& folder, const std::vector<ArchiveFile>& files, std::int64_t mtime);

}  // namespace orv
