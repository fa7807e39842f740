// Wrapping the notes into report lines. Three positions are kept: where the
// current line starts in the note, the character looked at, and the last white
// space seen. A line breaks after its 61st character, at the last blank when
// there is one on the line (the words after it are taken again), else hard.

#include <cstddef>

#include "reports/spr_text.h"

namespace orv {

namespace {

constexpr const char* kFirstLead = "              Notes:  '";
constexpr std::size_t kLeadWidth = 23;
constexpr std::size_t kLastColumn = 60;  // positions 0..60 after the line start: 61 characters

bool isNoteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::vector<std::string> sprNoteLines(const std::string& notes) {
    std::vector<std::string> lines;
    std::string lead = kFirstLead;
    std::string line;
    const auto finishLine = [&] {
        lines.push_back(lead + line);
        lead.assign(kLeadWidth, ' ');
        line.clear();
    };

    std::size_t lineStart = 0;
    std::size_t lastSpace = 0;
    std::size_t i = 0;
    while (i < notes.size()) {
        const char c = notes[i];
        if (isNoteSpace(c)) lastSpace = i;
        if (c == '\r') {
            ++i;
        } else if (c == '\n') {
            lineStart = lastSpace = i + 1;
            finishLine();
            ++i;
        } else if (i - lineStart <= kLastColumn) {
            line.push_back(c);
            ++i;
        } else {
            if (lastSpace > lineStart) {
                // Cut before the blank; the characters after it start the next line.
                // (The line holds the note from its start on, without carriage returns.)
                line.clear();
                for (std::size_t k = lineStart; k < lastSpace; ++k)
                    if (notes[k] != '\r') line.push_back(notes[k]);
                lineStart = i = lastSpace + 1;
            } else {
                lineStart = i;  // no blank on the line: the current character starts the next
            }
            finishLine();
        }
    }
    line.push_back('\'');
    finishLine();
    return lines;
}

}  // namespace orv
