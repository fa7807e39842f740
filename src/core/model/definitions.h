#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "model/definition_rows.h"
#include "model/page.h"
#include "model/value_kind.h"

namespace orv {

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
    int kind;     // ValueKind
    const char* key;    // database column; "" when not stored
    short columnType;   // 2 byte, 3 int16, 4 int32, 7 double, 10 text
    int width;          // byte width, or maximum text length
    const char* label;  // name in messages, reports and the settings file
};

enum class DefinitionTable : int { General = 0, Season = 1, String = 2, Control = 3 };

inline constexpr int kGeneralCount = 137;
inline constexpr int kSeasonCount = 30;
inline constexpr int kStringCount = 36;
inline constexpr int kControlCount = 49;
inline constexpr int kSeasons = 12;

// Column types of the database.
inline constexpr short kColumnByte = 2;
inline constexpr short kColumnInt16 = 3;
inline constexpr short kColumnInt32 = 4;
inline constexpr short kColumnDouble = 7;
inline constexpr short kColumnText = 10;

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

constexpr int controlIdFor(int tableBase, int row) { return tableBase + 10 * row; }

// The built-in rows, as constant data.
extern const ParameterDefinition builtinGeneralDefinitions[];
extern const ParameterDefinition builtinSeasonDefinitions[];
extern const ParameterDefinition builtinStringDefinitions[];
extern const ParameterDefinition builtinControlDefinitions[];
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

// The name a row is addressed by outside the program: its key, or its label when keyless.
std::string_view rowName(const ParameterDefinition& def);

}  // namespace orv
