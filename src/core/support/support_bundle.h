#pragma once

// The support bundle: one .tar.gz file that a user sends when the collar does
// not do what it should. It holds the version and build, the computer check,
// Orv3.cfg and the profile settings, the last sessions of the serial trace, the
// message log of the last run and the keys of the stored devices. Never the
// password database; every password inside a database URI is masked.

#include <string>

namespace orv {

struct BundleSources {
    std::string version;       // "Orv 3.7.4 (build 93f24f4)"
    std::string doctorReport;  // the computer check as text
    std::string dataFolder;    // Orv3.cfg, the run's message log and the parameter database it names
    std::string profileFile;   // the profile's settings file ("" when there is none)
    std::string traceFile;     // the serial trace file the profile names ("" when none)
};

// The sessions of a serial trace kept in a bundle: the last few.
inline constexpr int kBundledTraceSessions = 3;

// Writes the bundle to path (replacing it). Empty on success, else the reason.
std::string writeSupportBundle(const std::string& path, const BundleSources& sources);

// The text with every database URI in it shown as displayName shows it.
std::string maskDatabasePasswords(const std::string& text);

// The last count sessions of a serial trace's text.
std::string lastTraceSessions(const std::string& trace, int count);

// The stored device keys, one "Job<TAB>CTN<TAB>status" line each, or the
// reason they could not be read.
std::string storedDeviceKeys(const std::string& parameterDb);

}  // namespace orv
