#include "typed_entry.h"

#include "model/field_converter.h"
#include "model/memory_page_set.h"
#include "model/typed_field_entry.h"

namespace orv::cli {

// Every page exists, as in the window once all tabs are created.
struct TypedEntry::Pages {
    explicit Pages(Session& session) : pageSet(true), converter(session.record, session.log, pageSet) {}
    MemoryPageSet pageSet;
    FieldConverter converter;
};

TypedEntry::TypedEntry(Session& session) : session(session), pages(std::make_unique<Pages>(session)) {}

TypedEntry::~TypedEntry() = default;

int TypedEntry::enter(DefinitionTable table, int row, int season, const std::string& text) {
    const int result = enterFieldText(pages->converter, pages->pageSet, table, row, season, text);
    if (result == kEntryTaken) return kExitOk;
    const auto name = rowName(definitionTable(table)[static_cast<std::size_t>(row)]);
    if (result == kEntryNotAChoice)
        return usageError("'" + text + "' is not a choice of '" + std::string(name) + "'");
    return usageError("cannot enter a value into '" + std::string(name) + "'");
}

}  // namespace orv::cli
