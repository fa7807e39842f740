#pragma once

#include <string>

#include "binding/edit_outcome.h"
#include "binding/field_converter.h"
#include "binding/memory_page_set.h"
#include "model/definitions.h"

namespace orv {

// Puts text into a row's control as a user would and lets the converter take
// it (fieldEdited): an edit gets the text; a combo selects the entry whose text
// matches (case-insensitive; "S1" also picks "S1    401.6300"; a number picks
// the entry at that 0-based position); a check box
// takes TRUE, FALSE, 1 or 0. A season row is entered into the given season
// (1..12), which is first made current and shown, as the Schedule tab does.
// String rows take the text as it is. The page is created when missing.
EditOutcome enterFieldText(FieldConverter& converter, MemoryPageSet& pages, DefinitionTable table, int row,
                           int season, const std::string& text);

// The first half of enterFieldText: the control takes the text (an edit its
// text, a combo the entry, a check box its state) and nothing is read yet. The
// row becomes the one whose control now carries the value (the "Num Days
// Check" radio button hands it to its companion).
EditOutcome typeIntoControl(FieldConverter& converter, MemoryPageSet& pages, DefinitionTable table, int& row,
                            int season, const std::string& text);

}  // namespace orv
