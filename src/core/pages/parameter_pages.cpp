#include "pages/parameter_pages.h"

#include "app/text_helpers.h"
#include "binding/memory_page_set.h"
#include "binding/page_handler_registry.h"
#include "binding/typed_field_entry.h"
#include "model/resolve.h"
#include "model/value_kind.h"
#include "pages/beacon_page.h"
#include "pages/data_coll_page.h"
#include "pages/gps_page.h"
#include "pages/misc_page.h"
#include "pages/network_page.h"
#include "pages/pages_messages.h"
#include "pages/system_page.h"
#include "pages/transmitter_page.h"

namespace orv {

void registerParameterPages(PageHandlerRegistry& registry) {
    registerGpsPage(registry);
    registerMiscPage(registry);
    registerTransmitterPage(registry);
    registerNetworkPage(registry);
    registerDataCollPage(registry);
    registerBeaconPage(registry);
    registerSystemPage(registry);
}

namespace {

// A text longer than its field holds (the column's width, the SST notes'
// own limit) is refused with the message the page or window shows for it.
bool textTooLong(const PageContext& context, int row, const std::string& text) {
    const ParameterDefinition& definition = stringDefinitions()[static_cast<std::size_t>(row)];
    const int limit = row == StringRow::SSTNotes ? kSstNotesLimit : definition.width;
    if (limit <= 0 || utf8Length(text) <= static_cast<std::size_t>(limit)) return false;
    const bool notes = row == StringRow::Notes || row == StringRow::SSTNotes;
    context.log.error(
        "%s", notes ? notesLimitMessage(limit).c_str() : textLimitMessage(definition.label, limit).c_str());
    return true;
}

}  // namespace

EditOutcome actOnControl(const PageContext& context, MemoryPageSet& pages, DefinitionTable table, int row,
                         int season, const std::string& text) {
    if (table == DefinitionTable::String && row >= 0 &&
        static_cast<std::size_t>(row) < stringDefinitions().size() && textTooLong(context, row, text))
        return EditOutcome::Refused;
    const EditOutcome typed = typeIntoControl(context.converter, pages, table, row, season, text);
    if (typed != EditOutcome::Taken) return typed;
    const Page page = definitionTable(table)[static_cast<std::size_t>(row)].page;
    const int kind = table == DefinitionTable::String ? KindText : resolve(context.record, page, row).kind;
    if (isComboKind(kind) || kind == KindFlag) {
        const EditOutcome chosen =
            context.registry.edited(context, {page, table, row, ControlAction::Chosen});
        return chosen == EditOutcome::Taken ? EditOutcome::Taken : EditOutcome::Refused;
    }
    // An edit: typed into, then left.
    if (context.registry.edited(context, {page, table, row, ControlAction::Typed}) != EditOutcome::Taken)
        return EditOutcome::Refused;
    if (context.registry.edited(context, {page, table, row, ControlAction::Left}) != EditOutcome::Taken)
        return EditOutcome::Refused;
    return context.converter.entryRefused() ? EditOutcome::Refused : EditOutcome::Taken;
}

}  // namespace orv
