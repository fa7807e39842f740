#include "workflow/page_fields.h"

#include <algorithm>

#include "model/definitions.h"
#include "model/field_converter.h"
#include "model/page_set.h"
#include "model/record.h"
#include "model/value_kind.h"

namespace orv {

namespace {

constexpr Page kTabPages[] = {Page::GpsParms, Page::Misc,     Page::Transmitter,   Page::TransmitterNetwork,
                              Page::DataColl, Page::Schedule, Page::ScheduleTable, Page::Simulation,
                              Page::Beacon,   Page::FactParms};

bool hasValueControl(PageSet& pages, Page page, const ParameterDefinition& definition) {
    FieldControls* controls = pages.controls(page);
    return controls != nullptr && definition.controlId != 0 && controls->hasControl(definition.controlId);
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
        case Tab::Transmitter:
            converter.readGeneralPages();
            storePageTexts(Page::Transmitter, converter, pages, record);
            storePageTexts(Page::TransmitterNetwork, converter, pages, record);
            return;
        default:
            converter.readGeneralPages();
            storePageTexts(pageOfTab(tab, record), converter, pages, record);
            return;
    }
}

void showPageFields(Page page, FieldConverter& converter, PageSet& pages, ParameterRecord& record) {
    FieldControls* controls = pages.controls(page);
    if (controls == nullptr) return;
    if (isSchedulePage(page)) {
        if (page == Page::Schedule && hasValueControl(pages, page, seasonDefinitions()[SeasonRow::Season])) {
            converter.showField(page, SeasonRow::Season);
        }
        const auto table = seasonDefinitions();
        // The season length shows through the one of its two rows the season's
        // type selects; the other's limits would clamp it (a start day is at least 1).
        const bool dayOfYear = record.season(std::clamp(record.currentSeason(), 1, kSeasons),
                                             SeasonRow::SeasonType) == 1;
        const int otherLengthRow = dayOfYear ? SeasonRow::NumberOfDays : SeasonRow::LengthOfSeasonSeasonStartDay;
        for (int row = 0; row < kSeasonCount; ++row) {
            const ParameterDefinition& definition = table[static_cast<std::size_t>(row)];
            if (row != SeasonRow::Season && row != otherLengthRow && definition.page == page &&
                hasValueControl(pages, page, definition)) {
                converter.showField(page, row);
            }
        }
        return;
    }
    const auto general = generalDefinitions();
    for (int row = 0; row < kGeneralCount; ++row) {
        const ParameterDefinition& definition = general[static_cast<std::size_t>(row)];
        if (definition.page == page && hasValueControl(pages, page, definition))
            converter.showField(page, row);
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
    for (Page page : kTabPages) showPageFields(page, converter, pages, record);
    showPageFields(Page::ScheduleGpsPanel, converter, pages, record);
    showPageFields(Page::ScheduleTransmitterPanel, converter, pages, record);
}

}  // namespace orv
