#include "dialogs/history_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "workflow/history_browser.h"

namespace orv {

HistoryDialog::HistoryDialog(HistoryBrowser& history, QWidget* parent)
    : QDialog(parent),
      browser(history),
      table(new QTableWidget(this)),
      heading(new QLabel(this)),
      differences(new QPlainTextEdit(this)),
      restore(new QPushButton("Restore", this)) {
    setWindowTitle(QString::fromStdString(browser.title()));
    table->setColumnCount(5);
    table->setHorizontalHeaderLabels({"Version", "Status", "Action", "User", "Time"});
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::MultiSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    differences->setReadOnly(true);
    differences->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* close = new QPushButton("Close", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table, 2);
    layout->addWidget(heading);
    layout->addWidget(differences, 3);
    layout->addLayout(buttons);
    resize(720, 520);

    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryDialog::chosenChanged);
    connect(restore, &QPushButton::clicked, this, &HistoryDialog::restoreChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    fillTable();
}

void HistoryDialog::fillTable() {
    const QSignalBlocker blocker(table->selectionModel());
    table->clearSelection();
    table->setRowCount(static_cast<int>(browser.versions().size()));
    for (std::size_t row = 0; row < browser.versions().size(); ++row) {
        const auto texts = browser.rowTexts(row);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            table->setItem(static_cast<int>(row), static_cast<int>(column),
                           new QTableWidgetItem(QString::fromStdString(texts[column])));
        }
    }
    table->resizeColumnsToContents();
    chosenChanged();
}

void HistoryDialog::choose(std::initializer_list<int> rows) {
    table->clearSelection();
    for (const int row : rows) table->selectRow(row);
}

// One version chosen: what it changed from the one before it; two: from the older to the newer.
void HistoryDialog::chosenChanged() {
    QList<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows()) rows.append(index.row());
    // A third row chosen takes the place of the first.
    while (rows.size() > 2) {
        const QSignalBlocker blocker(table->selectionModel());
        table->selectionModel()->select(table->model()->index(rows.takeFirst(), 0),
                                        QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    restore->setEnabled(rows.size() == 1);
    differences->clear();
    if (rows.isEmpty() || (rows.size() == 1 && rows[0] == 0)) {
        heading->setText(browser.versions().empty() ? "No version of this device is stored."
                                                    : "Choose a version to see what it changed from the one "
                                                      "before, or two to compare them.");
        return;
    }
    const auto first = static_cast<std::size_t>(rows.size() == 2 ? rows[0] : rows[0] - 1);
    const auto second = static_cast<std::size_t>(rows.size() == 2 ? rows[1] : rows[0]);
    const std::vector<std::string> lines = browser.differences(first, second);
    heading->setText(QString::fromStdString(browser.differencesHeading(first, second, lines.size())));
    QString text;
    for (const std::string& line : lines) text += QString::fromStdString(line) + "\n";
    differences->setPlainText(text);
}

void HistoryDialog::restoreChosen() {
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    if (rows.size() != 1) return;
    browser.restore(static_cast<std::size_t>(rows[0].row()));
    fillTable();
}

}  // namespace orv
