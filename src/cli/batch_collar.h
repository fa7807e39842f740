#pragma once

// One collar of a batch on its port: the whole Write Device sequence (firmware
// check, connect or magnet wake-up, erase, write, readback and compare, the
// save as "Programmed" by the user, the archive files) with the port's
// messages and progress on the batch's board.

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "device/serial_trace.h"
#include "model/record.h"
#include "workflow/batch_manifest.h"
#include "workflow/batch_progress.h"

namespace orv::cli {

// What became of a collar: the summary's word and what failed, exactly.
enum class CollarResult { Programmed, NotArchived, NotSaved, Failed, Aborted, NotProgrammed };

const char* collarResultText(CollarResult result);
// The word of the results file: programmed (stored as "Programmed"), failed, not programmed.
const char* resultsFileWord(CollarResult result);

struct CollarOutcome {
    CollarResult result = CollarResult::NotProgrammed;
    std::string message;  // the last error or warning the port showed
    std::optional<int> differences;
    double seconds = 0;
};

struct BatchRun {
    std::string dbPath;
    std::string settingsFile;
    int answer;  // to the ports' questions: --yes / --no, else No
    int wakeSeconds;
    std::shared_ptr<SerialTrace> trace;  // one file for every port; nullptr: no trace
    std::atomic<bool>& abortAll;
};

// The collar of entry, programmed with record, its line index on the board.
CollarOutcome programCollar(const BatchRun& run, const BatchEntry& entry, ParameterRecord record,
                            bool rootIdFlag, std::size_t boardLine, BatchProgressBoard& board);

}  // namespace orv::cli
