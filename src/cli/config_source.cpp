#include "config_source.h"

#include <charconv>

#include "app/text_helpers.h"
#include "cli_messages.h"
#include "collar_session.h"
#include "db/parameter_db.h"
#include "files/ppf_file.h"
#include "image/firmware_table.h"
#include "trace_option.h"
#include "workflow/device_jobs.h"
#include "workflow/main_rules.h"

namespace orv::cli {

namespace {

constexpr std::string_view kDevicePrefix = "device:";
constexpr std::string_view kDbPrefix = "db:";

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// "@N" after the status: version N of the history, a positive number.
bool parseVersionSuffix(std::string& status, int& version) {
    const auto at = status.rfind('@');
    if (at == std::string::npos) return true;
    const std::string number = status.substr(at + 1);
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), version);
    status.erase(at);
    return !number.empty() && ec == std::errc() && end == number.data() + number.size() && version >= 1;
}

// "JOB,CTN,STATUS" or "JOB,CTN,STATUS@N": three fields, Job and CTN as the
// window's lists keep them.
bool parseDeviceKey(const std::string& key, SourceSpec& wanted) {
    const auto first = key.find(',');
    if (first == std::string::npos) return false;
    const auto second = key.find(',', first + 1);
    if (second == std::string::npos || key.find(',', second + 1) != std::string::npos) return false;
    wanted.job = trimTrailingBlanks(key.substr(0, first));
    wanted.ctn = trimTrailingBlanks(key.substr(first + 1, second - first - 1));
    std::string status = key.substr(second + 1);
    if (!parseVersionSuffix(status, wanted.version)) return false;
    wanted.status = bareStatus(status);
    return !wanted.job.empty() && !wanted.ctn.empty() && !wanted.status.empty();
}

int loadPpf(Session& session, const SourceSpec& wanted, Configuration& out) {
    RecordFirmwareSelection selection(session.record);
    PpfImages images;
    const ImageResult rc = importPpf(session.record, wanted.path, selection, session.log, images);
    if (rc == ImageResult::NotPpfFile) reportFailure(clitext::notPpfFile(wanted.path));
    if (rc != ImageResult::Ok) return kExitFailed;
    if (decodePpfImages(session.record, images, session.log) != ImageResult::Ok) return kExitFailed;
    const std::string& version = session.record.text(StringRow::FenmodFwVer);
    out.held = HeldRows::ofImage(findFirmware(version),
                                 images.hasFactory ? findFactoryFirmware(version) : kFirmwareNotSupported);
    return kExitOk;
}

int loadDevice(Session& session, const Args& args, const SourceSpec& wanted, Configuration& out) {
    ComSettings settings;
    if (const int rc = lineSettings(args, settings); rc != kExitOk) return rc;
    int traceStatus = kExitOk;
    const auto trace = openTraceOption(args, traceStatus);
    if (traceStatus != kExitOk) return traceStatus;
    clearFactoryValues(session.record);
    CollarSession collar(session, wanted.path, settings, trace);
    const ReadJobResult read =
        readDeviceJob(collar.context(), collar.progress(), session.log, ReadMode::Load);
    if (read.result != DeviceResult::Ok || !read.loaded) return kExitFailed;
    const std::string& version = session.record.text(StringRow::FenmodFwVer);
    out.held =
        HeldRows::ofImage(findFirmware(version), readTakesFactoryArea(version) ? findFactoryFirmware(version)
                                                                               : kFirmwareNotSupported);
    return kExitOk;
}

int loadStored(Session& session, const Args& args, const SourceSpec& wanted) {
    const std::string path = args.value("db").value_or("");
    if (path.empty()) return usageError(clitext::dbSourceNeedsDb(wanted.text));
    ParameterDb db(session.log, session.record);
    db.setCurrentPath(path);
    if (wanted.version > 0) {
        DeviceVersion found;
        if (db.readVersion(wanted.job, wanted.ctn, wanted.version, session.record, found) != DbResult::Ok)
            return kExitFailed;
        if (!equalIgnoringCase(found.key.status, wanted.status)) {
            reportFailure(clitext::versionOfOtherStatus(wanted.version, wanted.job, wanted.ctn,
                                                        found.key.status, wanted.status));
            return kExitFailed;
        }
        return kExitOk;
    }
    return db.readDevice(wanted.job, wanted.ctn, wanted.status, ReadMode::Load) == DbResult::Ok ? kExitOk
                                                                                                : kExitFailed;
}

}  // namespace

std::optional<SourceSpec> parseSourceSpec(const std::string& text, std::string& error) {
    SourceSpec wanted;
    wanted.text = text;
    if (text == "defaults") return wanted;
    if (startsWith(text, kDevicePrefix)) {
        wanted.kind = SourceSpec::Kind::Device;
        wanted.path = text.substr(kDevicePrefix.size());
        if (!wanted.path.empty()) return wanted;
    } else if (startsWith(text, kDbPrefix)) {
        wanted.kind = SourceSpec::Kind::Db;
        if (parseDeviceKey(text.substr(kDbPrefix.size()), wanted)) return wanted;
    } else if (!text.empty()) {
        wanted.kind = SourceSpec::Kind::Ppf;
        wanted.path = text;
        return wanted;
    }
    error = clitext::sourceUnknown(text);
    return std::nullopt;
}

int loadSource(Session& session, const Args& args, const SourceSpec& wanted, const ParameterRecord& base,
               Configuration& out) {
    session.record = base;
    out.held = HeldRows::everything();
    int rc = kExitOk;
    switch (wanted.kind) {
        case SourceSpec::Kind::Defaults:
            break;
        case SourceSpec::Kind::Ppf:
            rc = loadPpf(session, wanted, out);
            break;
        case SourceSpec::Kind::Device:
            // The selection the read starts from; the collar's version replaces it.
            if (const auto firmware = args.value("firmware")) rc = selectFirmware(session, *firmware);
            if (rc == kExitOk) rc = loadDevice(session, args, wanted, out);
            break;
        case SourceSpec::Kind::Db:
            rc = loadStored(session, args, wanted);
            break;
    }
    if (rc == kExitOk) out.record = session.record;
    return rc;
}

}  // namespace orv::cli
