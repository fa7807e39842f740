#include "workflow/tabs.h"

#include "app/startup.h"
#include "model/record.h"

namespace orv {

namespace {
constexpr int kSpreadSpectrum = 3;
}  // namespace

std::vector<Tab> activeTabs(const std::string& settingsFile) {
    const auto shown = readActiveTabs(settingsFile);
    std::vector<Tab> tabs;
    for (int i = 0; i < kTabCount; ++i) {
        if (shown[static_cast<std::size_t>(i)] == 1) tabs.push_back(static_cast<Tab>(i));
    }
    return tabs;
}

Page pageOfTab(Tab tab, const ParameterRecord& record) {
    switch (tab) {
        case Tab::GpsParms:
            return Page::GpsParms;
        case Tab::Misc:
            return Page::Misc;
        case Tab::Transmitter:
            return record.general(GeneralRow::XmitterEnblType) == kSpreadSpectrum ? Page::TransmitterNetwork
                                                                                  : Page::Transmitter;
        case Tab::DataColl:
            return Page::DataColl;
        case Tab::Schedule:
            return Page::Schedule;
        case Tab::ScheduleTable:
            return Page::ScheduleTable;
        case Tab::Simulation:
            return Page::Simulation;
        case Tab::Beacon:
            return Page::Beacon;
        case Tab::FactParms:
            return Page::FactParms;
    }
    return Page::GpsParms;
}

}  // namespace orv
