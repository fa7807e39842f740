#pragma once

// A list a view shows: a combo box or a list box of the window (which
// implements this), or a plain vector for orvctl and the tests. Its callers
// fill it from the texts the database reads.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Texts read for a list. When the database could not be opened nothing was
// read (and the list is left as it is); when the read failed halfway (shown,
// or a value that is no text) texts holds those before the failure.
struct TextList {
    std::vector<std::string> texts;
    bool opened = true;
    bool complete = true;
    bool ok() const { return opened && complete; }
};

class ChoiceList {
public:
    virtual ~ChoiceList() = default;
    virtual void clear() = 0;
    virtual void add(const std::string& entry) = 0;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0;
    virtual void replace(int index, const std::string& entry) = 0;
    virtual void select(int index) = 0;  // -1 for none
    virtual int selected() const = 0;    // -1 for none
};

// The first entry that begins with text, ignoring letter case (as the list
// controls search); -1 when there is none.
int findByPrefix(const ChoiceList& list, std::string_view text);

// The entry equal to text ignoring letter case; -1 when there is none.
int findEqualEntry(const ChoiceList& list, std::string_view text);

// Selects the entry findByPrefix finds and returns its index; the selection
// stays as it was when there is none (-1).
int selectByPrefix(ChoiceList& list, std::string_view text);

// The selected entry, or "" when nothing is selected.
std::string selectedEntry(const ChoiceList& list);

// Puts what was read into list (emptied first) and selects the first entry;
// 0 when everything was read, else 1.
int fillList(ChoiceList& list, const TextList& read);

class VectorChoiceList : public ChoiceList {
public:
    void clear() override {
        entries.clear();
        current = -1;
    }
    void add(const std::string& entry) override { entries.push_back(entry); }
    int count() const override { return static_cast<int>(entries.size()); }
    std::string entry(int index) const override {
        return index >= 0 && index < count() ? entries[static_cast<std::size_t>(index)] : std::string();
    }
    void replace(int index, const std::string& entry) override {
        if (index >= 0 && index < count()) entries[static_cast<std::size_t>(index)] = entry;
    }
    void select(int index) override { current = index >= 0 && index < count() ? index : -1; }
    int selected() const override { return current; }

    std::vector<std::string> entries;
    int current = -1;
};

}  // namespace orv
