#pragma once

namespace orv {

// The dialog pages that hold parameter controls.
enum class Page : int {
    Main = 0,
    GpsParms,
    Misc,
    Transmitter,         // ARGOS PTT form
    TransmitterNetwork,  // shown instead when the transmitter enable type is "Spread_Spectrum"
    DataColl,
    Schedule,
    ScheduleGpsPanel,
    ScheduleTransmitterPanel,
    ScheduleTable,
    Simulation,
    Beacon,
    FactParms,
    AdvancedDialog,
    ElevationAngleDialog,
    ComPortDialog,
};

inline constexpr int kPageCount = 16;

// The Schedule tab and its two panels address the season table.
constexpr bool isSchedulePage(Page page) {
    return page == Page::Schedule || page == Page::ScheduleGpsPanel || page == Page::ScheduleTransmitterPanel;
}

}  // namespace orv
