#include "binding/field_converter.h"

#include <algorithm>

#include "model/combo_entries.h"
#include "model/field_entry.h"
#include "model/fix_interval.h"
#include "model/format_value.h"
#include "model/lists.h"
#include "model/model_messages.h"
#include "model/numeric.h"
#include "model/transmitter_type.h"
#include "model/value_kind.h"

namespace orv {
namespace {

// The general rows the tab pages store when they are left; a radio companion
// of the next row carries no value of its own.
bool storedByTabPages(const ParameterDefinition& definition) {
    if (definition.companion == RadioCompanion::OfNextRow) {
        return false;
    }
    switch (definition.page) {
        case Page::GpsParms:
        case Page::Transmitter:
        case Page::TransmitterNetwork:
        case Page::DataColl:
        case Page::Misc:
        case Page::Beacon:
        case Page::FactParms:
            return true;
        default:
            return false;
    }
}

// The positions of a row's up-down control: 0 .. (max - min) / step.
int spinRange(const ParameterDefinition& definition) {
    return std::max(
        0, truncateToInt((definition.maxValue - definition.minValue) / effectiveStep(definition.step)));
}

bool validSeason(int season) {
    return season >= 1 && season <= kSeasons;
}

// Rows 5 and 6 are two edits on one slot: the number of days, or the start
// day as a date. A season is read and shown through the one its type selects;
// the other row's limits (a start day is at least 1) would otherwise clamp a
// valid number of days of 0 just by showing the season.
int lengthRowOf(const ParameterRecord& record, int season) {
    return record.season(season, SeasonRow::SeasonType) == 0 ? SeasonRow::NumberOfDays
                                                             : SeasonRow::LengthOfSeasonSeasonStartDay;
}

bool isOtherLengthRow(const ParameterRecord& record, int season, int row) {
    return (row == SeasonRow::NumberOfDays || row == SeasonRow::LengthOfSeasonSeasonStartDay) &&
           row != lengthRowOf(record, season);
}

// A spin position moved by a delta, within 0 .. range (no int overflow on the way).
int movedPosition(int position, int delta, int range) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(position) + delta, 0, range));
}

}  // namespace

FieldConverter::FieldConverter(ParameterRecord& record, MessageLog& log, PageSet& pages)
    : record(record), log(log), pages(pages) {}

double FieldConverter::readField(Page page, int row) {
    const ResolvedField field = resolve(record, page, row);
    FieldControls* dialog = pages.controls(page);
    if (field.definition == nullptr || dialog == nullptr || field.definition->controlId == 0 ||
        !dialog->hasControl(field.definition->controlId)) {
        log.error("%s", modeltext::undefinedControl(
                            static_cast<unsigned>(dialog != nullptr ? dialog->handle() : 0), row)
                            .c_str());
        return 0;
    }
    const ParameterDefinition& definition = *field.definition;
    const int id = definition.controlId;

    if (isComboKind(field.kind)) {
        // The entry's position in the row's whole list.
        const double value = std::max(dialog->comboSelection(id), 0) + firstOfferedEntry(definition, record);
        storeValue(*field.slot, value, page, field.table, row);
        return value;
    }
    if (field.kind == KindFlag) {
        const double value = dialog->checkState(id) ? 1 : 0;
        if (definition.companion != RadioCompanion::InverseOfPreviousRow) {
            storeValue(*field.slot, value, page, field.table, row);
        }
        return value;
    }

    const FieldEntry entry = acceptEntry(definition, field.kind, dialog->text(id), record);
    for (const EntryNotice& notice : entry.notices) {
        if (notice.kind == BoxKind::Information) {
            log.information("%s", notice.text.c_str());
        } else {
            log.warning("%s", notice.text.c_str());
        }
    }
    lastEntryRefused = entry.refused;
    if (entry.refused) {
        showField(page, row);  // the control shows the value the field kept
        return *field.slot;
    }
    storeValue(*field.slot, entry.value, page, field.table, row);
    showField(page, row);
    return entry.value;
}

