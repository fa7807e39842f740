#pragma once

#include <string>

#include "model/definitions.h"
#include "model/page.h"

namespace orv {

class FieldConverter;
class FieldControls;
class MessageLog;
class PageHandlerRegistry;
class PageHost;
class PageSet;
struct ParameterRecord;

// Everything a page rule or control handler works with.
struct PageContext {
    ParameterRecord& record;
    FieldConverter& converter;
    PageSet& pages;
    MessageLog& log;
    PageHost& host;
    const PageHandlerRegistry& registry;
};

// Enabling and showing by a page rule never goes beyond what the user's access
// mask allows: a row's four controls are enabled only when the rule and the
// mask both allow it, and shown only when both do.
void enableRow(const PageContext& context, Page page, DefinitionTable table, int row, bool enable);
void showRow(const PageContext& context, Page page, DefinitionTable table, int row, bool show);
void enableGeneralRow(const PageContext& context, Page page, int row, bool enable);
void showGeneralRow(const PageContext& context, Page page, int row, bool show);
// A control-table row (buttons, frames) by the same rule.
void enableControlRow(const PageContext& context, Page page, int controlRow, bool enable);
// A control of the page that no definition row names (status texts, group titles).
void setPageText(const PageContext& context, Page page, int controlId, const std::string& text);

// Stores a new value into a general row as the page's handlers do (the change
// is marked when the value differs) and shows it on the row's own page.
void storeGeneral(const PageContext& context, int row, double value);
// Stores a radio pair: the clicked row takes value, its companion the opposite.
void storeRadioPair(const PageContext& context, int row, int companion, double value);

// A keyless radio button that only shows a stored selection: its slot and its
// control follow the selection without counting as a change.
void showCompanion(const PageContext& context, int row, bool ticked);
// Whether a row's control is ticked (false when the page or control is missing).
bool checkOf(const PageContext& context, DefinitionTable table, int row);
// The text of a row's control.
std::string textOf(const PageContext& context, DefinitionTable table, int row);

// The value control id of a row.
int valueControl(DefinitionTable table, int row);

// The value control of a general row.
inline int generalControl(int row) {
    return valueControl(DefinitionTable::General, row);
}

}  // namespace orv
