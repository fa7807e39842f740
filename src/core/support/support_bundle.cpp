#include "support/support_bundle.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#include "app/message_log.h"
#include "app/replace_file.h"
#include "app/run_log.h"
#include "app/startup.h"
#include "db/database_uri.h"
#include "db/parameter_db.h"
#include "device/serial_trace.h"
#include "support/doctor.h"
#include "support/tar_gz.h"

namespace orv {

namespace {

// Keeps what the database code would have shown, instead of showing it.
class CollectingPresenter : public MessagePresenter {
public:
    int present(BoxKind, const std::string&, const std::string& text) override {
        shown += text + "\n";
        return kAnswerNo;
    }
    std::string shown;
};

// A file's text for the bundle, or a line saying why there is none.
std::string fileOrNote(const std::string& path) {
    if (path.empty()) return "(none)\n";
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return "(" + path + " does not exist)\n";
    std::string content;
    if (!readWholeFile(path, content)) return "(" + path + " cannot be read: " + std::strerror(errno) + ")\n";
    return content;
}

bool uriCharacter(char c) {
    return c > ' ' && c != '"' && c != '\'' && c != '<' && c != '>' && c != '`';
}

}  // namespace

std::string maskDatabasePasswords(const std::string& text) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t plain = text.find("postgres", at);
        if (plain == std::string::npos) break;
        std::size_t end = plain;
        while (end < text.size() && uriCharacter(text[end])) ++end;
        const std::string word = text.substr(plain, end - plain);
        out += text.substr(at, plain - at);
        out += isServerUri(word) ? displayName(word) : word;
        at = end > plain ? end : plain + 1;
    }
    out += text.substr(at);
    return out;
}

std::string lastTraceSessions(const std::string& trace, int count) {
    std::vector<std::size_t> starts;
    for (std::size_t at = trace.find(kTraceSessionStart); at != std::string::npos;
         at = trace.find(kTraceSessionStart, at + 1)) {
        if (at == 0 || trace[at - 1] == '\n') starts.push_back(at);
    }
    if (starts.size() <= static_cast<std::size_t>(count)) return trace;
    return trace.substr(starts[starts.size() - static_cast<std::size_t>(count)]);
}

std::string storedDeviceKeys(const std::string& parameterDb) {
    std::error_code error;
    if (!isServerUri(parameterDb) && !std::filesystem::exists(parameterDb, error))
        return "(" + parameterDb + " does not exist)\n";
    CollectingPresenter presenter;
    MessageLog log(&presenter);
    ParameterRecord record;
    ParameterDb db(log, record);
    db.setCurrentPath(parameterDb);
    std::vector<DeviceKey> devices;
    if (db.listDevices(devices) != DbResult::Ok) return presenter.shown;
    std::string text;
    for (const DeviceKey& device : devices)
        text += device.job + "\t" + device.ctn + "\t" + device.status + "\n";
    return text;
}

std::string writeSupportBundle(const std::string& path, const BundleSources& sources) {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char folder[64];
    std::strftime(folder, sizeof folder, "orv-support-%Y%m%d-%H%M%S", &utc);
    const std::string settingsFile = pathInFolder(sources.dataFolder, kSettingsFileName);
    const std::string parameterDb =
        pathInFolder(sources.dataFolder, readAppSettings(settingsFile).parameterDbPath);
    const std::string traceFile = pathInFolder(sources.dataFolder, sources.traceFile);
    std::string trace = fileOrNote(traceFile);
    if (!traceFile.empty()) trace = lastTraceSessions(trace, kBundledTraceSessions);
    const std::vector<ArchiveFile> files = {
        {"version.txt", sources.version + "\n"},
        {"doctor.txt", sources.doctorReport},
        {kSettingsFileName, fileOrNote(settingsFile)},
        {"profile.conf", fileOrNote(sources.profileFile)},
        {"serial-trace.txt", trace},
        {"messages.log", fileOrNote(pathInFolder(sources.dataFolder, kRunLogFile))},
        {"devices.txt", storedDeviceKeys(parameterDb)},
    };
    std::vector<ArchiveFile> masked;
    for (const ArchiveFile& file : files) masked.push_back({file.name, maskDatabasePasswords(file.content)});
    const std::string bytes = tarGz(folder, masked, now);
    if (bytes.empty()) return "the archive could not be made";
    if (replaceFile(path, bytes, ".orv-bundle-XXXXXX") != 1) return std::strerror(errno != 0 ? errno : EIO);
    return "";
}

}  // namespace orv
