#include "binding/page_handler_registry.h"

#include "binding/field_controls.h"
#include "binding/page_fields.h"
#include "binding/page_set.h"
#include "model/record.h"
#include "model/resolve.h"
#include "model/value_kind.h"

namespace orv {

namespace {

bool isChoiceKind(int kind) {
    return isComboKind(kind) || kind == KindFlag;
}

}  // namespace

void PageHandlerRegistry::onChanged(int controlId, ControlHandler handler) {
    changeHandlers[controlId] = std::move(handler);
}

void PageHandlerRegistry::onLeft(int controlId, ControlHandler handler) {
    leaveHandlers[controlId] = std::move(handler);
}

void PageHandlerRegistry::onStepped(int controlId, StepHandler handler) {
    stepHandlers[controlId] = std::move(handler);
}

void PageHandlerRegistry::setPageRules(Page page, PageRules rules) {
    pageRules[page] = std::move(rules);
}

EditOutcome PageHandlerRegistry::edited(const PageContext& context, const RowEdit& edit) const {
    const auto definitions = definitionTable(edit.table);
    if (edit.table == DefinitionTable::Control || edit.row < 0 ||
        static_cast<std::size_t>(edit.row) >= definitions.size())
        return EditOutcome::Taken;
    const int id = definitions[static_cast<std::size_t>(edit.row)].controlId;
    switch (edit.action) {
        case ControlAction::Chosen:
            return chosen(context, edit, id);
        case ControlAction::Typed:
            return pressed(context, id);
        case ControlAction::Left:
            return left(context, edit, id);
        case ControlAction::Stepped:
            context.converter.spinDelta(edit.page, edit.step, edit.row);
            if (const auto it = stepHandlers.find(id); it != stepHandlers.end())
                return it->second(context, edit.step.delta);
            return left(context, edit, id);
    }
    return EditOutcome::Taken;
}

EditOutcome PageHandlerRegistry::pressed(const PageContext& context, int controlId) const {
    if (const auto it = changeHandlers.find(controlId); it != changeHandlers.end())
        return it->second(context);
    return EditOutcome::Taken;
}

EditOutcome PageHandlerRegistry::chosen(const PageContext& context, const RowEdit& edit,
                                        int controlId) const {
    if (const auto it = changeHandlers.find(controlId); it != changeHandlers.end())
        return it->second(context);
    if (edit.table == DefinitionTable::String) return EditOutcome::Taken;
    if (!isChoiceKind(resolve(context.record, edit.page, edit.row).kind)) return EditOutcome::Taken;
    context.converter.fieldEdited(edit.page, edit.row);
    rules(context, edit.page);
    return EditOutcome::Taken;
}

EditOutcome PageHandlerRegistry::left(const PageContext& context, const RowEdit& edit, int controlId) const {
    if (const auto it = leaveHandlers.find(controlId); it != leaveHandlers.end()) return it->second(context);
    if (edit.table == DefinitionTable::String) {
        FieldControls* controls = context.pages.controls(edit.page);
        if (controls != nullptr && controls->hasControl(controlId)) {
            context.converter.storeText(context.record.text(edit.row), controls->text(controlId), edit.page,
                                        edit.row);
        }
        return EditOutcome::Taken;
    }
    if (isChoiceKind(resolve(context.record, edit.page, edit.row).kind)) return EditOutcome::Taken;
    context.converter.fieldEdited(edit.page, edit.row);
    return EditOutcome::Taken;
}

void PageHandlerRegistry::rules(const PageContext& context, Page page) const {
    if (const auto it = pageRules.find(page); it != pageRules.end()) it->second(context);
}

void PageHandlerRegistry::redisplay(const PageContext& context, Page page) const {
    showPageFields(page, context.converter, context.pages, context.record);
    rules(context, page);
}

}  // namespace orv
