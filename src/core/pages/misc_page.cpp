#include "pages/misc_page.h"

#include "binding/page_handler_registry.h"
#include "model/record.h"
#include "pages/page_controls.h"

namespace orv {

void miscPageRules(const PageContext& context) {
    const Page page = Page::Misc;
    const double enabled = context.record.general(GeneralRow::SWSEnabled);
    setPageText(context, page, PageControl::SaltWaterStatus,
                enabled != 0 ? "Salt-Water Switch Enabled" : "Salt-Water Switch Disabled");
    for (const int row : {GeneralRow::OOWThreshold, GeneralRow::UWThreshold, GeneralRow::FailsafeThreshold,
                          GeneralRow::HauloutThreshold}) {
        enableGeneralRow(context, page, row, enabled == 1);
    }
}

void registerMiscPage(PageHandlerRegistry& registry) {
    registry.setPageRules(Page::Misc, miscPageRules);
}

}  // namespace orv
