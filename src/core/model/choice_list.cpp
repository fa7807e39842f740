#include "model/choice_list.h"

#include <cctype>

#include "app/text_helpers.h"

namespace orv {
namespace {}  // namespace

int findByPrefix(const ChoiceList& list, std::string_view text) {
    for (int i = 0; i < list.count(); ++i) {
        if (startsWithIgnoringCase(list.entry(i), text)) return i;
    }
    return -1;
}

// Used where the lists name devices: a prefix search would pick "05-1000" for
// "05-100", and the window would then show another device than the one asked for.
int findEqualEntry(const ChoiceList& list, std::string_view text) {
    for (int i = 0; i < list.count(); ++i) {
        const std::string entry = list.entry(i);
        if (entry.size() == text.size() && startsWithIgnoringCase(entry, text)) return i;
    }
    return -1;
}

int selectByPrefix(ChoiceList& list, std::string_view text) {
    const int index = findByPrefix(list, text);
    if (index >= 0) list.select(index);
    return index;
}

std::string selectedEntry(const ChoiceList& list) {
    const int index = list.selected();
    return index >= 0 ? list.entry(index) : std::string();
}

int fillList(ChoiceList& list, const TextList& read) {
    if (!read.opened) return 1;
    list.clear();
    for (const std::string& text : read.texts) list.add(text);
    if (list.count() > 0) list.select(0);
    return read.complete ? 0 : 1;
}

}  // namespace orv
