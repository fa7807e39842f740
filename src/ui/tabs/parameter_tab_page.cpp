#include "tabs/parameter_tab_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "binding/control_access.h"
#include "binding/page_context.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "model/access.h"
#include "widgets/marker_label.h"
#include "widgets/up_down_control.h"

namespace orv {

ParameterTabPage::ParameterTabPage(Tab tab, const BinderContext& binder, PageEnvironment environment)
    : TabPage(tab, binder), environment(environment) {}

void ParameterTabPage::pageShown(Page page) {
    pageContext().registry.rules(pageContext(), page);
}

namespace {

// The grid's room beyond a row's four columns (label, value, up-down control,
// extra) takes what the window gives beyond what the fields need, so each
// field keeps the width of its content.
void keepFieldsCompact(QGridLayout* grid) {
    grid->setColumnStretch(4, 1);
}

}  // namespace

BoundRow ParameterTabPage::placeRow(FieldBinder& fields, QGridLayout* grid, int line, int row,
                                    RowTexts texts) {
    const BoundRow bound = fields.row(row, texts);
    keepFieldsCompact(grid);
    if (bound.label) grid->addWidget(bound.label, line, 0);
    if (bound.value && bound.spin) {
        // The up-down control sits against its edit, whatever the column's width.
        auto* pair = new QHBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(bound.value);
        pair->addWidget(bound.spin);
        pair->addStretch();
        grid->addLayout(pair, line, 1, 1, 2);
    } else if (bound.value) {
        grid->addWidget(bound.value, line, 1);
    }
    if (bound.extra) grid->addWidget(bound.extra, line, 3);
    return bound;
}

BoundRow ParameterTabPage::placeText(FieldBinder& fields, QGridLayout* grid, int line, int stringRow,
                                     RowTexts texts, QWidget* value) {
    const BoundRow bound = fields.text(stringRow, texts, value);
    keepFieldsCompact(grid);
    if (bound.label) grid->addWidget(bound.label, line, 0);
    if (bound.value) grid->addWidget(bound.value, line, 1, 1, 3);
    return bound;
}

QWidget* ParameterTabPage::flagRow(FieldBinder& fields, int row, const char* caption,
                                   QAbstractButton* button) {
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new MarkerLabel(caption);
    const BoundRow bound = fields.adopt(row, button != nullptr ? button : new QCheckBox, label);
    layout->addWidget(bound.value);
    layout->addWidget(label);
    layout->addStretch();
    return holder;
}

QWidget* ParameterTabPage::radioRow(FieldBinder& fields, int row, const char* caption, QButtonGroup* group) {
    auto* radio = new QRadioButton;
    group->addButton(radio);
    return flagRow(fields, row, caption, radio);
}

void ParameterTabPage::hiddenRow(FieldBinder& fields, int row) {
    const BoundRow bound = fields.row(row);
    for (QWidget* widget : {static_cast<QWidget*>(bound.label), bound.value,
                            static_cast<QWidget*>(bound.spin), static_cast<QWidget*>(bound.extra)}) {
        if (widget != nullptr) widget->hide();
    }
}

QPushButton* ParameterTabPage::pageButton(const char* text, int id) {
    auto* button = new QPushButton(text);
    setControlId(button, id);
    connect(button, &QPushButton::clicked, this,
            [this, id] { (void)pageContext().registry.pressed(pageContext(), id); });
    return button;
}

void ParameterTabPage::applyAccessToForms(std::initializer_list<Page> forms) {
    const int mask = pageContext().host.user().mask;
    for (const Page form : forms) {
        FieldControls* controls = this->controls(form);
        if (controls == nullptr) continue;
        for (const DefinitionTable table :
             {DefinitionTable::General, DefinitionTable::String, DefinitionTable::Control})
            applyAccess(*controls, form, definitionTable(table), mask, true);
    }
}

}  // namespace orv
