#include "db/service_account.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/message_log.h"
#include "app/replace_file.h"
#include "app/text_helpers.h"

namespace orv {
namespace {

constexpr const char* kDefaultServiceAccountFile = "/etc/orv/service-account";

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string serviceAccountFile() {
    const char* configured = std::getenv("ORV_SERVICE_ACCOUNT_FILE");
    return configured != nullptr && *configured != '\0' ? configured : kDefaultServiceAccountFile;
}

std::string installedServiceHash(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return "";
    if (info.st_uid != 0 || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "";
    std::string content;
    if (!readWholeFile(path, content)) return "";
    return std::string(withoutTrailing(content, " \r\n"));
}

int storeServicePassword(const std::string& path, const std::string& password, const HashCost& cost,
                         MessageLog& log) {
    if (geteuid() != 0) {
        log.error("Only an administrator can set the service account's password.");
        return 1;
    }
    if (password.empty()) {
        log.error("The service account needs a password; it was NOT set.");
        return 1;
    }
    std::string hash;
    if (hashPassword(password, cost, hash) != 0) {
        log.error("The password could not be hashed; it was NOT set.");
        return 1;
    }
    const std::string folder = folderOf(path);
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
        log.error("The folder '%s' could not be created: %s", folder.c_str(), std::strerror(errno));
        return 1;
    }
    if (replaceFile(path, hash + "\n", "svcXXXXXX") != 1 || chown(path.c_str(), 0, 0) != 0 ||
        chmod(path.c_str(), 0644) != 0) {
        log.error("The service account's password could not be stored in '%s'.", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace orv
