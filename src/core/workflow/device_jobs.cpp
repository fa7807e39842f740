#include "workflow/device_jobs.h"

#include "app/message_log.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/definitions.h"
#include "model/record.h"
#include "workflow/check_differences.h"
#include "workflow/main_rules.h"
#include "workflow/workflow_messages.h"

namespace orv {

namespace {

DecodeRequest requestFor(ReadMode mode, const TargetLink& link) {
    DecodeRequest request;
    request.mode = mode;
    request.versionTextsReady = true;  // the operation formatted them from the collar's answer
    request.versionBytes = link.versionBytes;
    return request;
}

}  // namespace

bool readTakesFactoryArea(const std::string& version) {
    return familyHasFactoryImage(version) && findFactoryFirmware(version) != kFirmwareNotSupported;
}

ReadJobResult readDeviceJob(DeviceContext& context, ProgressSink& progress, MessageLog& log, ReadMode mode) {
    ReadJobResult outcome;
    TargetLink& link = context.link;
    outcome.result = readConfiguration(context, progress);
    if (outcome.result != DeviceResult::Ok)
        return outcome;  // shown by the operation; an abort decodes nothing
    // A read takes the factory area too; a check compares the configuration
    // only (the factory area is the Fact. Parms page's own business). Versions
    // of the N4 and DS families without a factory layout ("N4 050922",
    // "DS 050505") still read their configuration.
    const bool factory =
        mode == ReadMode::Load && readTakesFactoryArea(context.record.text(StringRow::FenmodFwVer));
    if (factory) {
        outcome.result = readFactoryParameters(context, progress);
        if (outcome.result != DeviceResult::Ok) return outcome;
    }
    const DecodeRequest request = requestFor(mode, link);
    if (mode == ReadMode::Load) {
        // The Fact. Parms values are replaced only by a read that decoded:
        // a collar that never answered, or an image that does not decode,
        // leaves the configuration on screen as it was.
        ParameterRecord read = context.record;
        clearFactoryValues(read);
        if (decodeImage(read, link.memoryImage, request, log) != ImageResult::Ok) return outcome;
        if (factory && decodeFactoryImage(read, link.factoryImage, request, log) != ImageResult::Ok)
            return outcome;
        takeUpDeviceRead(read, false);
        context.record = read;
        outcome.loaded = true;
        return outcome;
    }
    outcome.differences = collarDifferences(context.record, link.memoryImage, request);
    log.attachBoxDetails(differenceLines(outcome.differences));
    const ImageResult checked = decodeImage(context.record, link.memoryImage, request, log);
    log.dropBoxDetails();
    outcome.matched = checked == ImageResult::Ok;
    return outcome;
}

DeviceResult readFactoryJob(DeviceContext& context, ProgressSink& progress, MessageLog& log) {
    if (const DeviceResult result = readFactoryParameters(context, progress); result != DeviceResult::Ok)
        return result;
    const DecodeRequest request{ReadMode::Load, 1, context.link.versionBytes};
    return deviceResultOf(decodeFactoryImage(context.record, context.link.factoryImage, request, log));
}

ReadJobResult importJob(DeviceContext& context, const std::string& path, MessageLog& log) {
    ReadJobResult outcome;
    PpfImages images;
    outcome.result = deviceResultOf(importPpf(context.record, path, context.selection, log, images));
    if (outcome.result != DeviceResult::Ok) return outcome;
    if (decodePpfImages(context.record, images, log) != ImageResult::Ok) return outcome;
    takeUpDeviceRead(context.record, true);
    outcome.loaded = true;
    return outcome;
}

bool takeUpFirmwareQuery(const ParameterRecord& record, FirmwareSelection& selection, MessageLog& log) {
    const std::string& version = record.text(StringRow::FenmodFwVer);
    const int row = findFirmware(version);
    if (row == kFirmwareNotSupported) {
        log.error(wftext::kFirmwareNotSupported, version.c_str());
        return false;
    }
    selection.selectRow(row);
    log.information(wftext::kFirmwareSet, firmwareTable()[static_cast<std::size_t>(row)].version);
    return true;
}

void clearFactoryValues(ParameterRecord& record) {
    const auto strings = stringDefinitions();
    for (int row = 0; row < kStringCount; ++row) {
        if (strings[static_cast<std::size_t>(row)].page == Page::FactParms) record.text(row).clear();
    }
    const auto general = generalDefinitions();
    for (int row = 0; row < kGeneralCount; ++row) {
        if (general[static_cast<std::size_t>(row)].page == Page::FactParms) record.general(row) = 0;
    }
}

void showCaptionedInformation(MessageLog& log, const char* caption, const char* text) {
    log.logLine(text);
    if (log.showNotices == 1 && log.presenter != nullptr)
        log.presenter->present(BoxKind::Information, caption, text);
}

}  // namespace orv
