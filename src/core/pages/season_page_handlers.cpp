#include "pages/season_page_handlers.h"

#include "binding/field_converter.h"
#include "binding/page_handler_registry.h"
#include "model/definitions.h"
#include "model/value_kind.h"
#include "pages/season_page.h"

namespace orv {

void registerSeasonPage(PageHandlerRegistry& registry, SeasonPage& seasonPage) {
    for (const Page page : {Page::Schedule, Page::ScheduleGpsPanel, Page::ScheduleTransmitterPanel})
        registry.setPageRules(page, [&seasonPage](const PageContext&) { seasonPage.rules(); });
    const auto rows = seasonDefinitions();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const ParameterDefinition& definition = rows[static_cast<std::size_t>(row)];
        if (definition.controlId == 0) continue;
        const Page page = definition.page;
        const int id = definition.controlId;
        ControlHandler handler = [&seasonPage, page, row](const PageContext& context) {
            context.converter.fieldEdited(page, row);
            if (!seasonPage.isSetUp()) seasonPage.setUp();
            seasonPage.rowEdited(page, row);
            return EditOutcome::Taken;
        };
        if (definition.spinId != 0) {
            registry.onStepped(id, [&seasonPage, page, row](const PageContext&, int delta) {
                if (!seasonPage.isSetUp()) seasonPage.setUp();
                seasonPage.rowEdited(page, row, delta);
                return EditOutcome::Taken;
            });
        }
        if (isComboKind(definition.kind) || definition.kind == KindFlag) {
            registry.onChanged(id, std::move(handler));
        } else {
            registry.onLeft(id, std::move(handler));
        }
    }
}

}  // namespace orv
