#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv {

// The controls of one dialog page, as the core sees them. Identifiers are the
// ids of the definition rows (see definitions.h). Every call on a control the
// page does not have is ignored (getters return empty / 0 / -1).
class FieldControls {
public:
    virtual ~FieldControls() = default;

    virtual bool hasControl(int id) const = 0;

    virtual std::string text(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;

    // Combo boxes: the selected position, -1 when nothing is selected.
    virtual int comboSelection(int id) const = 0;
    virtual void setComboSelection(int id, int index) = 0;
    virtual void setComboItems(int id, const std::vector<std::string>& items) = 0;

    // Check boxes and radio buttons: ticked or not.
    virtual bool checkState(int id) const = 0;
    virtual void setCheckState(int id, bool checked) = 0;

    // Up-down controls.
    virtual void setSpinRange(int id, int low, int high) = 0;
    virtual int spinPosition(int id) const = 0;
    virtual void setSpinPosition(int id, int position) = 0;

    virtual void showControl(int id, bool show) = 0;
    virtual void enableControl(int id, bool enable) = 0;

    // A number that names the page in internal-error messages.
    virtual std::uintptr_t handle() const = 0;
};

}  // namespace orv
