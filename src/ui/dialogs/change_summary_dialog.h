#pragma once

#include <QDialog>

#include "modal_runner.h"
#include "workflow/write_sequence.h"

class QPushButton;
class QTreeWidget;

namespace orv {

// "Changes to be written": what Write Device will change on the collar,
// grouped by page and season, and what that does to the deployment; Write or
// Cancel.
class ChangeSummaryDialog : public QDialog {
public:
    ChangeSummaryDialog(const ChangeSummary& summary, QWidget* parent = nullptr);

    QTreeWidget* differenceList() const { return list; }
    QPushButton* writeButton() const { return write; }
    QPushButton* cancelButton() const { return cancel; }

private:
    QTreeWidget* list;
    QPushButton* write;
    QPushButton* cancel;
};

// The window's answer to the worker's write: the dialog on the GUI thread,
// the worker waiting for Write or Cancel.
class DialogChangeConfirmation : public WriteView {
public:
    DialogChangeConfirmation(QWidget& window, ModalRunner& runner) : window(window), runner(runner) {}
    bool confirmChanges(const ChangeSummary& summary) override;

private:
    QWidget& window;
    ModalRunner& runner;
};

}  // namespace orv
