#include "dialogs/change_summary_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui_thread.h"
#include "workflow/workflow_messages.h"

namespace orv {

ChangeSummaryDialog::ChangeSummaryDialog(const ChangeSummary& summary, QWidget* parent)
    : QDialog(parent), list(new QTreeWidget(this)) {
    setWindowTitle(wftext::kChangesTitle);
    auto* layout = new QVBoxLayout(this);
    const bool none = summary.differences.empty();
    auto* heading = new QLabel(summaryHeading(summary), this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    for (const DifferenceGroup& group : groupDifferences(summary.differences)) {
        auto* title = new QTreeWidgetItem(list, {QString::fromStdString(group.title)});
        QFont bold = title->font(0);
        bold.setBold(true);
        title->setFont(0, bold);
        for (const std::string& item : group.items)
            new QTreeWidgetItem(title, {QString::fromStdString(item)});
        title->setExpanded(true);
    }
    list->setVisible(!none);
    list->setMinimumSize(560, 260);
    layout->addWidget(list, 1);

    QStringList impact;
    for (const std::string& line : impactLines(summary.impact)) impact << QString::fromStdString(line);
    layout->addWidget(new QLabel(impact.join('\n'), this));

    auto* buttons = new QDialogButtonBox(this);
    write = buttons->addButton(wftext::kWriteButton, QDialogButtonBox::AcceptRole);
    cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool DialogChangeConfirmation::confirmChanges(const ChangeSummary& summary) {
    bool write = false;
    onGuiThreadAndWait(&window, [&] {
        ChangeSummaryDialog dialog(summary, &window);
        write = runner.runDialog(dialog);
    });
    return write;
}

}  // namespace orv
