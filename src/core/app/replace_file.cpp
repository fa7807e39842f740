#include "app/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>

namespace orv {
namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return "";
    }
    return path.substr(0, slash + 1);
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates the temporary file, the template's trailing X's replaced until the
// name is new. It is opened with the mode 0666, so that the process umask gives
// it what any new file gets: reading the umask would mean setting it, which
// races with other threads that create files at the same time.
int createTemporary(std::string& name) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random(std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())
                                                                     << 32);
    const std::size_t lastX = name.find_last_not_of('X');
    const std::size_t first = lastX == std::string::npos ? 0 : lastX + 1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (std::size_t i = first; i < name.size(); ++i) {
            name[i] = kLetters[random() % (sizeof kLetters - 1)];
        }
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// A replaced file keeps its own mode.
void keepMode(int fd, const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
}

// The content in a new temporary file beside path (its name left in name);
// false, with nothing left behind, when it cannot be created or written.
bool writeTemporary(const std::string& path, std::string_view content, const char* tempTemplate,
                    std::string& name) {
    name = directoryOf(path) + tempTemplate;
    const int fd = createTemporary(name);
    if (fd < 0) {
        return false;
    }
    keepMode(fd, path);
    const bool written = writeAll(fd, content);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(name.c_str());
        return false;
    }
    return true;
}

}  // namespace

int replaceFile(const std::string& path, std::string_view content, const char* tempTemplate) {
    std::string name;
    if (!writeTemporary(path, content, tempTemplate, name)) {
        return 0;
    }
    if (std::rename(name.c_str(), path.c_str()) != 0) {
        ::unlink(name.c_str());
        return 0;
    }
    return 1;
}

int createNewFile(const std::string& path, std::string_view content, const char* tempTemplate) {
    std::string name;
    if (!writeTemporary(path, content, tempTemplate, name)) {
        return 0;
    }
    // A link, unlike a rename, never replaces: of two writers of one name, one gets it.
    const int linked = ::link(name.c_str(), path.c_str()) == 0 ? 1 : (errno == EEXIST ? -1 : 0);
    ::unlink(name.c_str());
    return linked;
}

bool readWholeFile(const std::string& path, std::string& content) {
    content.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return errno == ENOENT;
    }
    char chunk[8192];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, got);
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    if (!ok) {
        content.clear();
    }
    return ok;
}

}  // namespace orv
