#include "pages/transmitter_page.h"

#include <span>
#include <utility>

#include "app/message_log.h"
#include "binding/field_converter.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "image/ptt_id.h"
#include "model/lists.h"
#include "model/numeric.h"
#include "model/record.h"
#include "model/text_forms.h"
#include "model/transmitter_type.h"
#include "pages/page_controls.h"
#include "pages/pages_messages.h"

namespace orv {

namespace {

constexpr Page kTransmitterPage = Page::Transmitter;

constexpr int kTimeEncodeRows[] = {GeneralRow::TimeEncodeTypeNone, GeneralRow::TimeEncodeType1,
                                   GeneralRow::TimeEncodeType2};
constexpr int kFrequencyRows[] = {GeneralRow::SelectSpecificFrequency, GeneralRow::SelectTableFrequency,
                                  GeneralRow::SelectTableChannel};

void encryptionRules(const PageContext& context) {
    ParameterRecord& r = context.record;
    const bool encryption = r.general(GeneralRow::XmitEncryption) == 1;
    if (!encryption) {
        for (const int row : {GeneralRow::TimeEncode, GeneralRow::PNTimeEncode, GeneralRow::PNSeedValue})
            storeGeneral(context, row, 0);
    }
    for (const int row : kTimeEncodeRows) showGeneralRow(context, kTransmitterPage, row, encryption);
    showGeneralRow(context, kTransmitterPage, GeneralRow::PNSeedValue, encryption);
    context.converter.showControl(kTransmitterPage, PageControl::EncryptionGroup, encryption);
    const int timeEncode = truncateToInt(r.general(GeneralRow::TimeEncode));
    for (int n = 0; n < 3; ++n) showCompanion(context, kTimeEncodeRows[n], timeEncode == n);
    if (encryption) {
        enableGeneralRow(context, kTransmitterPage, GeneralRow::PNSeedValue,
                         r.general(GeneralRow::XmitnsEnabled) != 0 && timeEncode != 0);
    }
}

void frequencyRules(const PageContext& context) {
    for (const int row : {GeneralRow::SpecifiedPTTFreq, GeneralRow::ArgosCh, GeneralRow::BrazilCh})
        showGeneralRow(context, kTransmitterPage, row, false);
    const int index = truncateToInt(context.record.general(GeneralRow::SelectFreqIndex));
    for (int n = 0; n < 3; ++n) showCompanion(context, kFrequencyRows[n], index == n + 1);
    if (index == 1) showGeneralRow(context, kTransmitterPage, GeneralRow::SpecifiedPTTFreq, true);
    if (index == 2) showGeneralRow(context, kTransmitterPage, GeneralRow::ArgosCh, true);
    if (index == 3) showGeneralRow(context, kTransmitterPage, GeneralRow::BrazilCh, true);
}

EditOutcome timeEncodeChosen(const PageContext& context, int type) {
    if (!checkOf(context, DefinitionTable::General, kTimeEncodeRows[type])) {
        context.registry.redisplay(context, kTransmitterPage);
        return EditOutcome::Taken;
    }
    storeGeneral(context, GeneralRow::TimeEncode, type);
    storeGeneral(context, GeneralRow::PNTimeEncode, type == 2 ? 1 : 0);
    if (type == 0) storeGeneral(context, GeneralRow::PNSeedValue, 0);
    context.registry.redisplay(context, kTransmitterPage);
    return EditOutcome::Taken;
}

EditOutcome frequencyChosen(const PageContext& context, int index) {
    if (checkOf(context, DefinitionTable::General, kFrequencyRows[index - 1]))
        storeGeneral(context, GeneralRow::SelectFreqIndex, index);
    context.registry.redisplay(context, kTransmitterPage);
    return EditOutcome::Taken;
}

// A channel list's entry chosen: the frequency it stands for becomes the specified one.
EditOutcome channelChosen(const PageContext& context, int row, std::span<const double> frequencies) {
    const double channel = context.converter.readField(kTransmitterPage, row);
    context.converter.showField(kTransmitterPage, row);
    const int index = truncateToInt(channel);
    if (index >= 0 && static_cast<std::size_t>(index) < frequencies.size())
        storeGeneral(context, GeneralRow::SpecifiedPTTFreq, frequencies[static_cast<std::size_t>(index)]);
    context.registry.redisplay(context, kTransmitterPage);
    return EditOutcome::Taken;
}

// Typing a new PTT ID code: the hex text no longer belongs to it.
EditOutcome pttIdTyped(const PageContext& context) {
    context.converter.markChanged(kTransmitterPage, DefinitionTable::General, GeneralRow::PttIdCode);
    setPageText(context, kTransmitterPage, valueControl(DefinitionTable::String, StringRow::IDHexValue), "0");
    context.converter.storeText(context.record.text(StringRow::IDHexValue), "0", kTransmitterPage,
                                StringRow::IDHexValue);
    return EditOutcome::Taken;
}

EditOutcome pttIdLeft(const PageContext& context) {
    context.converter.fieldEdited(kTransmitterPage, GeneralRow::PttIdCode);
    context.registry.redisplay(context, kTransmitterPage);
    const bool rootRange = context.record.general(GeneralRow::PttIdCode) >= kRootIdRangeStart;
    context.host.setFocus(kTransmitterPage, rootRange
                                                ? valueControl(DefinitionTable::String, StringRow::IDHexValue)
                                                : generalControl(GeneralRow::PttPriInterval));
    return EditOutcome::Taken;
}

EditOutcome idHexLeft(const PageContext& context) {
    const std::string text = textOf(context, DefinitionTable::String, StringRow::IDHexValue);
    const auto parts = decodeIdHex(text);
    if (!parts) {
        context.log.error("%s", badIdHexMessage(text).c_str());
        context.host.setFocus(kTransmitterPage, valueControl(DefinitionTable::String, StringRow::IDHexValue));
        return EditOutcome::Refused;
    }
    context.converter.storeText(context.record.text(StringRow::IDHexValue), text, kTransmitterPage,
                                StringRow::IDHexValue);
    storeGeneral(context, GeneralRow::RootIDCode, static_cast<double>(parts->rootId));
    storeGeneral(context, GeneralRow::ExtensionAndProtectionCode, static_cast<double>(parts->extension));
    context.registry.redisplay(context, kTransmitterPage);
    return EditOutcome::Taken;
}

EditOutcome transmissionsClicked(const PageContext& context) {
    context.converter.fieldEdited(kTransmitterPage, GeneralRow::XmitnsEnabled);
    context.converter.enforceArgosMinutes();
    transmitterPageRules(context);
    return EditOutcome::Taken;
}

EditOutcome powerClicked(const PageContext& context, int row, int companion) {
    storeRadioPair(context, row, companion, checkOf(context, DefinitionTable::General, row) ? 1 : 0);
    return EditOutcome::Taken;
}

// Stored on every change of the edit that the field takes as typed; the text
// stays as the user types it (no notice, no rewrite under the caret), and an
// entry out of range gets its one notice when the edit is left.
EditOutcome storeOnChange(const PageContext& context, int row) {
    context.converter.storeTyped(kTransmitterPage, row);
    return EditOutcome::Taken;
}

}  // namespace

void transmitterPageRules(const PageContext& context) {
    ParameterRecord& r = context.record;
    const TransmitterType type = wholeTransmitterType(r);
    if (isArgos(type)) {
        setPageText(context, kTransmitterPage, PageControl::TransmitterState,
                    type == TransmitterType::Petrel ? "Petrel Transmitter Enabled"
                                                    : "Petrel w/Power Select Transmitter Enabled");
        storeGeneral(context, GeneralRow::XmitnsEnabled, 1);
    } else if (type == TransmitterType::None) {
        setPageText(context, kTransmitterPage, PageControl::TransmitterState, "Transmitter Disabled");
        storeGeneral(context, GeneralRow::XmitnsEnabled, 0);
    }
    const bool on = r.general(GeneralRow::XmitnsEnabled) != 0;
    const auto rows = generalDefinitions();
    for (int row = 0; row < kGeneralCount; ++row) {
        if (rows[static_cast<std::size_t>(row)].page == kTransmitterPage && row != GeneralRow::XmitnsEnabled)
            enableGeneralRow(context, kTransmitterPage, row, on);
    }
    encryptionRules(context);
    for (const int row : {GeneralRow::PowerLevelHalfWatt, GeneralRow::PwrLevelSel})
        showGeneralRow(context, kTransmitterPage, row, type == TransmitterType::PetrelWithPowerSelect);
    context.converter.showControl(kTransmitterPage, PageControl::PowerGroup,
                                  type == TransmitterType::PetrelWithPowerSelect);
    showCompanion(context, GeneralRow::PowerLevelHalfWatt, r.general(GeneralRow::PwrLevelSel) == 0);
    enableRow(context, kTransmitterPage, DefinitionTable::String, StringRow::IDHexValue,
              on && r.general(GeneralRow::PttIdCode) >= kRootIdRangeStart);
    frequencyRules(context);
}

void registerTransmitterPage(PageHandlerRegistry& registry) {
    registry.setPageRules(kTransmitterPage, transmitterPageRules);
    registry.onChanged(generalControl(GeneralRow::XmitnsEnabled), transmissionsClicked);
    for (int type = 0; type < 3; ++type) {
        registry.onChanged(generalControl(kTimeEncodeRows[type]),
                           [type](const PageContext& c) { return timeEncodeChosen(c, type); });
    }
    for (int index = 1; index <= 3; ++index) {
        registry.onChanged(generalControl(kFrequencyRows[index - 1]),
                           [index](const PageContext& c) { return frequencyChosen(c, index); });
    }
    const std::pair<int, std::span<const double>> channelRows[] = {
        {GeneralRow::ArgosCh, argosChannelFrequencies()}, {GeneralRow::BrazilCh, brazilChannelFrequencies()}};
    for (const auto& channelRow : channelRows) {
        registry.onChanged(generalControl(channelRow.first), [channelRow](const PageContext& c) {
            return channelChosen(c, channelRow.first, channelRow.second);
        });
    }
    registry.onChanged(generalControl(GeneralRow::PowerLevelHalfWatt), [](const PageContext& c) {
        return powerClicked(c, GeneralRow::PowerLevelHalfWatt, GeneralRow::PwrLevelSel);
    });
    registry.onChanged(generalControl(GeneralRow::PwrLevelSel), [](const PageContext& c) {
        return powerClicked(c, GeneralRow::PwrLevelSel, GeneralRow::PowerLevelHalfWatt);
    });
    registry.onChanged(generalControl(GeneralRow::PttIdCode), pttIdTyped);
    registry.onLeft(generalControl(GeneralRow::PttIdCode), pttIdLeft);
    registry.onLeft(valueControl(DefinitionTable::String, StringRow::IDHexValue), idHexLeft);
    registry.onChanged(generalControl(GeneralRow::PNSeedValue),
                       [](const PageContext& c) { return storeOnChange(c, GeneralRow::PNSeedValue); });
}

}  // namespace orv
