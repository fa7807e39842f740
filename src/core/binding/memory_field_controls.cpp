#include "binding/memory_field_controls.h"

#include <algorithm>

#include "model/combo_entries.h"
#include "model/value_kind.h"

namespace orv {

void MemoryFieldControls::addControl(int id) {
    if (id != 0) {
        controls.try_emplace(id);
    }
}

void MemoryFieldControls::removeControl(int id) {
    controls.erase(id);
}

void MemoryFieldControls::addRowControls(DefinitionTable table, int row) {
    const auto definitions = definitionTable(table);
    if (row < 0 || static_cast<std::size_t>(row) >= definitions.size()) {
        return;
    }
    const ParameterDefinition& definition = definitions[static_cast<std::size_t>(row)];
    addControl(definition.controlId);
    addControl(definition.spinId);
    addControl(definition.extraId);
    if (definition.labelId != 0) {
        addControl(definition.labelId);
        setText(definition.labelId, definition.label);
    }
    if (isComboKind(definition.kind)) {
        // The entries of a record with ARGOS transmissions off: every list whole.
        static const ParameterRecord kPlainRecord;
        setComboItems(definition.controlId, comboEntries(table, row, kPlainRecord));
    }
}

void MemoryFieldControls::addPageControls(Page page) {
    for (const DefinitionTable table : {DefinitionTable::General, DefinitionTable::Season,
                                        DefinitionTable::String, DefinitionTable::Control}) {
        const auto definitions = definitionTable(table);
        for (std::size_t row = 0; row < definitions.size(); ++row) {
            if (definitions[row].page == page) {
                addRowControls(table, static_cast<int>(row));
            }
        }
    }
}

const MemoryFieldControls::Control* MemoryFieldControls::control(int id) const {
    const auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

MemoryFieldControls::Control* MemoryFieldControls::find(int id) {
    const auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

bool MemoryFieldControls::hasControl(int id) const {
    return control(id) != nullptr;
}

std::string MemoryFieldControls::text(int id) const {
    const Control* c = control(id);
    return c != nullptr ? c->text : std::string();
}

void MemoryFieldControls::setText(int id, const std::string& text) {
    if (Control* c = find(id)) {
        c->text = text;
    }
}

int MemoryFieldControls::comboSelection(int id) const {
    const Control* c = control(id);
    return c != nullptr ? c->selection : -1;
}

void MemoryFieldControls::setComboSelection(int id, int index) {
    if (Control* c = find(id)) {
        // Like a combo box: a position outside a filled list selects nothing.
        const bool outside =
            index < 0 || (!c->items.empty() && static_cast<std::size_t>(index) >= c->items.size());
        c->selection = outside ? -1 : index;
    }
}

void MemoryFieldControls::setComboItems(int id, const std::vector<std::string>& items) {
    if (Control* c = find(id)) {
        c->items = items;
        c->selection = -1;
    }
}

bool MemoryFieldControls::checkState(int id) const {
    const Control* c = control(id);
    return c != nullptr && c->check;
}

void MemoryFieldControls::setCheckState(int id, bool checked) {
    if (Control* c = find(id)) {
        c->check = checked;
    }
}

void MemoryFieldControls::setSpinRange(int id, int low, int high) {
    if (Control* c = find(id)) {
        c->spinLow = low;
        c->spinHigh = high;
        c->spinPosition = std::clamp(c->spinPosition, std::min(low, high), std::max(low, high));
    }
}

int MemoryFieldControls::spinPosition(int id) const {
    const Control* c = control(id);
    return c != nullptr ? c->spinPosition : 0;
}

void MemoryFieldControls::setSpinPosition(int id, int position) {
    if (Control* c = find(id)) {
        c->spinPosition = position;
    }
}

void MemoryFieldControls::showControl(int id, bool show) {
    if (Control* c = find(id)) {
        c->shown = show;
    }
}

void MemoryFieldControls::enableControl(int id, bool enable) {
    if (Control* c = find(id)) {
        c->enabled = enable;
    }
}

}  // namespace orv
