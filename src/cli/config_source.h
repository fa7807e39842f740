#pragma once

// A configuration named by one word on the command line, for the commands
// that take more than one (diff) or name a collar where a file would go
// (image --from):
//   FILE.ppf            a .ppf file, imported as --ppf does
//   device:PORT         the collar on PORT, read as 'device read' does
//   db:JOB,CTN,STATUS   a stored device in the database of --db
//   db:JOB,CTN,STATUS@N version N of that Job and CTN from the device history
//   defaults            the built-in defaults (with the overrides of ./Orv3.cfg)

#include <optional>
#include <string>

#include "cli.h"
#include "compare/configuration_diff.h"

namespace orv::cli {

struct SourceSpec {
    enum class Kind { Ppf, Device, Db, Defaults };
    Kind kind = Kind::Defaults;
    std::string text;  // as given, for messages
    std::string path;  // the .ppf file or the port
    std::string job;
    std::string ctn;
    std::string status;
    int version = 0;  // db: version N of the history; 0 the device as stored
};

// The source a word names; nothing (with the reason in error) when it names none.
std::optional<SourceSpec> parseSourceSpec(const std::string& text, std::string& error);

// Loads the source into the session's record (starting from base, the record
// after the login) and says what it holds. A device is read with the line
// options of args (--timeout, --baud, ... --trace) and --firmware as the
// selection it starts from. An exit status: kExitFailed after the message of
// what could not be read.
int loadSource(Session& session, const Args& args, const SourceSpec& wanted, const ParameterRecord& base,
               Configuration& out);

}  // namespace orv::cli
