#include "support/tar_gz.h"

#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstring>

namespace orv {

namespace {

constexpr std::size_t kBlock = 512;

// An octal number field of width characters: width - 1 digits, then NUL.
void putOctal(char* field, std::size_t width, std::uint64_t value) {
    for (std::size_t i = width - 1; i-- > 0; value >>= 3) field[i] = static_cast<char>('0' + (value & 7));
    field[width - 1] = '\0';
}

bool appendEntry(std::string& tar, const std::string& path, const std::string& content, std::int64_t mtime) {
    std::array<char, kBlock> header{};
    if (path.size() >= 100) return false;
    std::memcpy(header.data(), path.data(), path.size());
    putOctal(&header[100], 8, 0600);
    putOctal(&header[108], 8, 0);
    putOctal(&header[116], 8, 0);
    putOctal(&header[124], 12, content.size());
    putOctal(&header[136], 12, static_cast<std::uint64_t>(mtime < 0 ? 0 : mtime));
    header[156] = '0';
    std::memcpy(&header[257], "ustar", 6);
    std::memcpy(&header[263], "00", 2);
    // The checksum counts its own field as blanks.
    std::memset(&header[148], ' ', 8);
    unsigned sum = 0;
    for (const char c : header) sum += static_cast<unsigned char>(c);
    putOctal(&header[148], 7, sum);
    tar.append(header.data(), header.size());
    tar += content;
    tar.append((kBlock - content.size() % kBlock) % kBlock, '\0');
    return true;
}

std::string gzip(const std::string& data) {
    z_stream stream{};
    // 15 window bits, +16: a gzip header and trailer instead of zlib's.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return "";
    std::string out(deflateBound(&stream, data.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : "";
}

}  // namespace

std::string tarGz(const std::string& folder, const std::vector<ArchiveFile>& files, std::int64_t mtime) {
    std::string tar;
    for (const ArchiveFile& file : files)
        if (!appendEntry(tar, folder + "/" + file.name, file.content, mtime)) return "";
    tar.append(2 * kBlock, '\0');  // the end of the archive
    return gzip(tar);
}

}  // namespace orv
