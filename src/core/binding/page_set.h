#pragma once

#include <string>

#include "binding/field_controls.h"
#include "model/page.h"

namespace orv {

// The windows the field converter works on: the main window implements it
// over its tab pages, orvctl and tests over pages held in memory.
class PageSet {
public:
    virtual ~PageSet() = default;

    // The controls of a page; nullptr while its window does not exist.
    virtual FieldControls* controls(Page page) = 0;

    // The main window's title, which carries the unsaved-changes marker " *".
    virtual std::string windowTitle() const = 0;
    virtual void setWindowTitle(const std::string& title) = 0;

    // Label markers are put on only once every tab page has been created.
    virtual bool allTabPagesExist() const = 0;
};

}  // namespace orv