bool FieldConverter::storeTyped(Page page, int row) {
    const ResolvedField field = resolve(record, page, row);
    FieldControls* dialog = pages.controls(page);
    if (field.definition == nullptr || dialog == nullptr || field.definition->controlId == 0 ||
        !dialog->hasControl(field.definition->controlId) || isComboKind(field.kind) ||
        field.kind == KindFlag) {
        return false;
    }
    const FieldEntry entry =
        acceptEntry(*field.definition, field.kind, dialog->text(field.definition->controlId), record);
    if (entry.refused || !entry.notices.empty() || entry.value != entry.entered) return false;
    storeValue(*field.slot, entry.value, page, field.table, row);
    return true;
}

double FieldConverter::unitsOfCurrentSeason() const {
    return *resolve(record, Page::Schedule, SeasonRow::FixIntervalUnits).slot;
}

void FieldConverter::showField(Page page, int row) {
    const ResolvedField field = resolve(record, page, row);
    FieldControls* dialog = pages.controls(page);
    if (field.definition == nullptr || dialog == nullptr) {
        return;
    }
    const ParameterDefinition& definition = *field.definition;
    // Values from files or the database may lie outside the limits; the
    // correction counts as a change.
    if (*field.slot > definition.maxValue) {
        storeValue(*field.slot, definition.maxValue, page, field.table, row);
    } else if (*field.slot < definition.minValue) {
        storeValue(*field.slot, definition.minValue, page, field.table, row);
    }
    const double value = *field.slot;

    if (isComboKind(field.kind)) {
        const int position = truncateToInt(value) - firstOfferedEntry(definition, record);
        dialog->setComboSelection(definition.controlId, std::max(position, 0));
        return;
    }
    if (field.kind == KindFlag) {
        const bool checked =
            definition.companion == RadioCompanion::InverseOfPreviousRow ? value == 0 : value != 0;
        dialog->setCheckState(definition.controlId, checked);
        return;
    }
    if (definition.spinId != 0) {
        const int range = spinRange(definition);
        const double span = definition.maxValue - definition.minValue;
        dialog->setSpinRange(definition.spinId, 0, range);
        dialog->setSpinPosition(definition.spinId,
                                span == 0 ? 0 : truncateToInt((value - definition.minValue) / span * range));
    }
    dialog->setText(definition.controlId, formatValue(value, field.kind));
}

void FieldConverter::fieldEdited(Page page, int row) {
    if (!isSchedulePage(page) || row != SeasonRow::Season) {
        readField(page, row);
        showField(page, row);
        return;
    }
    // The season selector: the tab still shows the season being left.
    const int left = record.currentSeason();
    readSeasonPage(left);
    const double selected = readField(page, row);
    showField(page, row);
    if (selected != left) {
        showSeason(truncateToInt(selected));
    }
}

int FieldConverter::findSpinRow(int spinId, Page page) const {
    if (spinId == 0) {
        return -1;
    }
    const auto table = isSchedulePage(page) ? seasonDefinitions() : generalDefinitions();
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].spinId == spinId) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

double FieldConverter::spinDelta(Page page, const SpinNotification& step, int row) {
    if (row < 0) {
        row = findSpinRow(step.spinId, page);
    }
    const ResolvedField field = resolve(record, page, row);
    FieldControls* dialog = pages.controls(page);
    if (field.definition == nullptr || dialog == nullptr) {
        return 0;
    }
    const ParameterDefinition& definition = *field.definition;
    markChanged(page, field.table, row);

    const int position = movedPosition(step.position, step.delta, spinRange(definition));
    double value = position * effectiveStep(definition.step) + definition.minValue;
    if (field.kind == KindFixInterval && isArgos(transmitterType(record)) && unitsOfCurrentSeason() == 1) {
        value = steppedFixInterval(value, step.delta, definition.maxValue, fortyFiveMinutesAllowed(record));
        // The control moves by the delta after this; it then lands on the value.
        dialog->setSpinPosition(definition.spinId, std::max(truncateToInt(value) - step.delta, 0));
    }
    dialog->setText(definition.controlId, formatValue(value, field.kind));
    return value;
}

