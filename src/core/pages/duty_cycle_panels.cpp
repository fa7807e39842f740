#include "pages/duty_cycle_panels.h"

#include <algorithm>

#include "model/combo_entries.h"
#include "model/fix_interval.h"
#include "model/lists.h"
#include "model/resolve.h"
#include "model/transmitter_type.h"

namespace orv {
namespace {

// A value the panel rule forces in the season shown: stored (a change counts
// as one), then shown.
void forceValue(FieldConverter& converter, Page page, int row, double value) {
    const ResolvedField field = resolve(converter.parameterRecord(), page, row);
    if (field.slot == nullptr) return;
    converter.storeValue(*field.slot, value, page, field.table, row);
    converter.showField(page, row);
}

double currentValue(FieldConverter& converter, Page page, int row) {
    const ResolvedField field = resolve(converter.parameterRecord(), page, row);
    return field.slot != nullptr ? *field.slot : 0;
}

bool isGpsDay(int row) {
    return std::ranges::any_of(kGpsCycles, [row](const GpsCycleRows& cycle) { return cycle.day == row; });
}

bool isTransmitterDay(int row) {
    return std::ranges::any_of(kTransmitterCycles,
                               [row](const TransmitterCycleRows& cycle) { return cycle.day == row; });
}

}  // namespace

void enableSeasonRow(FieldConverter& converter, Page page, int row, bool enable) {
    const ParameterDefinition& definition = seasonRow(row);
    for (const int id : {definition.controlId, definition.spinId, definition.labelId, definition.extraId}) {
        converter.enableControl(page, id, enable);
    }
}

void storeStep(FieldConverter& converter, PageSet& pages, Page page, int row, int delta) {
    if (delta == 0) return;
    converter.fieldEdited(page, row);
    FieldControls* controls = pages.controls(page);
    const int spin = seasonRow(row).spinId;
    if (controls != nullptr && spin != 0)
        controls->setSpinPosition(spin, controls->spinPosition(spin) - delta);
}

void GpsDutyCyclePanel::rules() {
    constexpr Page page = Page::ScheduleGpsPanel;
    ParameterRecord& record = converter.parameterRecord();
    const ParameterDefinition& unitsRow = seasonRow(SeasonRow::FixIntervalUnits);

    FieldControls* controls = pages.controls(page);
    if (controls == nullptr) return;

    // "seconds" only while no ARGOS transmitter is used.
    const bool withSeconds = !isArgos(transmitterType(record));
    if (unitsWithSeconds != withSeconds) {
        controls->setComboItems(unitsRow.controlId,
                                comboEntries(DefinitionTable::Season, SeasonRow::FixIntervalUnits, record));
        unitsWithSeconds = withSeconds;
    }
    converter.showField(page, SeasonRow::FixIntervalUnits);
    const double units = currentValue(converter, page, SeasonRow::FixIntervalUnits);
    const std::string unit = "(" + std::string(listEntry(unitsRow.comboList, units)) + ")";
    for (const GpsCycleRows& cycle : kGpsCycles) {
        controls->setText(seasonRow(cycle.fixInterval).extraId, unit);
    }

    for (int row = 0; row < kSeasonCount; ++row) {
        if (seasonRow(row).page == page) enableSeasonRow(converter, page, row, true);
    }
    if (record.general(GeneralRow::GpsFixingEnabled) != 1) return;
    for (const GpsCycleRows& cycle : kGpsCycles) {
        const bool active = currentValue(converter, page, cycle.day) != 0;
        for (const int row : {cycle.startTime, cycle.hours, cycle.fixInterval}) {
            if (!active) forceValue(converter, page, row, 0);
            enableSeasonRow(converter, page, row, active);
        }
    }
}

void GpsDutyCyclePanel::rowEdited(int row, int delta) {
    storeStep(converter, pages, Page::ScheduleGpsPanel, row, delta);
    if (isGpsDay(row) || row == SeasonRow::FixIntervalUnits) rules();
}

void TransmitterDutyCyclePanel::rules() {
    constexpr Page page = Page::ScheduleTransmitterPanel;
    const ParameterRecord& record = converter.parameterRecord();
    const bool transmitter = transmits(transmitterType(record));
    for (int row = 0; row < kSeasonCount; ++row) {
        if (seasonRow(row).page == page) enableSeasonRow(converter, page, row, transmitter);
    }
    if (!transmitter) return;
    for (const TransmitterCycleRows& cycle : kTransmitterCycles) {
        const bool active = currentValue(converter, page, cycle.day) != 0;
        for (const int row : {cycle.startTime, cycle.hours}) {
            if (!active) forceValue(converter, page, row, 0);
            enableSeasonRow(converter, page, row, active);
        }
    }
}

void TransmitterDutyCyclePanel::rowEdited(int row, int delta) {
    storeStep(converter, pages, Page::ScheduleTransmitterPanel, row, delta);
    if (isTransmitterDay(row)) rules();
}

}  // namespace orv
