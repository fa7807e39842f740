#include "workflow/write_sequence.h"

#include <chrono>

#include "app/message_log.h"
#include "app/startup.h"
#include "image/firmware_table.h"
#include "image/image_codec.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "workflow/archive_files.h"
#include "workflow/check_differences.h"
#include "workflow/workflow_messages.h"
#include "workflow/write_completion.h"

namespace orv {

namespace {

constexpr std::chrono::seconds kAwakeAfterQuestion{2};

}  // namespace

ChangeSummary summarizeChanges(const ParameterRecord& record, const std::vector<std::uint8_t>& before,
                               const WriteOptions& options, bool withImpact) {
    ChangeSummary summary;
    // The summary is a look at the collar, not an operation: what its image
    // or the simulation would complain about is not shown while the worker
    // writes (a collar that does not decode is said so by the summary itself).
    MessageLog quiet;
    const std::optional<Configuration> collar =
        collarConfiguration(record, before, DecodeRequest{ReadMode::Load, 1, {}});
    if (!collar) return summary;
    summary.collarDecoded = true;
    summary.differences = compareConfigurations(*collar, Configuration{record, HeldRows::everything()});
    if (withImpact) summary.impact = changeImpact(collar->record, record, options.now, options.energy, quiet);
    return summary;
}

const char* summaryHeading(const ChangeSummary& summary) {
    if (!summary.collarDecoded) return wftext::kCollarNotDecoded;
    return summary.differences.empty() ? wftext::kNoChanges : wftext::kChangesHeading;
}

WriteOutcome runWrite(DeviceContext& context, ProgressSink& progress, WriteView& view,
                      const WriteOptions& options) {
    WriteOutcome outcome;
    const BeforeEraseCheck check = [&](const std::vector<std::uint8_t>& before) {
        const ChangeSummary summary = summarizeChanges(context.record, before, options, options.showChanges);
        if (summary.collarDecoded) outcome.differenceCount = summary.differences.size();
        if (!options.showChanges) return BeforeErase::Write;
        const auto asked = std::chrono::steady_clock::now();
        if (!view.confirmChanges(summary)) {
            outcome.cancelled = true;
            return BeforeErase::Cancel;
        }
        // An answer within the pause the collar keeps awake between commands
        // goes on at once; after a longer look it is woken again first.
        return std::chrono::steady_clock::now() - asked < kAwakeAfterQuestion ? BeforeErase::Write
                                                                              : BeforeErase::WriteAfterWait;
    };
    outcome.result = programConfigurationAfterReading(context, progress, outcome.before, check);
    outcome.written = context.link.memoryImage;
    return outcome;
}

WriteEnd completeWrite(ParameterRecord& record, const WriteOutcome& outcome,
                       const WriteCompletion& completion, WriteView& view, MessageLog& log) {
    const bool programmed = outcome.result == DeviceResult::Ok;
    // The copy goes with the archive files; a collar read in full and then
    // left as it was needs none, one whose write failed half-way most of all.
    const bool copyBefore = completion.archive && !outcome.cancelled && !outcome.before.empty();
    bool saved = true;
    bool archived = true;
    if (programmed && completion.saveAfterProgramming && completion.db) {
        saved = saveProgrammed(record, *completion.db, completion.job, completion.ctn, completion.when) == 0;
        view.programmedSaved();
    }
    const bool archiveFiles = programmed && completion.archive;
    if (copyBefore || archiveFiles) {
        const std::string archivePath = readArchivePath(completion.settingsFile);
        const auto target = archivePath.empty()
                                ? std::nullopt
                                : planArchive(archivePath, record.text(StringRow::CtnNumber), log);
        if (!archivePath.empty() && !target) archived = false;
        if (target && copyBefore && writeBeforeCopy(*target, outcome.before, completion.when, log) != 0)
            archived = false;
        if (target && archiveFiles) {
            std::string spr;
            buildSprText(record, kDeviceProgrammingTitle, spr);
            if (writeArchiveFiles(*target, spr, outcome.written, log) != 0) archived = false;
        }
    }
    if (!programmed) return WriteEnd::NotProgrammed;
    view.offerReport();
    if (completion.restartWarning) log.warning("%s", wftext::kRestartWarning);
    if (!saved) return WriteEnd::NotSaved;
    return archived ? WriteEnd::Completed : WriteEnd::NotArchived;
}

}  // namespace orv
