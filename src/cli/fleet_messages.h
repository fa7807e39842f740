#pragma once

#include <cstddef>
#include <string>

// orvctl's texts for the open formats (JSON and CSV) and for programming and
// checking a fleet, beside the main catalogue (cli_messages): usage errors
// and failures, each built from one whole text.

namespace orv::clitext {

// JSON configurations.
std::string jsonProblem(const std::string& path, int line, const std::string& key, const std::string& what);
inline constexpr const char* kExportNeedsFile = "'export' needs -o FILE.json";
std::string exportFormatUnknown(const std::string& format);
std::string cannotRead(const std::string& path);

// CSV export of the database.
std::string dbExportFormatUnknown(const std::string& format);
inline constexpr const char* kDbExportNeedsFile = "'db export' needs -o FILE.csv";
std::string delimiterUnusable(const std::string& delimiter);
std::string unknownColumnKey(const std::string& key);

// Programming and checking a fleet.
std::string cellNotTaken(const std::string& column, const std::string& text);
std::string samePttIdCode(const std::string& column, const std::string& text, int line);
std::string nextCollarsPrompt(const std::string& ports);
std::string linesNotProgrammed(std::size_t lines);
std::string resultsProblem(const std::string& path, const std::string& problem);
std::string resultsNotWritten(const std::string& path);
inline constexpr const char* kTemplateNotDevice =
    "--template takes a .ppf file, db:JOB,CTN,STATUS or defaults, not a collar";
std::string linesNotChecked(std::size_t lines);
std::string differenceCount(std::size_t count);
std::string fleetCheckLine(int line, const std::string& port, const std::string& job, const std::string& ctn,
                           const std::string& what);
inline constexpr const char* kFleetNeedsCheck =
    "'fleet' needs 'check': orvctl fleet check --manifest FILE.csv --db PATH";
inline constexpr const char* kFleetNeedsManifest = "'fleet check' needs --manifest FILE.csv";
inline constexpr const char* kFleetNeedsDb =
    "'fleet check' needs --db PATH: the database the collars were saved in";
inline constexpr const char* kNoProgrammedDevice = "no stored \"Programmed\" device";
inline constexpr const char* kCollarNotRead = "the collar could not be read";
inline constexpr const char* kResultsNeedsFile = "--results needs a file name";

}  // namespace orv::clitext
