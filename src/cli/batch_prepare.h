#pragma once

// The whole manifest checked before any collar is touched, and each line's
// configuration made ready: the template (or the line's stored device), then
// the line's parameter cells typed as --set types them, for the logged-in
// user, then the line's Job and CTN; the port must be a serial device and the
// configuration must pass the Write Device confirmations.

#include <set>
#include <string>
#include <vector>

#include "cli.h"
#include "workflow/batch_manifest.h"

namespace orv::cli {

struct PreparedCollar {
    const BatchEntry* entry;
    ParameterRecord record;
    bool rootIdFlag = false;
};

struct BatchSource {
    std::string manifestPath;
    std::string dbPath;
    const ParameterRecord* templateRecord = nullptr;  // nullptr: each line's stored device
    std::set<int> done;                               // lines an earlier run programmed: left out
};

// kExitOk with one prepared collar per manifest line; otherwise every problem
// was reported with its line: kExitUsage for the manifest's own faults (a
// column the user may not set, a text a page refuses, two lines with one PTT
// ID code), kExitFailed when only a port that is no serial device, a device
// not stored or the confirmations stood in the way.
int prepareCollars(const Session& session, const Args& args, const BatchManifest& manifest,
                   const BatchSource& source, std::vector<PreparedCollar>& prepared);

}  // namespace orv::cli