double FieldConverter::stepSpin(Page page, int spinId, int delta) {
    FieldControls* dialog = pages.controls(page);
    const int row = findSpinRow(spinId, page);
    const ResolvedField field = resolve(record, page, row);
    if (dialog == nullptr || field.definition == nullptr) {
        return 0;
    }
    const double value = spinDelta(page, {spinId, dialog->spinPosition(spinId), delta}, row);
    dialog->setSpinPosition(spinId,
                            movedPosition(dialog->spinPosition(spinId), delta, spinRange(*field.definition)));
    return value;
}

void FieldConverter::readGeneralPages() {
    const auto table = generalDefinitions();
    for (std::size_t row = 0; row < table.size(); ++row) {
        const ParameterDefinition& definition = table[row];
        // A page whose window was never created has nothing to store.
        if (storedByTabPages(definition) && pages.controls(definition.page) != nullptr) {
            readField(definition.page, static_cast<int>(row));
        }
    }
}

void FieldConverter::readSeasonPage(int season) {
    if (!validSeason(season)) {
        return;
    }
    // The rows resolve to the current season; it is the given one while they are read.
    const int shown = record.currentSeason();
    record.setCurrentSeason(season);
    const auto table = seasonDefinitions();
    for (int row = 0; row < kSeasonCount; ++row) {
        if (row == SeasonRow::Season || row == SeasonRow::LengthOfSeasonSeasonStartDay) {
            continue;
        }
        const int readRow = row == SeasonRow::NumberOfDays ? lengthRowOf(record, season) : row;
        readField(table[static_cast<std::size_t>(readRow)].page, readRow);
    }
    record.setCurrentSeason(shown);
}

void FieldConverter::showSeason(int season) {
    if (!validSeason(season)) {
        return;
    }
    record.setCurrentSeason(season);
    const auto table = seasonDefinitions();
    for (int row = 0; row < kSeasonCount; ++row) {
        if (row != SeasonRow::Season && !isOtherLengthRow(record, season, row)) {
            showField(table[static_cast<std::size_t>(row)].page, row);
        }
    }
}

void FieldConverter::enforceArgosMinutes() {
    if (!isArgos(transmitterType(record))) {
        return;
    }
    const auto table = seasonDefinitions();
    const auto units = table[SeasonRow::FixIntervalUnits].comboList;
    const bool allow45 = fortyFiveMinutesAllowed(record);
    for (int season = 1; season <= kSeasons; ++season) {
        double& seasonUnits = record.season(season, SeasonRow::FixIntervalUnits);
        if (seasonUnits == 0) {
            seasonUnits = 1;
            log.warning("%s", modeltext::secondsNotAllowed(table[SeasonRow::FixIntervalUnits].label, season,
                                                           units[0], units[1])
                                  .c_str());
        }
        for (const int row :
             {SeasonRow::GpsFixInterval_1, SeasonRow::GpsFixInterval_2, SeasonRow::GpsFixInterval_3}) {
            double& interval = record.season(season, row);
            const double allowed = allowedFixInterval(interval, seasonUnits, allow45);
            if (allowed != interval) {
                log.warning("%s", modeltext::seasonValueModified(
                                      interval, table[static_cast<std::size_t>(row)].label, season, allowed)
                                      .c_str());
                interval = allowed;
            }
        }
    }
}

void FieldConverter::showControl(Page page, int id, bool show) {
    FieldControls* dialog = pages.controls(page);
    if (dialog != nullptr && id != 0 && dialog->hasControl(id)) {
        dialog->showControl(id, show);
    }
}

void FieldConverter::enableControl(Page page, int id, bool enable) {
    FieldControls* dialog = pages.controls(page);
    if (dialog != nullptr && id != 0 && dialog->hasControl(id)) {
        dialog->enableControl(id, enable);
    }
}

}  // namespace orv
