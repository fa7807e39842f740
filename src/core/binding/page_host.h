#pragma once

#include <vector>

#include "model/page.h"

namespace orv {

// The factory-area operations the Fact. Parms page starts on the device worker.
enum class FactoryOperation { Read, Program };

// What the pages need of the window beyond their controls and the record: the
// logged-in user, the focus, and the operations that leave the page.
class PageHost {
public:
    virtual ~PageHost() = default;

    // The logged-in user's access mask (the access code of the password database).
    virtual int userMask() const = 0;
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
    explicit HeadlessPageHost(int mask) : mask(mask) {}

    int userMask() const override { return mask; }
    void setFocus(Page page, int controlId) override {
        focusPage = page;
        focusControl = controlId;
    }
    void launchBeaconProgram() override { ++beaconProgramLaunches; }
    void startFactoryOperation(FactoryOperation operation) override {
        factoryOperations.push_back(operation);
    }

    int mask;
    Page focusPage = Page::Main;
    int focusControl = 0;
    int beaconProgramLaunches = 0;
    std::vector<FactoryOperation> factoryOperations;
};

}  // namespace orv
