#include "tab_page.h"

#include <QVBoxLayout>

#include "schedule_page.h"
#include "simulation_page.h"

namespace orv {

TabPage::TabPage(Tab tab, BinderContext context, QWidget* parent)
    : QWidget(parent), pageTab(tab), context(std::move(context)) {}

// The binders go first: their widgets must not report to them while going.
TabPage::~TabPage() {
    binders.clear();
}

FieldControls* TabPage::controls(Page page) {
    for (const auto& binder : binders) {
        if (binder->page() == page) return &binder->controls();
    }
    return nullptr;
}

FieldBinder& TabPage::bind(Page page, QWidget* form) {
    for (const auto& binder : binders) {
        if (binder->page() == page) return *binder;
    }
    binders.push_back(std::make_unique<FieldBinder>(page, form != nullptr ? form : this, context));
    return *binders.back();
}

std::unique_ptr<TabPage> createTabPage(Tab tab, const BinderContext& context) {
    if (tab == Tab::Schedule) return std::make_unique<SchedulePage>(context);
    if (tab == Tab::ScheduleTable) return std::make_unique<ScheduleTablePage>(context);
    if (tab == Tab::Simulation) return std::make_unique<SimulationPage>(context);
    auto page = std::make_unique<TabPage>(tab, context);
    auto* layout = new QVBoxLayout(page.get());
    layout->addStretch();
    return page;
}

}  // namespace orv
