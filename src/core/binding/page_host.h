#pragma once

#include <utility>
#include <vector>

#include "model/logged_in_user.h"
#include "model/page.h"

namespace orv {

// The factory-area operations the Fact. Parms page starts on the device worker.
enum class FactoryOperation { Read, Program };

// What the pages need of the window beyond their controls and the record: the
// logged-in user, the focus, and the operations that leave the page.
class PageHost {
public:
    virtual ~PageHost() = default;

    // The logged-in user, whose access mask decides what the pages show and enable.
    virtual const LoggedInUser& user() const = 0;
    // Puts the keyboard focus on a control of a page.
    virtual void setFocus(Page page, int controlId) = 0;
    // Starts the separate beacon configuration program.
    virtual void launchBeaconProgram() = 0;
    // Starts a factory-area operation on the device worker; the page is
    // redisplayed when the worker completes (factoryOperationFinished).
    virtual void startFactoryOperation(FactoryOperation operation) = 0;
};

// The host of pages without a window (orvctl, tests): it keeps what was asked of it.
class HeadlessPageHost : public PageHost {
public:
    explicit HeadlessPageHost(LoggedInUser user) : loggedIn(std::move(user)) {}

    const LoggedInUser& user() const override { return loggedIn; }
    void setFocus(Page page, int controlId) override {
        focusPage = page;
        focusControl = controlId;
    }
    void launchBeaconProgram() override { ++beaconProgramLaunches; }
    void startFactoryOperation(FactoryOperation operation) override {
        factoryOperations.push_back(operation);
    }

    LoggedInUser loggedIn;
    Page focusPage = Page::Main;
    int focusControl = 0;
    int beaconProgramLaunches = 0;
    std::vector<FactoryOperation> factoryOperations;
};

}  // namespace orv
