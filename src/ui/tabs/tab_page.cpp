#include "tabs/tab_page.h"

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

std::optional<PageRow> TabPage::rowOf(const QObject* widget) const {
    for (const auto& binder : binders) {
        if (auto row = binder->rowOf(widget)) return row;
    }
    return std::nullopt;
}

FieldBinder& TabPage::bind(Page page, QWidget* form) {
    for (const auto& binder : binders) {
        if (binder->page() == page) return *binder;
    }
    binders.push_back(std::make_unique<FieldBinder>(page, form != nullptr ? form : this, context));
    return *binders.back();
}

}  // namespace orv
