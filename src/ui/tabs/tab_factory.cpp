#include "tabs/tab_factory.h"

#include <QVBoxLayout>

#include "tabs/schedule_page.h"
#include "tabs/simulation_page.h"

namespace orv {

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
