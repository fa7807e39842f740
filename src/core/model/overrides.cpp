#include "model/overrides.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>

#include "app/format_text.h"
#include "app/replace_file.h"
#include "app/settings_text.h"
#include "model/definitions.h"
#include "model/field_text.h"
#include "model/model_messages.h"

namespace orv {
namespace {

constexpr const char* kSection = "Parameters";
constexpr std::string_view kNotFound = "Datum Config Not Found";

// Up to four pieces, split at blanks, commas and tabs, give the default, the
// minimum, the maximum and the step, in that order; members without a piece
// keep their values. An entry that would leave the row unusable is not applied
// at all: a piece that is not a finite number, a minimum
// above the maximum, or a default outside them. The result says why; it is
// empty when the entry was applied.
std::string applyEntry(ParameterDefinition& def, std::string_view text) {
    ParameterDefinition changed = def;
    double* const members[] = {&changed.defaultValue, &changed.minValue, &changed.maxValue, &changed.step};
    std::size_t given = 0;
    std::size_t pos = 0;
    while (given < std::size(members)) {
        pos = text.find_first_not_of(" ,\t", pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" ,\t", pos), text.size());
        const std::string_view piece = text.substr(pos, end - pos);
        const auto number = exactDecimalOfText(piece);
        if (!number) {
            return modeltext::overridePieceNotNumber(std::string(piece));
        }
        *members[given++] = *number;
        pos = end;
    }
    if (changed.minValue > changed.maxValue) {
        return modeltext::overrideMinimumAboveMaximum(changed.minValue, changed.maxValue);
    }
    if (changed.defaultValue < changed.minValue || changed.defaultValue > changed.maxValue) {
        return modeltext::overrideDefaultOutside(changed.defaultValue, changed.minValue, changed.maxValue);
    }
    def = changed;
    return {};
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
        std::error_code ignored;
        existed = std::filesystem::exists(file, ignored);
        readable = readWholeFile(file, original);
        content = original;
    }

    SettingValue read(const char* key, const std::string& defaultValue) const {
        return findSetting(content, kSection, key, defaultValue);
    }

    // The line of an entry in the file as it was read (writes of missing
    // entries may have moved it in the text in memory).
    std::size_t lineInFile(const char* key) const { return findSetting(original, kSection, key, "").line; }

    bool isReadable() const { return readable; }
    const std::string& path() const { return file; }

    void write(const char* key, const std::string& value) {
        if (readable) {
            content = rewriteSetting(content, kSection, key, value);
        }
    }

    // "" or why the completed file could not be written.
    std::string store(MissingSettingsFile missingFile) {
        if (!existed && missingFile == MissingSettingsFile::LeaveMissing) return {};
        // Rewriting an entry with its own text leaves the file as it was.
        if (readable && content != original && replaceFile(file, content) != 1) return std::strerror(errno);
        return {};
    }

private:
    std::string file;
    std::string original;
    std::string content;
    bool readable = false;  // a file that exists but cannot be read is never replaced
    bool existed = false;
};

// Applies an entry, or warns once per entry (rows sharing a label share it) and leaves the row as it was.
void applyOrWarn(ParameterDefinition& def, const SettingValue& entry, const SettingsSession& settings,
                 MessageLog& log, std::set<std::string>& warned) {
    const std::string why = applyEntry(def, entry.text);
    if (why.empty() || !warned.insert(def.label).second) {
        return;
    }
    log.warning("%s", modeltext::overrideIgnored(def.label, kSection, settings.path(),
                                                 settings.lineInFile(def.label), why)
                          .c_str());
}

}  // namespace

std::string loadSettingsOverrides(const std::string& settingsFile, MessageLog& log,
                                  MissingSettingsFile missingFile) {
    SettingsSession settings(settingsFile);
    if (!settings.isReadable()) {
        log.warning("%s", modeltext::overridesUnreadable(settingsFile).c_str());
        return {};
    }
    std::set<std::string> warned;

    for (ParameterDefinition& def : generalDefinitions()) {
        const SettingValue entry = settings.read(def.label, std::string(kNotFound));
        if (entry.text.compare(0, kNotFound.size(), kNotFound) != 0) {
            applyOrWarn(def, entry, settings, log, warned);
        } else {
            settings.write(def.label, formatEntry(def));
        }
    }

    // A season row's own values are its default text, so an entry equal to them
    // is simply written again; rows sharing a label share the entry (row 6 reads
    // what row 5 wrote).
    for (ParameterDefinition& def : seasonDefinitions()) {
        const std::string own = formatEntry(def);
        const SettingValue entry = settings.read(def.label, own);
        if (entry.text.compare(0, own.size(), own) != 0) {
            applyOrWarn(def, entry, settings, log, warned);
        } else {
            settings.write(def.label, own);
        }
    }

    return settings.store(missingFile);
}

}  // namespace orv
