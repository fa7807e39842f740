#include "workflow/archive_files.h"

#include <sys/stat.h>

#include <string_view>

#include "app/message_log.h"
#include "app/replace_file.h"
#include "app/text_helpers.h"
#include "reports/save_report.h"
#include "reports/spr_text.h"
#include "workflow/workflow_messages.h"

namespace orv {

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

constexpr int kArchiveSuffixes = 99;

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The files under the target's name are this collar's, or there are none: a
// report naming another CTN, or one that names none (or cannot be read), or
// an image without its report belong to someone else.
bool mayWriteArchive(const ArchiveTarget& target, const std::string& ctn) {
    const std::string spr = target.path(".spr");
    if (!exists(spr)) return !exists(target.path(".bin"));
    std::string text;
    if (!readWholeFile(spr, text)) return false;
    const auto named = sprCtn(text);
    return named && *named == ctn;
}

}  // namespace

std::string archiveBaseName(const std::string& ctn) {
    if (ctn.empty()) return kArchiveFallbackName;
    // Cut by characters, and every name valid UTF-8: a byte that is no part of a
    // character, a separator and a control character become "_".
    const std::string_view cut = utf8Prefix(ctn, kArchiveBaseLength);
    std::string base;
    for (std::size_t at = 0; at < cut.size();) {
        const std::size_t size = utf8SequenceAt(cut, at);
        const auto c = static_cast<unsigned char>(cut[at]);
        if (size == 0 || isSeparator(cut[at]) || c < 0x20 || c == 0x7F) {
            base += '_';
            at += 1;
        } else {
            base.append(cut.substr(at, size));
            at += size;
        }
    }
    // ".." anywhere, or a name of dots only, would climb out of the folder.
    for (std::size_t at = base.find(".."); at != std::string::npos; at = base.find(".."))
        base.replace(at, 2, "__");
    if (base == ".") base = "_";
    return base;
}

std::optional<ArchiveTarget> planArchive(const std::string& archivePath, const std::string& ctn,
                                         MessageLog& log) {
    if (archivePath.empty()) return std::nullopt;
    std::string folder = archivePath;
    // One trailing separator, of either kind, is dropped; "/" alone stays the root.
    if (folder.size() > 1 && isSeparator(folder.back())) folder.pop_back();
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode)) {
            log.error(wftext::kArchiveNotDirectory, folder.c_str());
            return std::nullopt;
        }
    } else {
        log.error(wftext::kArchiveMissing, folder.c_str());
        return std::nullopt;
    }
    ArchiveTarget target{folder == "/" ? std::string() : folder, archiveBaseName(ctn)};
    if (ctn.empty()) {
        const std::string named = target.folder + "/" + target.baseName;
        log.warning(wftext::kArchiveNoCtn, named.c_str());
    } else if (utf8Length(ctn) > kArchiveBaseLength) {
        log.warning(wftext::kArchiveCtnCut, ctn.c_str(), target.baseName.c_str());
    }
    // Names that are cut or changed meet: files another collar left under the
    // name stay, and this collar's take the first free suffix.
    const std::string wanted = target.baseName;
    for (int suffix = 2; !mayWriteArchive(target, ctn); ++suffix) {
        if (suffix > kArchiveSuffixes) {
            log.error(wftext::kArchiveNamesTaken, (target.folder + "/" + wanted).c_str());
            return std::nullopt;
        }
        target.baseName = wanted + "~" + std::to_string(suffix);
    }
    if (target.baseName != wanted) {
        const std::string taken = target.folder + "/" + wanted;
        log.warning(wftext::kArchiveNameTaken, taken.c_str(), target.baseName.c_str());
    }
    return target;
}

int writeArchiveFiles(const ArchiveTarget& target, const std::string& sprText,
                      std::span<const std::uint8_t> image, MessageLog& log) {
    int result = saveReportText(sprText, target.path(".spr"), log) == kReportSaved ? 0 : 1;
    const std::string binPath = target.path(".bin");
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (replaceFile(binPath, bytes, "ORVBINXXXXXX") != 1) {
        log.error(wftext::kBinNotWritten, binPath.c_str());
        result = 1;
    }
    return result;
}

std::string beforeCopyPath(const ArchiveTarget& target, std::time_t when, int copy) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[48];
    std::strftime(stamp, sizeof stamp, "-before-%Y%m%d-%H%M%S", &local);
    std::string name = stamp;
    if (copy > 1) name += "-" + std::to_string(copy);
    return target.path((name + ".bin").c_str());
}

int writeBeforeCopy(const ArchiveTarget& target, std::span<const std::uint8_t> image, std::time_t when,
                    MessageLog& log) {
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    // Another write of this base name in the same second (a batch, a second
    // window) keeps its copy: this one takes the next free number.
    for (int copy = 1; copy <= kArchiveSuffixes; ++copy) {
        const std::string path = beforeCopyPath(target, when, copy);
        const int created = createNewFile(path, bytes, "ORVBINXXXXXX");
        if (created == 1) return 0;
        if (created == 0) {
            log.error(wftext::kBinNotWritten, path.c_str());
            return 1;
        }
    }
    log.error(wftext::kBinNotWritten, beforeCopyPath(target, when, kArchiveSuffixes).c_str());
    return 1;
}

}  // namespace orv
