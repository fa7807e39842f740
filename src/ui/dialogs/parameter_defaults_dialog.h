#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "pages/defaults_dialog.h"
#include "qt_field_controls.h"

class QTabWidget;

namespace orv {

// "Set Parameter Defaults": the six tabs of check boxes as layout; which
// parameters the ticked boxes stand for and what OK does is DefaultsDialog's.
// Created fresh for every use, every box clear.
class ParameterDefaultsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ParameterDefaultsDialog(QWidget* parent = nullptr);
    ~ParameterDefaultsDialog() override;

    // The dialog's rules on its boxes: after OK, accept() them on the record.
    DefaultsDialog& rules() { return *boxRules; }
    QTabWidget* tabWidget() const { return tabs; }
    // The box with a control id on a tab, or nullptr.
    QWidget* box(int tab, int controlId) const;

private:
    QWidget* buildTab(const DefaultsTab& layout);

    QTabWidget* tabs = nullptr;
    std::array<QWidget*, kDefaultsTabCount> pages{};
    std::array<std::unique_ptr<QtFieldControls>, kDefaultsTabCount> controls;
    std::unique_ptr<DefaultsDialog> boxRules;
};

}  // namespace orv
