#include "pages/network_page.h"

#include "app/message_log.h"
#include "binding/field_converter.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "model/record.h"
#include "model/text_forms.h"
#include "pages/pages_messages.h"

namespace orv {

namespace {

constexpr Page kNetworkPage = Page::TransmitterNetwork;

struct AddressField {
    int textRow;
    int valueRow;
};
constexpr AddressField kAddressFields[] = {{StringRow::NetIPAddr, GeneralRow::NetworkIPAddressValue},
                                           {StringRow::IPSubMask, GeneralRow::IPSubNetMaskValue}};

// Digits and dots only, the dots put in as the fields fill.
EditOutcome addressTyped(const PageContext& context, const AddressField& field) {
    const std::string typed = textOf(context, DefinitionTable::String, field.textRow);
    const std::string kept = typedAddress(typed);
    if (kept != typed)
        setPageText(context, kNetworkPage, valueControl(DefinitionTable::String, field.textRow), kept);
    return EditOutcome::Taken;
}

EditOutcome addressLeft(const PageContext& context, const AddressField& field) {
    const std::string text = textOf(context, DefinitionTable::String, field.textRow);
    if (text == context.record.text(field.textRow)) return EditOutcome::Taken;  // left as shown: no edit
    const auto value = addressValue(text);
    const int id = valueControl(DefinitionTable::String, field.textRow);
    if (!value) {
        context.log.error("%s", badAddressMessage(text, stringDefinitions()[field.textRow].label).c_str());
        context.host.setFocus(kNetworkPage, id);
        return EditOutcome::Refused;
    }
    const std::string shown = addressText(*value);
    context.converter.storeText(context.record.text(field.textRow), shown, kNetworkPage, field.textRow);
    setPageText(context, kNetworkPage, id, shown);
    storeGeneral(context, field.valueRow, *value);
    return EditOutcome::Taken;
}

EditOutcome holdoffClicked(const PageContext& context) {
    const bool ticked = checkOf(context, DefinitionTable::General, GeneralRow::NetHoldoffEnabled);
    storeGeneral(context, GeneralRow::NetHoldoff, ticked ? 60 : 0);
    storeGeneral(context, GeneralRow::NetHoldoffEnabled, ticked ? 1 : 0);
    networkPageRules(context);
    return EditOutcome::Taken;
}

// A holdoff of 0 while enabled is refused: the value stays, the edit keeps the focus.
EditOutcome holdoffLeft(const PageContext& context) {
    double& slot = context.record.general(GeneralRow::NetHoldoff);
    const double before = slot;
    const double value = context.converter.readField(kNetworkPage, GeneralRow::NetHoldoff);
    if (value != 0 || context.record.general(GeneralRow::NetHoldoffEnabled) != 1) return EditOutcome::Taken;
    context.log.error("%s", kHoldoffZeroMessage);
    slot = before;
    context.host.setFocus(kNetworkPage, valueControl(DefinitionTable::General, GeneralRow::NetHoldoff));
    return EditOutcome::Refused;
}

}  // namespace

void networkPageRules(const PageContext& context) {
    // A record that carries an address only as its value (the defaults, a
    // record stored without the text) shows it as the dotted quad; the text
    // follows the value without counting as a change.
    for (const AddressField& field : kAddressFields) {
        std::string& text = context.record.text(field.textRow);
        if (!text.empty()) continue;
        text = addressText(context.record.general(field.valueRow));
        setPageText(context, kNetworkPage, valueControl(DefinitionTable::String, field.textRow), text);
    }
    enableGeneralRow(context, kNetworkPage, GeneralRow::NetHoldoff,
                     context.record.general(GeneralRow::NetHoldoffEnabled) == 1);
}

void registerNetworkPage(PageHandlerRegistry& registry) {
    registry.setPageRules(kNetworkPage, networkPageRules);
    for (const AddressField& field : kAddressFields) {
        const int id = valueControl(DefinitionTable::String, field.textRow);
        registry.onChanged(id, [&field](const PageContext& c) { return addressTyped(c, field); });
        registry.onLeft(id, [&field](const PageContext& c) { return addressLeft(c, field); });
    }
    registry.onChanged(valueControl(DefinitionTable::General, GeneralRow::NetHoldoffEnabled), holdoffClicked);
    registry.onLeft(valueControl(DefinitionTable::General, GeneralRow::NetHoldoff), holdoffLeft);
}

}  // namespace orv
