#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "binding/tabs.h"
#include "field_binder.h"
#include "model/page.h"

namespace orv {

// One page of the main window's tab control: layout whose rows a FieldBinder
// binds (see field_binder.h), plus a hook for the page's own rules after a
// show. The workflows store and show the record through the controls of the
// page's bound forms; a page that binds nothing offers no controls, and
// storing and showing it then does nothing.
class TabPage : public QWidget {
    Q_OBJECT
public:
    TabPage(Tab tab, BinderContext context, QWidget* parent = nullptr);
    ~TabPage() override;

    Tab tab() const { return pageTab; }

    // The controls of one of the page's forms (both Transmitter forms, the
    // Schedule panels live on their tab's page); nullptr when it binds none.
    FieldControls* controls(Page page);
    // The row a value widget of one of the page's forms is bound to.
    std::optional<PageRow> rowOf(const QObject* widget) const;

    // The page's own rules after its rows were shown.
    virtual void pageShown(Page page) { (void)page; }

protected:
    // The binder of one of the page's forms, made on first use; its widgets
    // live under form (the page itself when none is given).
    FieldBinder& bind(Page page, QWidget* form = nullptr);
    const BinderContext& binderContext() const { return context; }

private:
    Tab pageTab;
    BinderContext context;
    std::vector<std::unique_ptr<FieldBinder>> binders;
};

}  // namespace orv
