#include "app/settings_text.h"

#include <algorithm>

#include "app/text_helpers.h"

namespace orv {
namespace {

std::string_view skipBlanks(std::string_view line) {
    return withoutLeading(line, " \t");
}

// The name of a header line: the text between a "[" and the "]" after it.
// A line with an "=" before the "[" is an entry whose value holds brackets
// (a folder such as "/data/[old]/"): it neither ends its section nor names
// one. The reader and the writer go by this same test, so that they always
// agree on where a section ends.
std::optional<std::string_view> headerName(std::string_view line) {
    const auto open = line.find('[');
    if (open == std::string_view::npos || line.substr(0, open).find('=') != std::string_view::npos) {
        return std::nullopt;
    }
    const auto close = line.find(']', open + 1);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return line.substr(open + 1, close - open - 1);
}

// The key of an entry line: from the first non-blank up to the "=", blanks
// before the "=" included.
std::optional<std::string_view> entryKey(std::string_view line) {
    const std::string_view rest = skipBlanks(line);
    const auto equals = rest.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return rest.substr(0, equals);
}

// Calls visit(piece) for every line of the reader's view of the content: lines
// end at CR or LF, runs of line ends are skipped, and a longer line comes in
// pieces of kSettingsPieceLength. The whole content counts, a NUL byte being a
// character like any other, as it is for the writer. visit returns false to stop.
template <typename Visit>
void forEachPiece(std::string_view content, Visit visit) {
    std::size_t pos = 0;
    while (pos < content.size()) {
        while (pos < content.size() && (content[pos] == '\r' || content[pos] == '\n')) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < content.size() && end - pos < kSettingsPieceLength && content[end] != '\r' &&
               content[end] != '\n') {
            ++end;
        }
        if (end > pos && !visit(content.substr(pos, end - pos))) {
            return;
        }
        pos = end;
    }
}

// A line of the writer's copy: nothing but blanks, tabs and the line end.
bool isEmptyLine(std::string_view line) {
    return withoutLeading(line, " \t\r\n").empty();
}

std::string entryLine(std::string_view key, const std::string& value) {
    std::string line;
    line.reserve(key.size() + value.size() + 2);
    line.append(key).append("=").append(value).append("\n");
    return line;
}

}  // namespace

SettingValue findSetting(std::string_view content, std::string_view section, std::string_view key,
                         const std::string& defaultValue) {
    SettingValue result{defaultValue, false};
    bool inSection = false;
    forEachPiece(content, [&](std::string_view line) {
        const auto header = headerName(line);
        if (!inSection) {
            inSection = header && *header == section;
            return true;
        }
        if (header) {
            return false;  // the next section: the key is not in ours
        }
        const auto lineKey = entryKey(line);
        if (lineKey && *lineKey == key) {
            const std::string_view rest = skipBlanks(line);
            result.text.assign(rest.substr(rest.find('=') + 1));
            result.found = true;
            const auto offset = static_cast<std::size_t>(line.data() - content.data());
            result.line = 1 + static_cast<std::size_t>(std::count(
                                  content.begin(), content.begin() + static_cast<long>(offset), '\n'));
            return false;
        }
        return true;
    });
    return result;
}

std::string rewriteSetting(std::string_view content, std::string_view section, std::string_view key,
                           const std::optional<std::string>& value) {
    enum class State { Before, Inside, After };
    State state = State::Before;
    bool keyWritten = false;
    std::string out;
    out.reserve(content.size() + key.size() + (value ? value->size() : 0) + section.size() + 8);

    std::size_t pos = 0;
    while (pos < content.size()) {
        // Every line whole, however long; a last line without its line end gets one,
        // so that an entry appended after it does not join it.
        const auto newline = content.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? content.size() : newline + 1;
        const std::string_view line = content.substr(pos, end - pos);
        pos = end;
        if (isEmptyLine(line)) {
            continue;
        }
        const bool isHeader = headerName(line).has_value();
        if (state == State::Inside) {
            if (isHeader) {
                if (value) {
                    out += entryLine(key, *value);
                }
                keyWritten = true;
                state = State::After;
                out += '\n';
            } else if (const auto lineKey = entryKey(line); lineKey && *lineKey == key) {
                if (value) {
                    out += entryLine(key, *value);
                }
                keyWritten = true;
                state = State::After;
                continue;
            }
        } else if (isHeader) {
            out += '\n';
            if (state == State::Before && *headerName(line) == section) {
                state = State::Inside;
            }
        }
        out.append(line);
        if (line.back() != '\n') {
            out += '\n';
        }
    }

    // Removing a key that is not there adds nothing (no empty section, no entry).
    if (value && !keyWritten) {
        if (state == State::Before) {
            out.append("\n[").append(section).append("]\n");
        }
        out += entryLine(key, *value);
    }
    return out;
}

}  // namespace orv
