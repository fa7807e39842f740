#include "tab_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orv {

TabPage::TabPage(Tab tab, QWidget* parent) : QWidget(parent), pageTab(tab) {}

FieldControls* TabPage::controls(Page /*page*/) {
    return nullptr;
}

std::unique_ptr<TabPage> createTabPage(Tab tab) {
    auto page = std::make_unique<TabPage>(tab);
    auto* layout = new QVBoxLayout(page.get());
    layout->addStretch();
    return page;
}

}  // namespace orv
