#pragma once

#include <QWidget>
#include <memory>

#include "model/page.h"
#include "qt_field_controls.h"
#include "workflow/tabs.h"

namespace orv {

// One page of the main window's tab control. Every page offers its controls
// (through which the workflows store and show the record) and a hook for its
// own rules after a show. A page whose parameter controls are not built yet
// offers no controls: storing and showing it then does nothing.
class TabPage : public QWidget {
    Q_OBJECT
public:
    TabPage(Tab tab, QWidget* parent = nullptr);

    Tab tab() const { return pageTab; }

    // The controls of one of the page's forms (both Transmitter forms, the
    // Schedule panels live on their tab's page); nullptr when not built.
    virtual FieldControls* controls(Page page);

    // The page's own rules after its rows were shown.
    virtual void pageShown(Page page) { (void)page; }

private:
    Tab pageTab;
};

// The page for a tab: those not built yet are empty TabPages.
std::unique_ptr<TabPage> createTabPage(Tab tab);

}  // namespace orv
