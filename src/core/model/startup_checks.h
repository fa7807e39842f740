#pragma once

namespace orv {

class MessageLog;

struct DefinitionCounts {
    int general, season, string, control;
};

// The lengths of the working tables.
DefinitionCounts currentDefinitionCounts();

// 0 when the counts are 137, 30, 36 and 49; otherwise shows the error and returns -1
// (the exit code the program ends with).
int checkDefinitionCounts(MessageLog& log, const DefinitionCounts& counts = currentDefinitionCounts());

}  // namespace orv
