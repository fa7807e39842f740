#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "binding/field_controls.h"

namespace orv {

// The name of the dynamic property that gives a widget its control id.
inline constexpr const char* kControlIdProperty = "orvId";

// Gives a widget its control id.
void setControlId(QWidget* widget, int id);

// The controls of one page: every widget under the page that carries a
// control id. Edits, combos, check and radio buttons, labels, group boxes,
// buttons, multi-line edits and up-down controls are understood.
class QtFieldControls : public FieldControls {
public:
    explicit QtFieldControls(QWidget* page);

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
    std::uintptr_t handle() const override;

    QWidget* widget(int id) const;
    QWidget* page() const { return pageWidget; }

    // The id of a widget under the page, or 0.
    static int idOf(const QObject* widget);

private:
    void rescan() const;

    QPointer<QWidget> pageWidget;
    mutable QHash<int, QPointer<QWidget>> widgets;
};

}  // namespace orv
