#pragma once

// What orvctl says about itself: a line a command for `orvctl --help`, and a
// command's synopsis, options and examples for `orvctl help COMMAND`.

#include <string>
#include <vector>

namespace orv::cli {

struct CommandHelp {
    const char* name;
    const char* summary;   // one line
    const char* synopsis;  // the usage lines
    const char* options;   // one option a line, aligned
    const char* examples;  // one or two command lines
};

// The help of a command; nullptr for a name without one.
const CommandHelp* commandHelp(const std::string& name);

// The name among candidates closest to word, when it is close enough to be the
// one meant (a typing slip); "" otherwise.
std::string nearestName(const std::string& word, const std::vector<std::string>& candidates);

}  // namespace orv::cli
