#include "dialogs/computer_check_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <thread>

namespace orv {

namespace {

QColor statusColour(CheckStatus status) {
    switch (status) {
        case CheckStatus::Ok:
            return QColor(0, 120, 0);
        case CheckStatus::Warning:
            return QColor(170, 100, 0);
        case CheckStatus::Failed:
            return QColor(190, 0, 0);
    }
    return {};
}

}  // namespace

ComputerCheckDialog::ComputerCheckDialog(Checks checks, QWidget* parent)
    : QDialog(parent), runChecks(std::move(checks)), alive(std::make_shared<bool>(true)) {
    setWindowTitle("Check this computer");
    rows = new QTreeWidget;
    rows->setColumnCount(3);
    rows->setHeaderLabels({"Status", "Check", "Found"});
    rows->setRootIsDecorated(false);
    rows->setWordWrap(true);
    rows->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    rows->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    rows->header()->setStretchLastSection(true);
    summaryLine = new QLabel;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    again = buttons->addButton("Check Again", QDialogButtonBox::ActionRole);
    connect(again, &QPushButton::clicked, this, &ComputerCheckDialog::start);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows);
    layout->addWidget(summaryLine);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 28);
    start();
}

ComputerCheckDialog::~ComputerCheckDialog() {
    // A check still running finds the dialog gone and drops its result.
    *alive = false;
}

void ComputerCheckDialog::start() {
    if (running) return;
    running = true;
    again->setEnabled(false);
    summaryLine->setText("Checking...");
    QPointer<ComputerCheckDialog> self(this);
    std::thread([self, checks = runChecks, alive = alive] {
        std::vector<DoctorCheck> found = checks();
        // Back on the window's thread; the dialog may have closed meanwhile.
        QMetaObject::invokeMethod(
            qApp,
            [self, alive, found = std::move(found)] {
                if (*alive && self) self->show(found);
            },
            Qt::QueuedConnection);
    }).detach();
}

void ComputerCheckDialog::show(const std::vector<DoctorCheck>& checks) {
    rows->clear();
    for (const DoctorCheck& check : checks) {
        const QString found = QString::fromStdString(check.detail) +
                              (check.fix.empty() ? QString() : "\nFix: " + QString::fromStdString(check.fix));
        auto* row = new QTreeWidgetItem(
            {QString(statusName(check.status)), QString::fromStdString(check.name), found});
        row->setForeground(0, statusColour(check.status));
        row->setToolTip(2, found);
        rows->addTopLevelItem(row);
    }
    summaryLine->setText(QString::fromStdString(doctorSummary(checks)));
    running = false;
    again->setEnabled(true);
    Q_EMIT checked();
}

}  // namespace orv
