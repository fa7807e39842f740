#pragma once

// Write Device, one sequence for every front end (the window, orvctl device
// write, orvctl batch): on the worker, the collar is woken and its
// configuration read before anything is erased, the changes from it to what
// will be written are offered to the view (Write or Cancel), then the collar
// is programmed and read back; after it, on the front end's own thread, the
// before-copy of what the collar held, the save as "Programmed", the archive
// files and the restart warning. The confirmations before it all are
// prepareWrite (write_confirmations).

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "app/energy_settings.h"
#include "compare/change_impact.h"
#include "compare/configuration_diff.h"
#include "device/device_operations.h"

namespace orv {

class MessageLog;
class ParameterDb;

// What will change on the collar, and what that does to the deployment.
struct ChangeSummary {
    // false: what the collar holds is no configuration of the selected
    // firmware (a blank or foreign flash); all of it will be replaced.
    bool collarDecoded = false;
    std::vector<Difference> differences;
    ChangeImpact impact;
};

// The front end's side of the sequence.
class WriteView {
public:
    virtual ~WriteView() = default;
    // On the worker, when the summary is asked for: true writes, false cancels.
    // A view that shows nothing writes.
    virtual bool confirmChanges(const ChangeSummary&) { return true; }
    // After the save as "Programmed": the window shows the record and its lists again.
    virtual void programmedSaved() {}
    // After the archive files: the window offers the programming report.
    virtual void offerReport() {}
};

struct WriteOptions {
    bool showChanges = true;  // the summary before the erase ("Show changes before writing")
    EnergySettings energy;    // for the impact lines
    std::time_t now = 0;      // the impact runs from this day
};

struct WriteOutcome {
    DeviceResult result = DeviceResult::Ok;
    bool cancelled = false;             // Cancel at the summary: the collar untouched
    std::vector<std::uint8_t> before;   // what the collar held; empty when it was not read
    std::vector<std::uint8_t> written;  // the image programmed
    // Values changed from what the collar held to what was written; empty
    // when the collar was not read or held no configuration to compare.
    std::optional<std::size_t> differenceCount;
};

// The summary from the collar's image to the record: the values the image
// holds (the texts of the record are not on a collar), with the impact.
ChangeSummary summarizeChanges(const ParameterRecord& record, const std::vector<std::uint8_t>& before,
                               const WriteOptions& options, bool withImpact);

// The line above the list: the changes, none, or a collar that held no configuration.
const char* summaryHeading(const ChangeSummary& summary);

// The worker's part: pre-read, summary, program, read back.
WriteOutcome runWrite(DeviceContext& context, ProgressSink& progress, WriteView& view,
                      const WriteOptions& options);

struct WriteCompletion {
    bool saveAfterProgramming = false;
    ParameterDb* db = nullptr;  // where the save goes
    std::string job;
    std::string ctn;
    bool archive = true;  // the .spr and .bin files ([Files] "Archive Path")
    std::string settingsFile;
    std::time_t when = 0;
    bool restartWarning = true;  // a batch says it once for all its collars
};

// How far the completion got: everything, or the first part that failed
// (after its message); a collar not programmed is saved and archived never.
enum class WriteEnd { Completed, NotProgrammed, NotSaved, NotArchived };

// The front end's part after the worker: the before-copy with the archive
// files (whenever the collar was read in full and not left untouched), then
// after a successful write the save, the archive files, the report offer and
// the restart warning.
WriteEnd completeWrite(ParameterRecord& record, const WriteOutcome& outcome,
                       const WriteCompletion& completion, WriteView& view, MessageLog& log);

}  // namespace orv
