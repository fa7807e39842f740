#include "binding/page_fields.h"

#include <algorithm>

#include "binding/field_converter.h"
#include "binding/page_set.h"
#include "model/combo_entries.h"
#include "model/definitions.h"
#include "model/record.h"
#include "model/value_kind.h"

namespace orv {

namespace {

bool hasValueControl(PageSet& pages, Page page, const ParameterDefinition& definition) {
    FieldControls* controls = pages.controls(page);
    return controls != nullptr && definition.controlId != 0 && controls->hasControl(definition.controlId);
}

// Shows one value row; a combo's list is filled again first, so lists that
// depend on other values (the fix interval units) follow them.
void showRow(Page page, DefinitionTable table, int row, FieldConverter& converter, FieldControls& controls,
             const ParameterRecord& record) {
    const ParameterDefinition& definition = definitionTable(table)[static_cast<std::size_t>(row)];
    if (isComboKind(definition.kind)) {
        controls.setComboItems(definition.controlId, comboEntries(table, row, record));
    }
    converter.showField(page, row);
}

}  // namespace

void storePageTexts(Page page, FieldConverter& converter, PageSet& pages, ParameterRecord& record) {
    const auto table = stringDefinitions();
    for (int row = 0; row < kStringCount; ++row) {
        const ParameterDefinition& definition = table[static_cast<std::size_t>(row)];
        if (definition.page != page || !hasValueControl(pages, page, definition)) continue;
        // The firmware version texts are shown, never typed.
        if (definition.kind == KindFirmwareHex || definition.kind == KindFirmwareDate) continue;
        converter.storeText(record.text(row), pages.controls(page)->text(definition.controlId), page, row);
    }
}

void storeTabFields(Tab tab, FieldConverter& converter, PageSet& pages, ParameterRecord& record) {
    switch (tab) {
        case Tab::Schedule: {
            const auto& selector = seasonDefinitions()[SeasonRow::Season];
            if (!hasValueControl(pages, Page::Schedule, selector)) return;
            converter.readField(Page::Schedule, SeasonRow::Season);
            converter.readSeasonPage(record.currentSeason());
            return;
        }
        case Tab::ScheduleTable:
        case Tab::Simulation:
            return;
        default:
            // Every form of the tab: the Transmitter tab stores both.
            converter.readGeneralPages();
            for (const Page page : tabFacts(tab).pageList()) storePageTexts(page, converter, pages, record);
            return;
    }
}

void showPageFields(Page page, FieldConverter& converter, PageSet& pages, ParameterRecord& record) {
    FieldControls* controls = pages.controls(page);
    if (controls == nullptr) return;
    if (isSchedulePage(page)) {
        if (page == Page::Schedule && hasValueControl(pages, page, seasonDefinitions()[SeasonRow::Season])) {
            showRow(page, DefinitionTable::Season, SeasonRow::Season, converter, *controls, record);
        }
        const auto table = seasonDefinitions();
        // The season length shows through the one of its two rows the season's
        // type selects; the other's limits would clamp it (a start day is at least 1).
        const bool dayOfYear = record.season(record.currentSeason(), SeasonRow::SeasonType) == 1;
        const int otherLengthRow =
            dayOfYear ? SeasonRow::NumberOfDays : SeasonRow::LengthOfSeasonSeasonStartDay;
        for (int row = 0; row < kSeasonCount; ++row) {
            const ParameterDefinition& definition = table[static_cast<std::size_t>(row)];
            if (row != SeasonRow::Season && row != otherLengthRow && definition.page == page &&
                hasValueControl(pages, page, definition)) {
                showRow(page, DefinitionTable::Season, row, converter, *controls, record);
            }
        }
        return;
    }
    const auto general = generalDefinitions();
    for (int row = 0; row < kGeneralCount; ++row) {
        const ParameterDefinition& definition = general[static_cast<std::size_t>(row)];
        if (definition.page == page && hasValueControl(pages, page, definition)) {
            showRow(page, DefinitionTable::General, row, converter, *controls, record);
        }
    }
    const auto strings = stringDefinitions();
    for (int row = 0; row < kStringCount; ++row) {
        const ParameterDefinition& definition = strings[static_cast<std::size_t>(row)];
        if (definition.page == page && hasValueControl(pages, page, definition)) {
            controls->setText(definition.controlId, record.text(row));
        }
    }
}

void showAllPageFields(FieldConverter& converter, PageSet& pages, ParameterRecord& record) {
    for (const Page page : kAllTabPages) showPageFields(page, converter, pages, record);
}

}  // namespace orv
