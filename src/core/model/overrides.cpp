#include "model/overrides.h"

#include <algorithm>
#include <string_view>

#include "app/format_text.h"
#include "app/replace_file.h"
#include "app/settings_text.h"
#include "model/definitions.h"
#include "model/field_text.h"

namespace orv {
namespace {

constexpr const char* kSection = "Parameters";
constexpr std::string_view kNotFound = "Datum Config Not Found";

// Up to four pieces, split at blanks, commas and tabs, give the default, the
// minimum, the maximum and the step, in that order; members without a piece
// keep their values.
void applyEntry(ParameterDefinition& def, std::string_view text) {
    double* const members[] = {&def.defaultValue, &def.minValue, &def.maxValue, &def.step};
    std::size_t given = 0;
    std::size_t pos = 0;
    while (given < std::size(members)) {
        pos = text.find_first_not_of(" ,\t", pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" ,\t", pos), text.size());
        // A piece that is not a (finite) number converts to 0.
        *members[given++] = decimalOfText(text.substr(pos, end - pos));
        pos = end;
    }
}

std::string formatEntry(const ParameterDefinition& def) {
    return formatText("%lf,%lf,%lf,%lf", def.defaultValue, def.minValue, def.maxValue, def.step);
}

// The settings file, loaded once: every lookup and every write of the entries
// acts on the text in memory, exactly as the reader and writer would act on the
// file, and the file is stored once at the end when anything changed.
class SettingsSession {
public:
    explicit SettingsSession(const std::string& path) : file(path) {
        readable = readWholeFile(file, original);
        content = original;
    }

    std::string read(const char* key, const std::string& defaultValue) const {
        return findSetting(content, kSection, key, defaultValue).text;
    }

    void write(const char* key, const std::string& value) {
        if (readable) {
            content = rewriteSetting(content, kSection, key, value);
        }
    }

    void store() {
        // Rewriting an entry with its own text leaves the file as it was.
        if (readable && content != original) {
            replaceFile(file, content);
        }
    }

private:
    std::string file;
    std::string original;
    std::string content;
    bool readable = false;  // a file that exists but cannot be read is never replaced
};

}  // namespace

void loadSettingsOverrides(const std::string& settingsFile) {
    SettingsSession settings(settingsFile);

    for (ParameterDefinition& def : generalDefinitions()) {
        const std::string text = settings.read(def.label, std::string(kNotFound));
        if (text.compare(0, kNotFound.size(), kNotFound) != 0) {
            applyEntry(def, text);
        } else {
            settings.write(def.label, formatEntry(def));
        }
    }

    // A season row's own values are its default text, so an entry equal to them
    // is simply written again; rows sharing a label share the entry (row 6 reads
    // what row 5 wrote).
    for (ParameterDefinition& def : seasonDefinitions()) {
        const std::string own = formatEntry(def);
        const std::string text = settings.read(def.label, own);
        if (text.compare(0, own.size(), own) != 0) {
            applyEntry(def, text);
        } else {
            settings.write(def.label, own);
        }
    }

    settings.store();
}

}  // namespace orv
