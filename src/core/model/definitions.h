#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "model/column_type.h"
#include "model/definition_rows.h"
#include "model/page.h"
#include "model/value_kind.h"

namespace orv {

// A radio button that is the other half of a row's pair.
enum class RadioCompanion : int {
    None,
    OfNextRow,            // carries no value of its own; the next row holds the pair's value
    InverseOfPreviousRow  // shows and stores the inverse of the previous row's flag
};

// How a value is held in the collar's memory when that differs from the screen.
enum class StoredForm : int {
    AsShown,
    Radians,               // degrees on screen
    ListPositionPlusOne,   // the collar counts the list from 1
    Seconds,               // minutes on screen
    SeasonCodeSkipping13,  // codes above 12 one higher: the collar has no code 13
};

// Which entries of its list a combo row offers. Every entry stores its
// position in the whole list, whichever are offered.
enum class ComboOffer : int {
    WholeList,
    FromSecondWithArgos,  // while an ARGOS transmitter is used, all but the first ("seconds")
};

// One row of a definition table. All four tables share this row type.
struct ParameterDefinition {
    Page page;
    int accessMask;
    int controlId;  // value control (edit, combo, check/radio); 0 for none
    int spinId;     // up-down control paired with an edit box; 0 for none
    int labelId;    // static label that carries the "* " change marker
    int extraId;    // one further static shown/enabled with the others
    double defaultValue;
    double maxValue;
    double minValue;
    double step;  // 0 counts as 1
    ValueKind kind;
    const char* key;  // database column; "" when not stored
    ColumnType columnType;
    int width;          // byte width, or maximum text length
    const char* label;  // name in messages, reports and the settings file
    RadioCompanion companion;
    StoredForm stored;
    std::span<const char* const> comboList;  // a combo row's entries, by position; empty for other rows
    ComboOffer comboOffer;
};

enum class DefinitionTable : int { General = 0, Season = 1, String = 2, Control = 3 };

inline constexpr int kGeneralCount = 137;
inline constexpr int kSeasonCount = 30;
inline constexpr int kStringCount = 36;
inline constexpr int kControlCount = 49;
inline constexpr int kSeasons = 12;

static_assert(GeneralRow::Count == kGeneralCount && SeasonRow::Count == kSeasonCount &&
                  StringRow::Count == kStringCount && ControlRow::Count == kControlCount,
              "every row of a table has its name");

// Control identifiers are derived from the table and the row, so that a page
// and the converter agree on them without a resource file:
// tableBase + 10 * row + offset.
inline constexpr int kGeneralTableBase = 10000;
inline constexpr int kSeasonTableBase = 20000;
inline constexpr int kStringTableBase = 30000;
inline constexpr int kControlTableBase = 40000;
inline constexpr int kValueControlOffset = 0;
inline constexpr int kSpinControlOffset = 1;
inline constexpr int kLabelControlOffset = 2;
inline constexpr int kExtraControlOffset = 3;

constexpr int controlIdFor(int tableBase, int row) {
    return tableBase + 10 * row;
}

// The built-in rows, as constant data.
extern const ParameterDefinition* const builtinGeneralDefinitions;
extern const ParameterDefinition* const builtinSeasonDefinitions;
extern const ParameterDefinition* const builtinStringDefinitions;
extern const ParameterDefinition* const builtinControlDefinitions;
extern const int builtinGeneralCount;
extern const int builtinSeasonCount;
extern const int builtinStringCount;
extern const int builtinControlCount;

// The working tables: copies of the built-in rows whose defaults and limits the
// settings file may override at start-up. Everything else reads these.
std::span<ParameterDefinition> generalDefinitions();
std::span<ParameterDefinition> seasonDefinitions();
std::span<ParameterDefinition> stringDefinitions();
std::span<ParameterDefinition> controlDefinitions();
std::span<ParameterDefinition> definitionTable(DefinitionTable table);

// Puts the working tables back to the built-in rows (start-up, tests).
void restoreBuiltinDefinitions();

// Row index of the row whose key (or, for keyless rows, label) equals name; -1 if none.
int findRow(DefinitionTable table, std::string_view name);

// The value control of a control row (ControlRow::...).
int controlRowControl(int controlRow);

// Whether the row is stored in the database: it has a column key.
inline bool hasKey(const ParameterDefinition& def) {
    return def.key[0] != '\0';
}

// One row of the working season table.
inline const ParameterDefinition& seasonRow(int row) {
    return seasonDefinitions()[static_cast<std::size_t>(row)];
}

// The name a row is addressed by outside the program: its key, or its label when keyless.
std::string_view rowName(const ParameterDefinition& def);

}  // namespace orv
