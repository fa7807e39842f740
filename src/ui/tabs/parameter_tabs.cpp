#include "tabs/parameter_tabs.h"

namespace orv {

std::unique_ptr<TabPage> createParameterTabPage(Tab tab, const BinderContext& binder,
                                                PageEnvironment environment) {
    switch (tab) {
        case Tab::GpsParms:
            return std::make_unique<GpsParmsTab>(binder, environment);
        case Tab::Misc:
            return std::make_unique<MiscTab>(binder, environment);
        case Tab::Transmitter:
            return std::make_unique<TransmitterTab>(binder, environment);
        case Tab::DataColl:
            return std::make_unique<DataCollTab>(binder, environment);
        case Tab::Beacon:
            return std::make_unique<BeaconTab>(binder, environment);
        case Tab::FactParms:
            return std::make_unique<FactParmsTab>(binder, environment);
        default:
            return nullptr;
    }
}

}  // namespace orv
