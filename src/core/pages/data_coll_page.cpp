#include "pages/data_coll_page.h"

#include "binding/field_converter.h"
#include "binding/page_handler_registry.h"
#include "model/numeric.h"
#include "model/record.h"

namespace orv {

namespace {

constexpr Page kDataCollPage = Page::DataColl;
constexpr int kModeNone = 0;
constexpr int kModeActivity = 1;
constexpr int kModeEvent = 2;

EditOutcome modeChosen(const PageContext& context) {
    context.converter.fieldEdited(kDataCollPage, GeneralRow::DataCollMode);
    if (context.record.general(GeneralRow::DataCollMode) == kModeNone)
        storeGeneral(context, GeneralRow::ActivitySenseInterval, 0);
    dataCollPageRules(context);
    return EditOutcome::Taken;
}

EditOutcome radioClicked(const PageContext& context, int row, int companion, bool rerunRules) {
    storeRadioPair(context, row, companion, checkOf(context, DefinitionTable::General, row) ? 1 : 0);
    if (rerunRules) dataCollPageRules(context);
    return EditOutcome::Taken;
}

}  // namespace

void dataCollPageRules(const PageContext& context) {
    ParameterRecord& r = context.record;
    const bool position = r.general(GeneralRow::ActivitySensePos) == 0;
    showCompanion(context, GeneralRow::ActivitySensingPositional, position);
    showCompanion(context, GeneralRow::ActivityEventPositionHigh, r.general(GeneralRow::ActEventPos) == 0);
    const int mode = truncateToInt(r.general(GeneralRow::DataCollMode));
    enableGeneralRow(context, kDataCollPage, GeneralRow::ActivitySenseInterval, mode == kModeActivity);
    for (const int row : {GeneralRow::ActivitySensingPositional, GeneralRow::ActivitySensePos})
        enableGeneralRow(context, kDataCollPage, row, mode == kModeActivity || mode == kModeEvent);
    for (const int row : {GeneralRow::ActivityEventPositionHigh, GeneralRow::ActEventPos})
        enableGeneralRow(context, kDataCollPage, row, mode == kModeEvent && position);
}

void registerDataCollPage(PageHandlerRegistry& registry) {
    registry.setPageRules(kDataCollPage, dataCollPageRules);
    registry.onChanged(valueControl(DefinitionTable::General, GeneralRow::DataCollMode), modeChosen);
    struct Pair {
        int row;
        int companion;
        bool rerunRules;
    };
    for (const Pair pair : {Pair{GeneralRow::ActivitySensingPositional, GeneralRow::ActivitySensePos, true},
                            Pair{GeneralRow::ActivitySensePos, GeneralRow::ActivitySensingPositional, true},
                            Pair{GeneralRow::ActivityEventPositionHigh, GeneralRow::ActEventPos, false},
                            Pair{GeneralRow::ActEventPos, GeneralRow::ActivityEventPositionHigh, false}}) {
        registry.onChanged(valueControl(DefinitionTable::General, pair.row), [pair](const PageContext& c) {
            return radioClicked(c, pair.row, pair.companion, pair.rerunRules);
        });
    }
}

}  // namespace orv
