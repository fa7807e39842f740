#include "binding/typed_field_entry.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "app/text_helpers.h"
#include "model/combo_entries.h"
#include "model/resolve.h"
#include "model/value_kind.h"

namespace orv {
namespace {

// The entry the text names: the whole entry, else the one the text begins up
// to a blank (a channel name without its frequency).
std::optional<int> entryNamed(const std::vector<std::string>& entries, const std::string& text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (equalIgnoringCase(entries[i], text)) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        if (!text.empty() && entry.size() > text.size() && entry[text.size()] == ' ' &&
            equalIgnoringCase(std::string_view(entry).substr(0, text.size()), text)) {
            return static_cast<int>(i);
        }
    }
    // A number names the entry at that position (0-based).
    if (!text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const auto position = static_cast<std::size_t>(std::stoi(text));
        if (position < entries.size()) {
            return static_cast<int>(position);
        }
    }
    return std::nullopt;
}

std::optional<bool> flagNamed(const std::string& text) {
    if (equalIgnoringCase(text, "TRUE") || text == "1") {
        return true;
    }
    if (equalIgnoringCase(text, "FALSE") || text == "0") {
        return false;
    }
    return std::nullopt;
}

bool validRow(DefinitionTable table, int row) {
    return table != DefinitionTable::Control && row >= 0 &&
           static_cast<std::size_t>(row) < definitionTable(table).size();
}

}  // namespace

EditOutcome typeIntoControl(FieldConverter& converter, MemoryPageSet& pages, DefinitionTable table, int& row,
                            int season, const std::string& text) {
    if (!validRow(table, row)) {
        return EditOutcome::NoSuchRow;
    }
    ParameterRecord& record = converter.parameterRecord();
    const ParameterDefinition& definition = definitionTable(table)[static_cast<std::size_t>(row)];
    const Page page = definition.page;
    MemoryFieldControls& controls = pages.addPage(page);

    if (table == DefinitionTable::String) {
        controls.setText(definition.controlId, text);
        return EditOutcome::Taken;
    }
    if (table == DefinitionTable::Season) {
        if (season < 1 || season > kSeasons) {
            return EditOutcome::NoSuchSeason;
        }
        for (const Page schedulePage :
             {Page::Schedule, Page::ScheduleGpsPanel, Page::ScheduleTransmitterPanel}) {
            pages.addPage(schedulePage);
        }
        converter.showSeason(season);  // makes it current
    }

    const int kind = resolve(record, page, row).kind;
    if (isComboKind(kind)) {
        const std::vector<std::string> entries = comboEntries(table, row, record);
        const std::optional<int> index = entryNamed(entries, text);
        if (!index) {
            return EditOutcome::NotAChoice;
        }
        controls.setComboItems(definition.controlId, entries);
        controls.setComboSelection(definition.controlId, *index);
    } else if (kind == KindFlag) {
        const std::optional<bool> state = flagNamed(text);
        if (!state) {
            return EditOutcome::NotAChoice;
        }
        if (definition.companion == RadioCompanion::InverseOfPreviousRow) {
            // The other radio button of the pair carries the value.
            row -= 1;
            controls.setCheckState(definitionTable(table)[static_cast<std::size_t>(row)].controlId, !*state);
        }
        controls.setCheckState(definition.controlId, *state);
    } else {
        controls.setText(definition.controlId, text);
    }
    return EditOutcome::Taken;
}

EditOutcome enterFieldText(FieldConverter& converter, MemoryPageSet& pages, DefinitionTable table, int row,
                           int season, const std::string& text) {
    const EditOutcome result = typeIntoControl(converter, pages, table, row, season, text);
    if (result != EditOutcome::Taken) {
        return result;
    }
    const ParameterDefinition& definition = definitionTable(table)[static_cast<std::size_t>(row)];
    if (table == DefinitionTable::String) {
        converter.storeText(converter.parameterRecord().text(row), text, definition.page, row);
    } else {
        converter.fieldEdited(definition.page, row);
    }
    return EditOutcome::Taken;
}

}  // namespace orv
