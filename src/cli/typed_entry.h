#pragma once

#include <memory>
#include <string>

#include "cli.h"
#include "model/parameter_key.h"

namespace orv::cli {

// The user acting on a parameter's control on the pages, as in the window:
// the text typed into an edit and the edit left, a list entry chosen, a box
// ticked or cleared; then that control's handler on its page with the rules of
// every page it redisplays (the page handler registry of the window).
class TypedEntry {
public:
    explicit TypedEntry(Session& session);
    ~TypedEntry();
    // season: 1..12 for season rows, ignored for the others. Returns an exit
    // status: a text that no entry of a list or flag matches is a usage error,
    // a value the page refuses (after its message) a failure.
    int enter(DefinitionTable table, int row, int season, const std::string& text);

private:
    struct Pages;
    std::unique_ptr<Pages> pages;
};

// TEXT typed into the parameter's control (in every season for KEY[*]) for the
// session's user: a control the user's level hides or disables is refused
// (how names who asked, "--set"). An exit status, as enter().
int typeParameter(Session& session, TypedEntry& entry, const ParameterKey& key, const std::string& text,
                  const std::string& how);

}  // namespace orv::cli
