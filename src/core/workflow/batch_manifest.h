#pragma once

// The manifest of a batch: CSV (a comma, or a semicolon as some spreadsheets
// write it; UTF-8 with or without a byte-order mark) with a header naming its
// columns: port, job, ctn, optionally status ("Working" by default), and any
// parameter keys (KEY, KEY[S], KEY[*]) whose cells the collar of that line
// gets as if typed into the field; an empty cell leaves the value. Then one
// collar a line. A port named again waits for the next wave: lines form wave
// n + 1 when n earlier lines name their port.

#include <string>
#include <vector>

#include "model/parameter_key.h"

namespace orv {

struct ManifestColumn {
    std::string name;  // as the header has it
    ParameterKey key;
};

struct BatchEntry {
    int line = 0;  // in the file, from 1
    std::string port;
    std::string job;
    std::string ctn;
    std::string status;
    std::vector<std::string> cells;  // one per parameter column
    int wave = 0;                    // from 0
};

struct BatchManifest {
    std::vector<ManifestColumn> columns;
    std::vector<BatchEntry> entries;
    int waves = 0;
};

// The manifest of the text; false with every fault found, each naming its line
// ("line 4: ..."): no header or a header without port, job or ctn, a column
// that is no parameter, a line with more fields than the header, an empty
// port, job or ctn, the same CTN (or Job and CTN) on two lines, the same text
// in a PttIdCode column on two lines, no collar at all.
bool parseBatchManifest(const std::string& text, BatchManifest& manifest, std::vector<std::string>& problems);

// The lines of a wave, in file order.
std::vector<const BatchEntry*> waveEntries(const BatchManifest& manifest, int wave);

}  // namespace orv
