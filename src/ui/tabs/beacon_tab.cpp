// The Beacon tab: the beacon switch, its status and the eight beacon events.

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "binding/page_context.h"
#include "model/definition_rows.h"
#include "model/text_forms.h"
#include "pages/page_controls.h"
#include "tabs/parameter_tabs.h"
#include "widgets/up_down_control.h"

namespace orv {

namespace {

constexpr int kEvents = 8;
constexpr const char* kColumns[] = {
    "Event",         "Pulse Width (ms)", "InterPulse Delay (ms)", "Repeat Delay (ms)",
    "Pulse Pattern", "Repeat Count"};

}  // namespace

BeaconTab::BeaconTab(const BinderContext& binder, PageEnvironment environment)
    : ParameterTabPage(Tab::Beacon, binder, environment) {
    FieldBinder& fields = bind(Page::Beacon);
    auto* outer = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    top->addWidget(flagRow(fields, GeneralRow::VHFBeaconEnabled, "Beacon Enabled"));
    auto* status = new QLabel("Beacon Pulse Patterns Disabled");
    setControlId(status, PageControl::BeaconStatus);
    top->addWidget(status);
    top->addStretch();
    auto* launcher = pageButton("Wren2 Parameters", controlRowControl(ControlRow::BeaconProgramButton));
    top->addWidget(launcher);
    outer->addLayout(top);

    auto* events = new QGroupBox("Beacon Pulse Patterns");
    auto* grid = new QGridLayout(events);
    for (int column = 0; column < 6; ++column) grid->addWidget(new QLabel(kColumns[column]), 0, column);
    for (int n = 0; n < kEvents; ++n) {
        const int line = n + 1;
        const auto cell = [&](int row, int column) {
            // The grid's column titles name the cells: no label and no up-down control.
            const BoundRow bound = fields.row(row, {""});
            delete bound.label;
            delete bound.spin;
            grid->addWidget(bound.value, line, column);
        };
        grid->addWidget(new QLabel(QString::number(n + 1)), line, 0);
        cell(GeneralRow::VHFPW1 + n, 1);
        cell(GeneralRow::VHFIPD1 + n, 2);
        cell(GeneralRow::VHFRpdly1 + n, 3);
        const BoundRow pattern = fields.text(StringRow::VHFPattern1 + n, {""});
        delete pattern.label;
        auto* edit = qobject_cast<QLineEdit*>(pattern.value);
        edit->setMaxLength(kPatternPulses);
        grid->addWidget(edit, line, 4);
        cell(GeneralRow::VHFRcnt1 + n, 5);
        hiddenRow(fields, GeneralRow::VHFPatternMap1 + n);
        hiddenRow(fields, GeneralRow::VHFPatternMap1Len + n);
    }
    outer->addWidget(events);
    outer->addStretch();
    applyAccessToForms({Page::Beacon});
}

}  // namespace orv
