#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "binding/field_controls.h"
#include "model/definitions.h"

namespace orv {

// A page of controls held in memory: what orvctl types into and what tests
// use as the page. Only declared controls exist; calls on any other id are
// ignored, as on a real page.
class MemoryFieldControls : public FieldControls {
public:
    struct Control {
        std::string text;
        std::vector<std::string> items;
        int selection = -1;
        bool check = false;
        int spinLow = 0;
        int spinHigh = 0;
        int spinPosition = 0;
        bool shown = true;
        bool enabled = true;
    };

    explicit MemoryFieldControls(std::uintptr_t pageHandle = 0) : pageHandle(pageHandle) {}

    // Declares a control (again: keeps its state).
    void addControl(int id);
    void removeControl(int id);
    // The value control, up-down, label (with the row's label as its text) and
    // extra static of a row, whichever it names; a combo gets the row's entries.
    void addRowControls(DefinitionTable table, int row);
    // Every row of every definition table that lives on the page.
    void addPageControls(Page page);

    // The state of a declared control; nullptr for any other id.
    const Control* control(int id) const;

    bool hasControl(int id) const override;
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    int comboSelection(int id) const override;
    void setComboSelection(int id, int index) override;
    void setComboItems(int id, const std::vector<std::string>& items) override;
    bool checkState(int id) const override;
    void setCheckState(int id, bool checked) override;
    void setSpinRange(int id, int low, int high) override;
    int spinPosition(int id) const override;
    void setSpinPosition(int id, int position) override;
    void showControl(int id, bool show) override;
    void enableControl(int id, bool enable) override;
    std::uintptr_t handle() const override { return pageHandle; }

private:
    Control* find(int id);

    std::uintptr_t pageHandle;
    std::map<int, Control> controls;
};

}  // namespace orv
