// Any bytes as a batch manifest: the reader must never crash, and a manifest
// it accepts must hold what a batch relies on: every line's port, job and ctn
// set, one cell per parameter column, no CTN twice, and waves that number each
// port's lines 0, 1, 2, ... in file order. Inputs whose first byte is odd get
// a valid header with parameter columns in front.

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "workflow/batch_manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (size > 0 && (data[0] & 1) != 0)
        text = "port,job,ctn,status,PttIdCode,GpsFixInterval_1[*]\n" + text.substr(1);
    orv::BatchManifest manifest;
    std::vector<std::string> problems;
    if (!orv::parseBatchManifest(text, manifest, problems)) {
        if (problems.empty()) __builtin_trap();
        return 0;
    }
    if (manifest.entries.empty() || !problems.empty()) __builtin_trap();
    std::set<std::string> ctns;
    std::map<std::string, int> portUses;
    int lastLine = 0;
    for (const orv::BatchEntry& entry : manifest.entries) {
        if (entry.port.empty() || entry.job.empty() || entry.ctn.empty() || entry.status.empty())
            __builtin_trap();
        if (entry.cells.size() != manifest.columns.size()) __builtin_trap();
        if (!ctns.insert(entry.ctn).second) __builtin_trap();
        if (entry.wave != portUses[entry.port]++ || entry.wave >= manifest.waves) __builtin_trap();
        if (entry.line <= lastLine) __builtin_trap();
        lastLine = entry.line;
    }
    return 0;
}
