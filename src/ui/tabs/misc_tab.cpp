// The Misc. tab: the salt-water switch thresholds.

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/definition_rows.h"
#include "pages/page_controls.h"
#include "tabs/parameter_tabs.h"

namespace orv {

MiscTab::MiscTab(const BinderContext& binder, PageEnvironment environment)
    : ParameterTabPage(Tab::Misc, binder, environment) {
    FieldBinder& fields = bind(Page::Misc);
    auto* outer = new QVBoxLayout(this);
    auto* group = new QGroupBox("Salt Water Switch");
    auto* grid = new QGridLayout(group);
    auto* status = new QLabel("Salt-Water Switch Disabled");
    setControlId(status, PageControl::SaltWaterStatus);
    grid->addWidget(status, 0, 0, 1, 4);
    placeRow(fields, grid, 1, GeneralRow::OOWThreshold);
    placeRow(fields, grid, 2, GeneralRow::UWThreshold);
    placeRow(fields, grid, 3, GeneralRow::FailsafeThreshold, {nullptr, "sec"});
    placeRow(fields, grid, 4, GeneralRow::HauloutThreshold, {nullptr, "sec"});
    outer->addWidget(group);
    outer->addStretch();
    applyAccessToForms({Page::Misc});
}

}  // namespace orv
