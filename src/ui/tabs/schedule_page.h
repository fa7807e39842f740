#pragma once

#include <memory>

#include "tabs/tab_page.h"

class QTabWidget;

namespace orv {

class SeasonPage;
class ScheduleTableView;

// The Schedule tab: the season's own fields above, the GPS and transmitter
// duty-cycle panels on two inner tabs below. Layout bound by the field
// binder; the rules are SeasonPage's, registered with the page handler
// registry as orvctl registers them.
class SchedulePage : public TabPage {
    Q_OBJECT
public:
    explicit SchedulePage(const BinderContext& context, QWidget* parent = nullptr);
    ~SchedulePage() override;

    void pageShown(Page page) override;

    SeasonPage& rules();
    QTabWidget* blockTabs() const { return blocks; }

private:
    class Forms;
    QWidget* buildSeasonArea();
    QWidget* buildGpsPanel();
    QWidget* buildTransmitterPanel();

    std::unique_ptr<Forms> forms;
    std::unique_ptr<SeasonPage> season;
    QTabWidget* blocks = nullptr;
};

// The Schedule Table tab: the grid of all twelve seasons.
class ScheduleTablePage : public TabPage {
    Q_OBJECT
public:
    explicit ScheduleTablePage(const BinderContext& context, QWidget* parent = nullptr);

    ScheduleTableView& grid() const { return *view; }

    // The record was shown again (loaded, read, imported, defaults): the grid follows it.
    void pageShown(Page page) override;

private:
    ScheduleTableView* view;
};

}  // namespace orv
