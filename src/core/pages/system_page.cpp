#include "pages/system_page.h"

#include <algorithm>

#include "app/message_log.h"
#include "binding/field_controls.h"
#include "binding/field_converter.h"
#include "binding/page_context.h"
#include "binding/page_fields.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "binding/page_set.h"
#include "model/access.h"
#include "model/numeric.h"
#include "model/record.h"
#include "model/transmitter_type.h"
#include "pages/page_controls.h"
#include "pages/pages_messages.h"

namespace orv {

namespace {

constexpr Page kFactParmsPage = Page::FactParms;
constexpr double kNetworkTransmitInterval = 180;
constexpr double kSaltWaterThreshold = 6;

// Shown for every user; the transmitter type then shows what belongs to it.
void hideTransmitterControls(const PageContext& context) {
    for (const int row : {GeneralRow::XmitEncryption, GeneralRow::ScheduledNetwork, GeneralRow::DiscOffset,
                          GeneralRow::PaPwrLvl, GeneralRow::SynthOld, GeneralRow::SynthSel})
        showGeneralRow(context, kFactParmsPage, row, false);
    showRow(context, kFactParmsPage, DefinitionTable::String, StringRow::MACAddress, false);
    context.converter.showControl(kFactParmsPage, PageControl::SynthesizerGroup, false);
    // The variables group holds nothing else: it shows with what the type shows in it.
    context.converter.showControl(kFactParmsPage, PageControl::VariablesGroup, false);
}

void transmitterTypeRules(const PageContext& context) {
    const TransmitterType type = wholeTransmitterType(context.record);
    if (isArgos(type)) {
        storeGeneral(context, GeneralRow::ScheduledNetwork, 0);
        for (const int row : {GeneralRow::XmitEncryption, GeneralRow::SynthOld, GeneralRow::SynthSel})
            showGeneralRow(context, kFactParmsPage, row, true);
        context.converter.showControl(kFactParmsPage, PageControl::SynthesizerGroup, true);
        context.converter.showControl(kFactParmsPage, PageControl::VariablesGroup, true);
        setPageText(context, kFactParmsPage, PageControl::VariablesGroup, "ARGOS Variables");
        // Held to the row's limit here, or every showing would store a value that showing then corrects.
        storeGeneral(
            context, GeneralRow::XmitterType,
            std::min<double>(static_cast<int>(type), generalDefinitions()[GeneralRow::XmitterType].maxValue));
        storeGeneral(context, GeneralRow::XmitnsEnabled, 1);
    } else if (type == TransmitterType::SpreadSpectrum) {
        storeGeneral(context, GeneralRow::ScheduledNetwork, 1);
        for (const int row : {GeneralRow::ScheduledNetwork, GeneralRow::DiscOffset, GeneralRow::PaPwrLvl})
            showGeneralRow(context, kFactParmsPage, row, true);
        showRow(context, kFactParmsPage, DefinitionTable::String, StringRow::MACAddress, true);
        context.converter.showControl(kFactParmsPage, PageControl::VariablesGroup, true);
        setPageText(context, kFactParmsPage, PageControl::VariablesGroup, "SST Network Variables");
        storeGeneral(context, GeneralRow::XmitnsEnabled, 1);
        storeGeneral(context, GeneralRow::PttPriInterval, kNetworkTransmitInterval);
    } else if (type == TransmitterType::None) {
        storeGeneral(context, GeneralRow::ScheduledNetwork, 0);
        setPageText(context, kFactParmsPage, PageControl::VariablesGroup, "");
        storeGeneral(context, GeneralRow::XmitnsEnabled, 0);
    }
}

// With differential correction the other filters are off on the screen (and
// so in the record when the page is collected).
void filterRules(const PageContext& context) {
    const ParameterRecord& r = context.record;
    constexpr int kOtherFilters[] = {GeneralRow::PosVelFilter, GeneralRow::StaticFilter,
                                     GeneralRow::AltitudeFilter};
    if (r.general(GeneralRow::GpsFixingEnabled) == 0) {
        enableGeneralRow(context, kFactParmsPage, GeneralRow::DiffCorrection, false);
        for (const int row : kOtherFilters) enableGeneralRow(context, kFactParmsPage, row, false);
        return;
    }
    enableGeneralRow(context, kFactParmsPage, GeneralRow::DiffCorrection, true);
    const bool differential = r.general(GeneralRow::DiffCorrection) != 0;
    FieldControls* controls = context.pages.controls(kFactParmsPage);
    for (const int row : kOtherFilters) {
        if (differential && controls != nullptr) controls->setCheckState(generalControl(row), false);
        enableGeneralRow(context, kFactParmsPage, row, !differential);
    }
}

EditOutcome transmitterTypeChosen(const PageContext& context) {
    context.converter.fieldEdited(kFactParmsPage, GeneralRow::XmitterEnblType);
    storeGeneral(context, GeneralRow::XmitnsEnabled, transmits(transmitterType(context.record)) ? 1 : 0);
    context.registry.redisplay(context, Page::Transmitter);
    context.registry.redisplay(context, Page::TransmitterNetwork);
    context.registry.redisplay(context, kFactParmsPage);
    return EditOutcome::Taken;
}

EditOutcome beaconTypeChosen(const PageContext& context) {
    context.converter.fieldEdited(kFactParmsPage, GeneralRow::BeaconType);
    const int type = truncateToInt(context.record.general(GeneralRow::BeaconType));
    storeGeneral(context, GeneralRow::VHFBeaconEnabled, type == 2 || type == 3 ? 1 : 0);
    context.registry.redisplay(context, kFactParmsPage);
    context.registry.redisplay(context, Page::Beacon);
    return EditOutcome::Taken;
}

EditOutcome differentialClicked(const PageContext& context) {
    const bool ticked = checkOf(context, DefinitionTable::General, GeneralRow::DiffCorrection);
    storeGeneral(context, GeneralRow::DiffCorrection, ticked ? 1 : 0);
    storeGeneral(context, GeneralRow::PosVelFilter, ticked ? 0 : 1);
    storeGeneral(context, GeneralRow::AltitudeFilter, ticked ? 0 : 1);
    systemPageRules(context);
    return EditOutcome::Taken;
}

EditOutcome saltWaterClicked(const PageContext& context) {
    const bool ticked = checkOf(context, DefinitionTable::General, GeneralRow::SWSEnabled);
    storeGeneral(context, GeneralRow::OOWThreshold, ticked ? kSaltWaterThreshold : 0);
    storeGeneral(context, GeneralRow::SWSEnabled, ticked ? 1 : 0);
    context.registry.redisplay(context, Page::Misc);
    systemPageRules(context);
    return EditOutcome::Taken;
}

EditOutcome encryptionClicked(const PageContext& context) {
    if (checkOf(context, DefinitionTable::General, GeneralRow::XmitEncryption)) {
        storeGeneral(context, GeneralRow::XmitEncryption, 1);
    } else {
        for (const int row : {GeneralRow::XmitEncryption, GeneralRow::TimeEncode, GeneralRow::PNSeedValue,
                              GeneralRow::PNTimeEncode})
            storeGeneral(context, row, 0);
    }
    return EditOutcome::Taken;
}

EditOutcome synthesizerClicked(const PageContext& context, int row, int companion) {
    storeRadioPair(context, row, companion, checkOf(context, DefinitionTable::General, row) ? 1 : 0);
    systemPageRules(context);
    return EditOutcome::Taken;
}

// Stored as it is typed; what goes beyond the limit is refused as typed: the
// edit shows the text it held before (the rest of the notes is not cut off).
EditOutcome notesTyped(const PageContext& context) {
    const std::string text = textOf(context, DefinitionTable::String, StringRow::SSTNotes);
    std::string& stored = context.record.text(StringRow::SSTNotes);
    if (text.size() <= static_cast<std::size_t>(kSstNotesLimit)) {
        context.converter.storeText(stored, text, kFactParmsPage, StringRow::SSTNotes);
        return EditOutcome::Taken;
    }
    // The text goes back while the user is still in the edit, before the box takes the focus.
    setPageText(context, kFactParmsPage, valueControl(DefinitionTable::String, StringRow::SSTNotes),
                stored.size() <= static_cast<std::size_t>(kSstNotesLimit)
                    ? stored
                    : stored.substr(0, static_cast<std::size_t>(kSstNotesLimit)));
    context.log.error("%s", notesLimitMessage(kSstNotesLimit).c_str());
    return EditOutcome::Refused;
}

EditOutcome programFactoryPressed(const PageContext& context) {
    storeTabFields(Tab::FactParms, context.converter, context.pages, context.record);
    if (context.log.choice("%s", kProgramFactoryQuestion) != kAnswerYes) return EditOutcome::Taken;
    context.host.startFactoryOperation(FactoryOperation::Program);
    return EditOutcome::Taken;
}

EditOutcome readFactoryPressed(const PageContext& context) {
    context.host.startFactoryOperation(FactoryOperation::Read);
    return EditOutcome::Taken;
}

}  // namespace

void systemPageRules(const PageContext& context) {
    hideTransmitterControls(context);
    const ParameterRecord& r = context.record;
    FieldControls* controls = context.pages.controls(kFactParmsPage);
    if (controls != nullptr)
        controls->setCheckState(generalControl(GeneralRow::SynthOld), r.general(GeneralRow::SynthSel) == 0);
    const int mask = context.host.user().mask;
    if (mask != kMaskEngineer && mask != kMaskCoordinator) return;
    transmitterTypeRules(context);
    filterRules(context);
    if (controls != nullptr) {
        controls->setCheckState(generalControl(GeneralRow::SWSEnabled),
                                r.general(GeneralRow::OOWThreshold) != 0);
    }
}

void registerSystemPage(PageHandlerRegistry& registry) {
    registry.setPageRules(kFactParmsPage, systemPageRules);
    registry.onChanged(generalControl(GeneralRow::XmitterEnblType), transmitterTypeChosen);
    registry.onChanged(generalControl(GeneralRow::BeaconType), beaconTypeChosen);
    registry.onChanged(generalControl(GeneralRow::DiffCorrection), differentialClicked);
    registry.onChanged(generalControl(GeneralRow::SWSEnabled), saltWaterClicked);
    registry.onChanged(generalControl(GeneralRow::XmitEncryption), encryptionClicked);
    registry.onChanged(generalControl(GeneralRow::SynthOld), [](const PageContext& c) {
        return synthesizerClicked(c, GeneralRow::SynthOld, GeneralRow::SynthSel);
    });
    registry.onChanged(generalControl(GeneralRow::SynthSel), [](const PageContext& c) {
        return synthesizerClicked(c, GeneralRow::SynthSel, GeneralRow::SynthOld);
    });
    registry.onChanged(valueControl(DefinitionTable::String, StringRow::SSTNotes), notesTyped);
    registry.onChanged(controlRowControl(ControlRow::ProgramFactoryButton), programFactoryPressed);
    registry.onChanged(controlRowControl(ControlRow::ReadFactoryButton), readFactoryPressed);
}

void factoryOperationFinished(const PageContext& context) {
    context.registry.redisplay(context, kFactParmsPage);
}

}  // namespace orv
