#include "binding/memory_page_set.h"

namespace orv {
namespace {

// A distinct, recognisable handle per page for the internal-error message.
std::uintptr_t handleOf(Page page) {
    return 0x1000U + static_cast<std::uintptr_t>(page);
}

std::size_t indexOf(Page page) {
    return static_cast<std::size_t>(page);
}

}  // namespace

MemoryPageSet::MemoryPageSet(bool withAllPages) {
    if (withAllPages) {
        for (int p = 0; p < kPageCount; ++p) {
            addPage(static_cast<Page>(p));
        }
    }
}

MemoryFieldControls& MemoryPageSet::addPage(Page page) {
    auto& slot = pages.at(indexOf(page));
    if (!slot) {
        slot = std::make_unique<MemoryFieldControls>(handleOf(page));
        slot->addPageControls(page);
    }
    return *slot;
}

void MemoryPageSet::removePage(Page page) {
    pages.at(indexOf(page)).reset();
}

MemoryFieldControls* MemoryPageSet::page(Page page) {
    const std::size_t index = indexOf(page);
    return index < pages.size() ? pages[index].get() : nullptr;
}

}  // namespace orv
