#pragma once

// The parameter pages held in memory, with every page's rules and handlers
// registered, acted on as a user acts on the window's controls.

#include <gtest/gtest.h>

#include <string>

#include "binding/field_converter.h"
#include "binding/memory_page_set.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "model/access.h"
#include "model/record.h"
#include "pages/page_controls.h"
#include "pages/parameter_pages.h"
#include "scripted_presenter.h"

namespace orv::test {

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        restoreBuiltinDefinitions();
        resetRecord(record);
        addPageOwnControls(pages);
        registerParameterPages(registry);
    }

    // The user sets the control of the row named (key or label) to the text.
    EditOutcome act(const std::string& name, const std::string& text, int season = 1) {
        for (const DefinitionTable table :
             {DefinitionTable::General, DefinitionTable::String, DefinitionTable::Season}) {
            const int row = findRow(table, name);
            if (row >= 0) return actOnControl(context, pages, table, row, season, text);
        }
        ADD_FAILURE() << "no parameter " << name;
        return EditOutcome::NoSuchRow;
    }
    EditOutcome press(int controlId) { return registry.pressed(context, controlId); }
    void showAll(Page page) { registry.redisplay(context, page); }

    const MemoryFieldControls::Control& control(Page page, int id) {
        const auto* c = pages.page(page)->control(id);
        EXPECT_NE(c, nullptr) << id;
        static const MemoryFieldControls::Control kMissing;
        return c != nullptr ? *c : kMissing;
    }
    const MemoryFieldControls::Control& general(int row) {
        return control(generalDefinitions()[static_cast<std::size_t>(row)].page,
                       generalDefinitions()[static_cast<std::size_t>(row)].controlId);
    }
    const MemoryFieldControls::Control& text(int row) {
        return control(stringDefinitions()[static_cast<std::size_t>(row)].page,
                       stringDefinitions()[static_cast<std::size_t>(row)].controlId);
    }
    double value(int row) const { return record.general(row); }
    std::string errors() const {
        std::string all;
        for (const auto& box : presenter.shown(BoxKind::Error)) all += box.text + "\n";
        return all;
    }

    ParameterRecord record;
    ScriptedPresenter presenter;
    MessageLog log{&presenter};
    MemoryPageSet pages{true};
    FieldConverter converter{record, log, pages};
    HeadlessPageHost host{{"Erin", kEngineerLevel, kMaskEngineer}};
    PageHandlerRegistry registry;
    PageContext context{record, converter, pages, log, host, registry};
};

}  // namespace orv::test
