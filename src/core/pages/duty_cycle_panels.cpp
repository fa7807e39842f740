#include "pages/duty_cycle_panels.h"

#include "model/combo_entries.h"
#include "model/fix_interval.h"
#include "model/lists.h"
#include "model/resolve.h"

namespace orv {
namespace {

constexpr int kNoTransmitter = 0;

const ParameterDefinition& seasonRow(int row) {
    return seasonDefinitions()[static_cast<std::size_t>(row)];
}

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

// A typed value is stored; a step moves the edit first and is then stored.
void storeEdit(FieldConverter& converter, Page page, int row, int delta) {
    if (delta != 0) converter.stepSpin(page, seasonRow(row).spinId, delta);
    converter.fieldEdited(page, row);
}

}  // namespace

void enableSeasonRow(FieldConverter& converter, Page page, int row, bool enable) {
    const ParameterDefinition& definition = seasonRow(row);
    for (const int id : {definition.controlId, definition.spinId, definition.labelId, definition.extraId}) {
        converter.enableControl(page, id, enable);
    }
}

void GpsDutyCyclePanel::rules() {
    constexpr Page page = Page::ScheduleGpsPanel;
    ParameterRecord& record = converter.parameterRecord();
    const ParameterDefinition& unitsRow = seasonRow(SeasonRow::FixIntervalUnits);

    FieldControls* controls = pages.controls(page);
    if (controls == nullptr) return;

    // "seconds" only while no ARGOS transmitter is used.
    const bool withSeconds = !argosTransmissionsEnabled(record);
    if (unitsWithSeconds != withSeconds) {
        controls->setComboItems(unitsRow.controlId,
                                comboEntries(DefinitionTable::Season, SeasonRow::FixIntervalUnits, record));
        unitsWithSeconds = withSeconds;
    }
    converter.showField(page, SeasonRow::FixIntervalUnits);
    const double units = currentValue(converter, page, SeasonRow::FixIntervalUnits);
    const std::string unit = "(" + std::string(listEntry(intervalUnitsList(), units)) + ")";
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

void GpsDutyCyclePanel::dayChanged(int row, int delta) {
    storeEdit(converter, Page::ScheduleGpsPanel, row, delta);
    rules();
}

void GpsDutyCyclePanel::unitChosen() {
    converter.fieldEdited(Page::ScheduleGpsPanel, SeasonRow::FixIntervalUnits);
    rules();
}

void GpsDutyCyclePanel::fieldChanged(int row, int delta) {
    storeEdit(converter, Page::ScheduleGpsPanel, row, delta);
}

void TransmitterDutyCyclePanel::rules() {
    constexpr Page page = Page::ScheduleTransmitterPanel;
    const ParameterRecord& record = converter.parameterRecord();
    const bool transmitter = record.general(GeneralRow::XmitterEnblType) != kNoTransmitter;
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

void TransmitterDutyCyclePanel::dayChanged(int row, int delta) {
    storeEdit(converter, Page::ScheduleTransmitterPanel, row, delta);
    rules();
}

void TransmitterDutyCyclePanel::fieldChanged(int row, int delta) {
    storeEdit(converter, Page::ScheduleTransmitterPanel, row, delta);
}

}  // namespace orv
