#include "workflow/archive_files.h"

#include <sys/stat.h>

#include <string_view>

#include "app/message_log.h"
#include "app/replace_file.h"
#include "reports/save_report.h"
#include "workflow/workflow_messages.h"

namespace orv {

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

std::string archiveBaseName(const std::string& ctn) {
    if (ctn.empty()) return kArchiveFallbackName;
    std::string base = ctn.substr(0, kArchiveBaseLength);
    for (char& c : base) {
        if (isSeparator(c) || c == '\0') c = '_';
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
    } else if (ctn.size() > kArchiveBaseLength) {
        log.warning(wftext::kArchiveCtnCut, ctn.c_str(), target.baseName.c_str());
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

}  // namespace orv
