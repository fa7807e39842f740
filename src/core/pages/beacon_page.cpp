#include "pages/beacon_page.h"

#include "app/message_log.h"
#include "binding/field_converter.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "model/numeric.h"
#include "model/record.h"
#include "model/text_forms.h"
#include "pages/page_controls.h"
#include "pages/pages_messages.h"

namespace orv {

namespace {

constexpr Page kBeaconPage = Page::Beacon;
constexpr int kPatterns = 8;

bool wren2(double beaconType) {
    const int type = truncateToInt(beaconType);
    return type == 2 || type == 3;
}

// Stored on every change: the text, then the length and the value. A text that
// is no pattern is refused and the edit shows the stored pattern again.
EditOutcome patternTyped(const PageContext& context, int n) {
    const int textRow = StringRow::VHFPattern1 + n;
    const std::string text = textOf(context, DefinitionTable::String, textRow);
    const auto pattern = patternFromText(text);
    if (!pattern) {
        // The text goes back while the user is still in the edit, before the box takes the focus.
        setPageText(context, kBeaconPage, valueControl(DefinitionTable::String, textRow),
                    context.record.text(textRow));
        context.log.error("%s", badPatternMessage(text, stringDefinitions()[textRow].label).c_str());
        return EditOutcome::Refused;
    }
    context.converter.storeText(context.record.text(textRow), text, kBeaconPage, textRow);
    storeGeneral(context, GeneralRow::VHFPatternMap1Len + n, pattern->length);
    storeGeneral(context, GeneralRow::VHFPatternMap1 + n, pattern->value);
    return EditOutcome::Taken;
}

EditOutcome beaconProgramPressed(const PageContext& context) {
    context.host.launchBeaconProgram();
    return EditOutcome::Taken;
}

}  // namespace

void beaconPageRules(const PageContext& context) {
    const ParameterRecord& r = context.record;
    enableGeneralRow(context, kBeaconPage, GeneralRow::VHFBeaconEnabled,
                     wren2(r.general(GeneralRow::BeaconType)));
    const double enabled = r.general(GeneralRow::VHFBeaconEnabled);
    setPageText(context, kBeaconPage, PageControl::BeaconStatus,
                enabled != 0 ? "Beacon Pulse Patterns Enabled" : "Beacon Pulse Patterns Disabled");
    const auto rows = generalDefinitions();
    for (int row = 0; row < kGeneralCount; ++row) {
        if (rows[static_cast<std::size_t>(row)].page == kBeaconPage && row != GeneralRow::VHFBeaconEnabled)
            enableGeneralRow(context, kBeaconPage, row, enabled == 1);
    }
    for (int n = 0; n < kPatterns; ++n)
        enableRow(context, kBeaconPage, DefinitionTable::String, StringRow::VHFPattern1 + n, enabled == 1);
    enableControlRow(context, kBeaconPage, ControlRow::BeaconProgramButton, enabled == 1);
}

void registerBeaconPage(PageHandlerRegistry& registry) {
    registry.setPageRules(kBeaconPage, beaconPageRules);
    for (int n = 0; n < kPatterns; ++n) {
        const int id = valueControl(DefinitionTable::String, StringRow::VHFPattern1 + n);
        registry.onChanged(id, [n](const PageContext& c) { return patternTyped(c, n); });
    }
    registry.onChanged(controlRowControl(ControlRow::BeaconProgramButton), beaconProgramPressed);
}

}  // namespace orv
