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
bool parseDeviceKey(const std::string& key, SourceSpec& spec) {
    const auto first = key.find(',');
    if (first == std::string::npos) return false;
    const auto second = key.find(',', first + 1);
    if (second == std::string::npos || key.find(',', second + 1) != std::string::npos) return false;
    spec.job = trimTrailingBlanks(key.substr(0, first));
    spec.ctn = trimTrailingBlanks(key.substr(first + 1, second - first - 1));
    std::string status = key.substr(second + 1);
    if (!parseVersionSuffix(status, spec.version)) return false;
    spec.status = bareStatus(status);
    return !spec.job.empty() && !spec.ctn.empty() && !spec.status.empty();
}

int loadPpf(Session& session, const SourceSpec& spec, Configuration& out) {
    RecordFirmwareSelection selection(session.record);
    PpfImages images;
    const ImageResult rc = importPpf(session.record, spec.path, selection, session.log, images);
    if (rc == ImageResult::NotPpfFile) reportFailure(clitext::notPpfFile(spec.path));
    if (rc != ImageResult::Ok) return kExitFailed;
    if (decodePpfImages(session.record, images, session.log) != ImageResult::Ok) return kExitFailed;
    const std::string& version = session.record.text(StringRow::FenmodFwVer);
    out.held = HeldRows::ofImage(findFirmware(version),
                                 images.hasFactory ? findFactoryFirmware(version) : kFirmwareNotSupported);
    return kExitOk;
}

int loadDevice(Session& session, const Args& args, const SourceSpec& spec, Configuration& out) {
    ComSettings settings;
    if (const int rc = lineSettings(args, settings); rc != kExitOk) return rc;
    int traceStatus = kExitOk;
    const auto trace = openTraceOption(args, traceStatus);
    if (traceStatus != kExitOk) return traceStatus;
    clearFactoryValues(session.record);
    CollarSession collar(session, spec.path, settings, trace);
    const ReadJobResult read = readDeviceJob(collar.context(), collar.progress(), session.log, kReadMode);
    if (read.result != DeviceResult::Ok || !read.loaded) return kExitFailed;
    const std::string& version = session.record.text(StringRow::FenmodFwVer);
    out.held =
        HeldRows::ofImage(findFirmware(version), readTakesFactoryArea(version) ? findFactoryFirmware(version)
                                                                               : kFirmwareNotSupported);
    return kExitOk;
}

int loadStored(Session& session, const Args& args, const SourceSpec& spec) {
    const std::string path = args.value("db").value_or("");
    if (path.empty()) return usageError(clitext::dbSourceNeedsDb(spec.text));
    ParameterDb db(session.log, session.record);
    db.setCurrentPath(path);
    if (spec.version > 0) {
        DeviceVersion found;
        if (db.readVersion(spec.job, spec.ctn, spec.version, session.record, found) != DbResult::Ok)
            return kExitFailed;
        if (!equalIgnoringCase(found.key.status, spec.status)) {
            reportFailure(clitext::versionOfOtherStatus(spec.version, spec.job, spec.ctn, found.key.status,
                                                        spec.status));
            return kExitFailed;
        }
        return kExitOk;
    }
    return db.readDevice(spec.job, spec.ctn, spec.status, kReadDevice) == DbResult::Ok ? kExitOk
                                                                                       : kExitFailed;
}

}  // namespace

std::optional<SourceSpec> parseSourceSpec(const std::string& text, std::string& error) {
    SourceSpec spec;
    spec.text = text;
    if (text == "defaults") return spec;
    if (startsWith(text, kDevicePrefix)) {
        spec.kind = SourceSpec::Kind::Device;
        spec.path = text.substr(kDevicePrefix.size());
        if (!spec.path.empty()) return spec;
    } else if (startsWith(text, kDbPrefix)) {
        spec.kind = SourceSpec::Kind::Db;
        if (parseDeviceKey(text.substr(kDbPrefix.size()), spec)) return spec;
    } else if (!text.empty()) {
        spec.kind = SourceSpec::Kind::Ppf;
        spec.path = text;
        return spec;
    }
    error = clitext::sourceUnknown(text);
    return std::nullopt;
}

int loadSource(Session& session, const Args& args, const SourceSpec& spec, const ParameterRecord& base,
               Configuration& out) {
    session.record = base;
    out.held = HeldRows::everything();
    int rc = kExitOk;
    switch (spec.kind) {
        case SourceSpec::Kind::Defaults:
            break;
        case SourceSpec::Kind::Ppf:
            rc = loadPpf(session, spec, out);
            break;
        case SourceSpec::Kind::Device:
            // The selection the read starts from; the collar's version replaces it.
            if (const auto firmware = args.value("firmware")) rc = selectFirmware(session, *firmware);
            if (rc == kExitOk) rc = loadDevice(session, args, spec, out);
            break;
        case SourceSpec::Kind::Db:
            rc = loadStored(session, args, spec);
            break;
    }
    if (rc == kExitOk) out.record = session.record;
    return rc;
}

}  // namespace orv::cli
