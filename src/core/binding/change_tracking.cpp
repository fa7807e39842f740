// The change bookkeeping of the field converter: per-field changed flags, the
// label markers and the unsaved-changes marker of the main window title.

#include <string_view>

#include "binding/field_converter.h"

namespace orv {
namespace {

// The marker is looked for at the front only: a label that holds "* " further
// on is neither left unmarked nor cut at its first two characters.
bool hasLabelMarker(std::string_view text) {
    return text.starts_with(kLabelMarker);
}

}  // namespace

void FieldConverter::storeValue(double& slot, double newValue, Page page, DefinitionTable table, int row) {
    if (newValue != slot) {
        markChanged(page, table, row);
    }
    slot = newValue;
}

void FieldConverter::storeText(std::string& slot, const std::string& newText, Page page, int row) {
    if (newText != slot) {
        markChanged(page, DefinitionTable::String, row);
    }
    slot = newText;
}

bool* FieldConverter::changedFlag(DefinitionTable table, int row) {
    const auto index = static_cast<std::size_t>(row);
    switch (table) {
        case DefinitionTable::General:
            return row >= 0 && row < kGeneralCount ? &record.generalChanged[index] : nullptr;
        case DefinitionTable::Season:
            return row >= 0 && row < kSeasonCount
                       ? &record.seasonChanged[static_cast<std::size_t>(record.currentSeason() - 1)][index]
                       : nullptr;
        case DefinitionTable::String:
            return row >= 0 && row < kStringCount ? &record.stringChanged[index] : nullptr;
        case DefinitionTable::Control:
            break;
    }
    return nullptr;
}

void FieldConverter::markChanged(Page page, DefinitionTable table, int row) {
    // The season selector only chooses what the tab shows.
    if (table == DefinitionTable::Season && row == SeasonRow::Season) {
        return;
    }
    bool* flag = changedFlag(table, row);
    if (flag == nullptr) {
        return;
    }
    markRecordDirty();
    *flag = true;
    if (!pages.allTabPagesExist()) {
        return;
    }
    // A new device key: the firmware versions shown belong to another collar.
    if (table == DefinitionTable::String && row <= StringRow::DevStatus) {
        clearShownFirmwareTexts();
    }
    labelMarker(page, definitionTable(table)[static_cast<std::size_t>(row)], true);
}

void FieldConverter::markRecordDirty() {
    record.recordDirty = true;
    const std::string title = pages.windowTitle();
    if (title.find(kTitleMarker) == std::string::npos) {
        pages.setWindowTitle(title + kTitleMarker);
    }
}

void FieldConverter::clearShownFirmwareTexts() {
    FieldControls* gpsParms = pages.controls(Page::GpsParms);
    if (gpsParms == nullptr) {
        return;
    }
    const auto strings = stringDefinitions();
    for (const int row : {StringRow::FenmodFwVer, StringRow::RtcPicFwVer, StringRow::MiscDevFwVer,
                          StringRow::NavProcFwVer, StringRow::SigProcFwVer}) {
        gpsParms->setText(strings[static_cast<std::size_t>(row)].controlId, "");
    }
}

void FieldConverter::labelMarker(Page page, const ParameterDefinition& definition, bool on) {
    if (on && !pages.allTabPagesExist()) {
        return;
    }
    FieldControls* dialog = pages.controls(page);
    if (dialog == nullptr || definition.labelId == 0 || !dialog->hasControl(definition.labelId)) {
        return;
    }
    const std::string text = dialog->text(definition.labelId);
    if (on && !hasLabelMarker(text)) {
        dialog->setText(definition.labelId, kLabelMarker + text);
    } else if (!on && hasLabelMarker(text)) {
        dialog->setText(definition.labelId, text.substr(std::string_view(kLabelMarker).size()));
    }
}

void FieldConverter::clearChanges() {
    std::string title = pages.windowTitle();
    const std::size_t marker = title.find(kTitleMarker);
    if (marker != std::string::npos) {
        title.erase(marker);
        pages.setWindowTitle(title);
    }
    record.recordDirty = false;
    record.generalChanged.fill(false);
    record.stringChanged.fill(false);
    for (auto& season : record.seasonChanged) {
        season.fill(false);
    }
    refreshMarkers();
}

void FieldConverter::refreshTableMarkers(DefinitionTable table) {
    const auto definitions = definitionTable(table);
    // Off first, then on: rows that share a label end up marked when either changed.
    for (const bool on : {false, true}) {
        for (std::size_t row = 0; row < definitions.size(); ++row) {
            const bool* flag = changedFlag(table, static_cast<int>(row));
            if (flag != nullptr && *flag == on) {
                labelMarker(definitions[row].page, definitions[row], on);
            }
        }
    }
}

void FieldConverter::refreshMarkers() {
    refreshTableMarkers(DefinitionTable::String);
    refreshTableMarkers(DefinitionTable::General);
    refreshTableMarkers(DefinitionTable::Season);  // the season the Schedule tab shows
}

int FieldConverter::askUnsavedChanges(const char* question, bool threeWay) {
    if (!record.recordDirty) {
        return 0;
    }
    return threeWay ? log.yesNoCancel("%s", question) : log.choice("%s", question);
}

}  // namespace orv
