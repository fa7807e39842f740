#pragma once

#include <array>
#include <memory>
#include <string>

#include "binding/memory_field_controls.h"
#include "binding/page_set.h"

namespace orv {

// Pages held in memory, each created with every control its rows name.
class MemoryPageSet : public PageSet {
public:
    // withAllPages: every page exists from the start (what orvctl wants).
    explicit MemoryPageSet(bool withAllPages = false);

    // Creates the page (with the controls of its rows) unless it exists.
    MemoryFieldControls& addPage(Page page);
    void removePage(Page page);
    // The page, or nullptr when it was not created.
    MemoryFieldControls* page(Page page);

    FieldControls* controls(Page page) override { return this->page(page); }
    std::string windowTitle() const override { return title; }
    void setWindowTitle(const std::string& text) override { title = text; }
    bool allTabPagesExist() const override { return tabPagesExist; }

    std::string title;
    bool tabPagesExist = true;

private:
    std::array<std::unique_ptr<MemoryFieldControls>, kPageCount> pages;
};

}  // namespace orv
