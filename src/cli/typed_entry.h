#pragma once

#include <memory>
#include <string>

#include "cli.h"

namespace orv::cli {

// Feeds text to a field as a user types it into the field's control on its
// page: parsed by the field's kind, clamped, rounded, with the field's message.
class TypedEntry {
public:
    explicit TypedEntry(Session& session);
    ~TypedEntry();
    // season: 1..12 for season rows, ignored for general rows. Returns an exit
    // status: a text that no entry of a list or flag matches is a usage error.
    int enter(DefinitionTable table, int row, int season, const std::string& text);

private:
    struct Pages;
    Session& session;
    std::unique_ptr<Pages> pages;
};

}  // namespace orv::cli
