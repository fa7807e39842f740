#include "typed_entry.h"

#include "binding/field_converter.h"
#include "binding/memory_page_set.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "cli_messages.h"
#include "pages/page_controls.h"
#include "pages/parameter_pages.h"
#include "pages/season_page.h"
#include "pages/season_page_handlers.h"

namespace orv::cli {

// Every page exists, as in the window once all tabs are created.
struct TypedEntry::Pages {
    explicit Pages(Session& session)
        : pageSet(true),
          converter(session.record, session.log, pageSet),
          host(session.user),
          seasonPage(converter, pageSet),
          context{session.record, converter, pageSet, session.log, host, registry} {
        addPageOwnControls(pageSet);
        registerParameterPages(registry);
        registerSeasonPage(registry, seasonPage);
    }
    MemoryPageSet pageSet;
    FieldConverter converter;
    HeadlessPageHost host;
    SeasonPage seasonPage;
    PageHandlerRegistry registry;
    PageContext context;
};

TypedEntry::TypedEntry(Session& session) : pages(std::make_unique<Pages>(session)) {}

TypedEntry::~TypedEntry() = default;

int TypedEntry::enter(DefinitionTable table, int row, int season, const std::string& text) {
    // The Schedule tab is set up (and shows its season) when it is first used.
    if (table == DefinitionTable::Season && !pages->seasonPage.isSetUp()) pages->seasonPage.setUp();
    const EditOutcome result = actOnControl(pages->context, pages->pageSet, table, row, season, text);
    if (result == EditOutcome::Taken) return kExitOk;
    if (result == EditOutcome::Refused) return kExitFailed;
    const auto name = rowName(definitionTable(table)[static_cast<std::size_t>(row)]);
    if (result == EditOutcome::NotAChoice) return usageError(clitext::notAChoice(text, name));
    return usageError(clitext::cannotEnter(name));
}

}  // namespace orv::cli
