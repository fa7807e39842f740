#pragma once

#include <functional>

#include "binding/page_host.h"

namespace orv {

class PageSet;

// The window as the pages' host: the logged-in user, the focus on a
// page's control, and the operations the window runs for the pages.
class QtPageHost : public PageHost {
public:
    QtPageHost(PageSet& pages, const LoggedInUser& user, std::function<void()> launchBeacon,
               std::function<void(FactoryOperation)> startFactory);

    const LoggedInUser& user() const override { return loggedIn; }
    void setFocus(Page page, int controlId) override;
    void launchBeaconProgram() override { launchBeacon(); }
    void startFactoryOperation(FactoryOperation operation) override { startFactory(operation); }

private:
    PageSet& pages;
    const LoggedInUser& loggedIn;
    std::function<void()> launchBeacon;
    std::function<void(FactoryOperation)> startFactory;
};

}  // namespace orv
