#pragma once

// What text typed into a numeric field becomes, without any control or box:
// the one place where an entry is parsed by its kind, clamped to the limits,
// rounded to the step and put through the fix-interval rule, and where the
// notices the user gets about it are worded. The field converter shows the
// notices and stores the value; orvctl and the defaults dialog use it the same way.

#include <string>
#include <vector>

#include "app/message_presenter.h"
#include "model/definitions.h"
#include "model/record.h"

namespace orv {

struct EntryNotice {
    BoxKind kind;  // Information for an unrecognized time or date, Warning for an altered value
    std::string text;
};

struct FieldEntry {
    double entered = 0;                // the text as a number, before clamping and rounding
    double value = 0;                  // what is stored
    std::vector<EntryNotice> notices;  // in the order they are shown
    // The text is no number of the field's kind ("abc", "nan", "1e400", "10abc",
    // empty): nothing is to be stored, the field keeps its value, and the one
    // notice says which text in which field was refused.
    bool refused = false;
};

// The entry for a field of a text kind (not a list or flag). kind is the kind
// that applies now (a season length may be read as a day of the year); the
// record gives the ARGOS state, the startup format and the units of the season
// shown, which the fix-interval rule depends on.
FieldEntry acceptEntry(const ParameterDefinition& definition, int kind, const std::string& text,
                       const ParameterRecord& record);

}  // namespace orv
