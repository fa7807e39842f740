#include "binding/page_handler_registry.h"

#include "binding/field_controls.h"
#include "binding/field_converter.h"
#include "binding/page_fields.h"
#include "binding/page_set.h"
#include "model/record.h"
#include "model/resolve.h"
#include "model/value_kind.h"

namespace orv {

namespace {

constexpr DefinitionTable kValueTables[] = {DefinitionTable::General, DefinitionTable::Season,
                                            DefinitionTable::String};

bool isChoiceKind(int kind) {
    return isComboKind(kind) || kind == KindFlag;
}

const ParameterDefinition& definitionOf(DefinitionTable table, int row) {
    return definitionTable(table)[static_cast<std::size_t>(row)];
}

}  // namespace

bool rowOfControl(int controlId, DefinitionTable& table, int& row) {
    for (const DefinitionTable candidate : kValueTables) {
        const auto definitions = definitionTable(candidate);
        for (std::size_t index = 0; index < definitions.size(); ++index) {
            if (definitions[index].controlId == controlId) {
                table = candidate;
                row = static_cast<int>(index);
                return true;
            }
        }
    }
    return false;
}

void PageHandlerRegistry::onChanged(int controlId, ControlHandler handler) {
    changeHandlers[controlId] = std::move(handler);
}

void PageHandlerRegistry::onLeft(int controlId, ControlHandler handler) {
    leaveHandlers[controlId] = std::move(handler);
}

void PageHandlerRegistry::setPageRules(Page page, PageRules rules) {
    pageRules[page] = std::move(rules);
}

int PageHandlerRegistry::changed(const PageContext& context, int controlId) const {
    if (const auto it = changeHandlers.find(controlId); it != changeHandlers.end())
        return it->second(context);
    DefinitionTable table{};
    int row = 0;
    if (!rowOfControl(controlId, table, row) || table == DefinitionTable::String) return kHandlerTaken;
    const Page page = definitionOf(table, row).page;
    if (!isChoiceKind(resolve(context.record, page, row).kind)) return kHandlerTaken;
    context.converter.fieldEdited(page, row);
    rules(context, page);
    return kHandlerTaken;
}

int PageHandlerRegistry::left(const PageContext& context, int controlId) const {
    if (const auto it = leaveHandlers.find(controlId); it != leaveHandlers.end()) return it->second(context);
    DefinitionTable table{};
    int row = 0;
    if (!rowOfControl(controlId, table, row)) return kHandlerTaken;
    const ParameterDefinition& definition = definitionOf(table, row);
    const Page page = definition.page;
    if (table == DefinitionTable::String) {
        FieldControls* controls = context.pages.controls(page);
        if (controls != nullptr && controls->hasControl(controlId)) {
            context.converter.storeText(context.record.text(row), controls->text(controlId), page, row);
        }
        return kHandlerTaken;
    }
    if (isChoiceKind(resolve(context.record, page, row).kind)) return kHandlerTaken;
    context.converter.fieldEdited(page, row);
    return kHandlerTaken;
}

void PageHandlerRegistry::rules(const PageContext& context, Page page) const {
    if (const auto it = pageRules.find(page); it != pageRules.end()) it->second(context);
}

void PageHandlerRegistry::redisplay(const PageContext& context, Page page) const {
    showPageFields(page, context.converter, context.pages, context.record);
    rules(context, page);
}

}  // namespace orv
