#pragma once

// The two duty-cycle panels inside the Schedule tab: the GPS duty-cycle block
// and the transmitter duty-cycle block of the season shown. Both work on the
// current season of the record through the field converter.

#include <array>
#include <optional>

#include "binding/field_converter.h"
#include "binding/page_set.h"

namespace orv {

// The rows of one GPS duty cycle (season table).
struct GpsCycleRows {
    int day, startTime, hours, fixInterval;
};
// The rows of one transmitter duty cycle (season table).
struct TransmitterCycleRows {
    int day, startTime, hours;
};

inline constexpr std::array<GpsCycleRows, 3> kGpsCycles = {{
    {SeasonRow::GpsDcbDay_1, SeasonRow::GpsStartTime_1, SeasonRow::GpsNumHours_1,
     SeasonRow::GpsFixInterval_1},
    {SeasonRow::GpsDcbDay_2, SeasonRow::GpsStartTime_2, SeasonRow::GpsNumHours_2,
     SeasonRow::GpsFixInterval_2},
    {SeasonRow::GpsDcbDay_3, SeasonRow::GpsStartTime_3, SeasonRow::GpsNumHours_3,
     SeasonRow::GpsFixInterval_3},
}};
inline constexpr std::array<TransmitterCycleRows, 3> kTransmitterCycles = {{
    {SeasonRow::ArgosDcbDay_1, SeasonRow::ArgosStartTime_1, SeasonRow::ArgosNumHours_1},
    {SeasonRow::ArgosDcbDay_2, SeasonRow::ArgosStartTime_2, SeasonRow::ArgosNumHours_2},
    {SeasonRow::ArgosDcbDay_3, SeasonRow::ArgosStartTime_3, SeasonRow::ArgosNumHours_3},
}};

// Sets every control of a season row (value, up-down, label, extra) on or off.
void enableSeasonRow(FieldConverter& converter, Page page, int row, bool enable);

// A step of an up-down control only puts the value it leads to into the edit;
// this stores it, and leaves the up-down control where the step it is taking
// (delta) lands it on the stored value. Nothing for delta 0.
void storeStep(FieldConverter& converter, PageSet& pages, Page page, int row, int delta);

class GpsDutyCyclePanel {
public:
    GpsDutyCyclePanel(FieldConverter& converter, PageSet& pages) : converter(converter), pages(pages) {}

    // The units list offered by the transmitter type, the unit beside the fix
    // intervals, and the cycles: with GPS fixing on, a cycle whose DCB day is 0
    // has its start time, hours and fix interval set to 0 in the season shown
    // and disabled.
    void rules();

    // After the converter took the user's action on a row of the panel (see
    // SeasonPage::rowEdited): a DCB day is stored and the rules run again, a
    // unit runs the rules again, a stepped edit is stored.
    void rowEdited(int row, int delta);

    // Forgets which units list the combo holds (a new combo was created).
    void forgetUnitsList() { unitsWithSeconds.reset(); }

private:
    FieldConverter& converter;
    PageSet& pages;
    std::optional<bool> unitsWithSeconds;
};

class TransmitterDutyCyclePanel {
public:
    TransmitterDutyCyclePanel(FieldConverter& converter, PageSet& pages)
        : converter(converter), pages(pages) {}

    // Without a transmitter every control is disabled; otherwise a period whose
    // DCB day is 0 has its start time and hours set to 0 in the season shown
    // and disabled.
    void rules();

    // As GpsDutyCyclePanel::rowEdited.
    void rowEdited(int row, int delta);

private:
    FieldConverter& converter;
    PageSet& pages;
};

}  // namespace orv
