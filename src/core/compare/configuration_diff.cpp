#include "compare/configuration_diff.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "binding/tabs.h"
#include "image/firmware_table.h"
#include "image/image_codec.h"
#include "model/format_value.h"

namespace orv {

namespace {

// Texts that say who handled the configuration and when, not what it is.
bool isHandlingText(int row) {
    return row == StringRow::CoordSignoff || row == StringRow::CoordSignoffDate ||
           row == StringRow::ProgrammedBy || row == StringRow::ProgByDate || row == StringRow::UserName ||
           row == StringRow::UserAccessLevel;
}

// A row that is a value of its own: the first radio button of a pair carries
// none (the next row holds the pair's value), and the inverse half of a pair
// repeats its partner.
bool isOwnValue(const ParameterDefinition& def) {
    return def.companion == RadioCompanion::None;
}

// A collar reports its build after the version ("N4 040816 03"); the version
// text names the same firmware when it finds the same supported row.
bool sameFirmware(const std::string& a, const std::string& b) {
    const int row = findFirmware(a);
    return row != kFirmwareNotSupported && row == findFirmware(b);
}

// Main window first, then the tabs in their order, then the dialogs.
int pageOrder(Page page) {
    if (page == Page::Main) return 0;
    for (std::size_t i = 0; i < kTabTable.size(); ++i) {
        for (const Page held : kTabTable[i].pageList())
            if (held == page) return static_cast<int>(i) + 1;
    }
    return static_cast<int>(kTabTable.size()) + 1 + static_cast<int>(page);
}

Difference describe(DefinitionTable table, int row, int season, const ParameterDefinition& def) {
    Difference d;
    d.table = table;
    d.row = row;
    d.season = season;
    d.key = def.key;
    d.label = def.label;
    d.page = def.page;
    d.pageName = pageName(def.page);
    return d;
}

void compareValue(std::vector<Difference>& out, DefinitionTable table, int row, int season,
                  const ParameterDefinition& def, double oldValue, double newValue) {
    if (std::fabs(oldValue - newValue) <= kCheckTolerance) return;
    // NaN is never close to anything, but two of them are the same value.
    if (std::isnan(oldValue) && std::isnan(newValue)) return;
    Difference d = describe(table, row, season, def);
    d.oldValue = oldValue;
    d.newValue = newValue;
    d.oldText = fieldText(oldValue, def);
    d.newText = fieldText(newValue, def);
    out.push_back(std::move(d));
}

// Texts keep their quotes and escapes on one line.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::string pageName(Page page) {
    switch (page) {
        case Page::Main:
            return "Main";
        case Page::AdvancedDialog:
            return "Advanced Parameters";
        case Page::ElevationAngleDialog:
            return "Elevation Angle Mask";
        case Page::ComPortDialog:
            return "COM Port Parameters";
        default:
            break;
    }
    for (const TabFacts& facts : kTabTable) {
        for (const Page held : facts.pageList())
            if (held == page) return facts.title;
    }
    return "Main";
}

std::vector<Difference> compareConfigurations(const Configuration& oldSide, const Configuration& newSide) {
    std::vector<Difference> out;
    const ParameterRecord& a = oldSide.record;
    const ParameterRecord& b = newSide.record;
    const auto general = generalDefinitions();
    for (int row = 0; row < kGeneralCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        if (!oldSide.held.general.test(index) || !newSide.held.general.test(index)) continue;
        if (!isOwnValue(general[index])) continue;
        compareValue(out, DefinitionTable::General, row, 0, general[index], a.general(row), b.general(row));
    }
    const auto seasons = seasonDefinitions();
    for (int season = 1; season <= kSeasons; ++season) {
        for (int row = 0; row < kSeasonCount; ++row) {
            const auto index = static_cast<std::size_t>(row);
            if (!oldSide.held.season.test(index) || !newSide.held.season.test(index)) continue;
            // The season selector is which season the Schedule tab shows, not a setting.
            if (!isOwnValue(seasons[index]) || row == SeasonRow::Season) continue;
            compareValue(out, DefinitionTable::Season, row, season, seasons[index], a.season(season, row),
                         b.season(season, row));
        }
    }
    const auto strings = stringDefinitions();
    for (int row = 0; row < kStringCount; ++row) {
        if (isHandlingText(row)) continue;
        const bool held = row == StringRow::FenmodFwVer
                              ? oldSide.held.firmwareVersion && newSide.held.firmwareVersion
                              : oldSide.held.texts && newSide.held.texts;
        if (!held || a.text(row) == b.text(row)) continue;
        if (row == StringRow::FenmodFwVer && sameFirmware(a.text(row), b.text(row))) continue;
        Difference d = describe(DefinitionTable::String, row, 0, strings[static_cast<std::size_t>(row)]);
        d.isText = true;
        d.oldText = a.text(row);
        d.newText = b.text(row);
        out.push_back(std::move(d));
    }
    // Grouped by page and season; the order within a group is the tables' order.
    std::stable_sort(out.begin(), out.end(), [](const Difference& x, const Difference& y) {
        return std::make_tuple(pageOrder(x.page), x.season) < std::make_tuple(pageOrder(y.page), y.season);
    });
    return out;
}

std::string groupTitle(const Difference& d) {
    if (d.season == 0) return d.pageName;
    return d.pageName + ", season " + std::to_string(d.season);
}

std::string differenceItem(const Difference& d) {
    std::string item = d.label;
    if (!d.key.empty() && d.key != d.label) item += " (" + d.key + ")";
    item += ": ";
    if (d.isText) return item + quoted(d.oldText) + " -> " + quoted(d.newText);
    return item + d.oldText + " -> " + d.newText;
}

std::string differenceLine(const Difference& d) {
    return groupTitle(d) + ": " + differenceItem(d);
}

std::vector<DifferenceGroup> groupDifferences(const std::vector<Difference>& differences) {
    std::vector<DifferenceGroup> groups;
    for (const Difference& d : differences) {
        std::string title = groupTitle(d);
        if (groups.empty() || groups.back().title != title) groups.push_back({std::move(title), {}});
        groups.back().items.push_back(differenceItem(d));
    }
    return groups;
}

std::string differenceLines(const std::vector<Difference>& differences) {
    std::string out;
    for (const Difference& difference : differences) out += differenceLine(difference) + "\n";
    return out;
}

}  // namespace orv
