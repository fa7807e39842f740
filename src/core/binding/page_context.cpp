#include "binding/page_context.h"

#include "binding/field_controls.h"
#include "binding/field_converter.h"
#include "binding/page_host.h"
#include "binding/page_set.h"
#include "model/access.h"
#include "model/record.h"

namespace orv {

namespace {

const ParameterDefinition& definitionOf(DefinitionTable table, int row) {
    return definitionTable(table)[static_cast<std::size_t>(row)];
}

void forEachControl(const ParameterDefinition& definition, auto&& act) {
    for (const int id : {definition.controlId, definition.spinId, definition.labelId, definition.extraId}) {
        if (id != 0) act(id);
    }
}

}  // namespace

void enableRow(const PageContext& context, Page page, DefinitionTable table, int row, bool enable) {
    const ParameterDefinition& definition = definitionOf(table, row);
    const bool allowed = enable && controlEditable(context.host.user().mask, definition.accessMask);
    forEachControl(definition, [&](int id) { context.converter.enableControl(page, id, allowed); });
}

void showRow(const PageContext& context, Page page, DefinitionTable table, int row, bool show) {
    const ParameterDefinition& definition = definitionOf(table, row);
    const bool allowed = show && controlVisible(context.host.user().mask, definition.accessMask);
    forEachControl(definition, [&](int id) { context.converter.showControl(page, id, allowed); });
}

void enableGeneralRow(const PageContext& context, Page page, int row, bool enable) {
    enableRow(context, page, DefinitionTable::General, row, enable);
}

void showGeneralRow(const PageContext& context, Page page, int row, bool show) {
    showRow(context, page, DefinitionTable::General, row, show);
}

void enableControlRow(const PageContext& context, Page page, int controlRow, bool enable) {
    enableRow(context, page, DefinitionTable::Control, controlRow, enable);
}

void setPageText(const PageContext& context, Page page, int controlId, const std::string& text) {
    FieldControls* controls = context.pages.controls(page);
    if (controls != nullptr && controls->hasControl(controlId)) controls->setText(controlId, text);
}

void storeGeneral(const PageContext& context, int row, double value) {
    const Page page = definitionOf(DefinitionTable::General, row).page;
    context.converter.storeValue(context.record.general(row), value, page, DefinitionTable::General, row);
    context.converter.showField(page, row);
}

void storeRadioPair(const PageContext& context, int row, int companion, double value) {
    storeGeneral(context, row, value != 0 ? 1 : 0);
    storeGeneral(context, companion, value != 0 ? 0 : 1);
}

void showCompanion(const PageContext& context, int row, bool ticked) {
    context.record.general(row) = ticked ? 1 : 0;
    context.converter.showField(definitionOf(DefinitionTable::General, row).page, row);
}

bool checkOf(const PageContext& context, DefinitionTable table, int row) {
    const ParameterDefinition& definition = definitionOf(table, row);
    FieldControls* controls = context.pages.controls(definition.page);
    return controls != nullptr && controls->checkState(definition.controlId);
}

std::string textOf(const PageContext& context, DefinitionTable table, int row) {
    const ParameterDefinition& definition = definitionOf(table, row);
    FieldControls* controls = context.pages.controls(definition.page);
    return controls != nullptr ? controls->text(definition.controlId) : std::string();
}

int valueControl(DefinitionTable table, int row) {
    return definitionOf(table, row).controlId;
}

}  // namespace orv
