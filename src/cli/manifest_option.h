#pragma once

// What the commands that work through a manifest of collars share (batch,
// fleet check): reading --manifest FILE.csv, and the operator's Enter before
// the collars of the next wave.

#include <atomic>
#include <string>
#include <vector>

#include "workflow/batch_manifest.h"

namespace orv::cli {

// The manifest of path, or the messages naming what is wrong with it: an exit
// status, kExitUsage for a manifest with faults (each line named).
int readManifestFile(const std::string& path, BatchManifest& manifest);

// Asks on the terminal "Connect the next collars (ports ...) and press Enter";
// true once Enter is pressed. false without a terminal on stdin, at its end,
// or once stop is set (Ctrl-C). --yes does not answer it: only the operator
// knows that the collars are on their ports.
bool nextCollarsConnected(const std::vector<const BatchEntry*>& wave, const std::atomic<bool>& stop);

}  // namespace orv::cli
