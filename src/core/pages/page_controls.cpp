#include "pages/page_controls.h"

#include "binding/memory_page_set.h"

namespace orv {

void addPageOwnControls(MemoryPageSet& pages) {
    struct Own {
        Page page;
        int id;
    };
    for (const Own own :
         {Own{Page::GpsParms, PageControl::GpsGroup}, Own{Page::Misc, PageControl::SaltWaterStatus},
          Own{Page::Transmitter, PageControl::TransmitterState},
          Own{Page::Transmitter, PageControl::EncryptionGroup},
          Own{Page::Transmitter, PageControl::PowerGroup}, Own{Page::Beacon, PageControl::BeaconStatus},
          Own{Page::FactParms, PageControl::VariablesGroup},
          Own{Page::FactParms, PageControl::SynthesizerGroup}}) {
        pages.addPage(own.page).addControl(own.id);
    }
}

}  // namespace orv
