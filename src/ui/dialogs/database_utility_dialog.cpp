#include "dialogs/database_utility_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/handler_utility.h"
#include "widgets/combo_choice_list.h"

namespace orv {

DatabaseUtilityDialog::DatabaseUtilityDialog(ParameterDb& db, MessageLog& log, QWidget* parent)
    : QDialog(parent),
      jobs(new QComboBox(this)),
      ctns(new QComboBox(this)),
      statuses(new QComboBox(this)),
      years(new QComboBox(this)),
      jobsBox(new QListWidget(this)),
      ctnsBox(new QListWidget(this)),
      statusBox(new QListWidget(this)),
      target(new QLineEdit(this)),
      path(new QLineEdit(this)) {
    setWindowTitle("DataBase Handler Utility");
    jobs->setEditable(true);
    jobs->setInsertPolicy(QComboBox::NoInsert);
    path->setReadOnly(true);
    lists[0] = std::make_unique<ComboChoiceList>(jobs);
    lists[1] = std::make_unique<ComboChoiceList>(ctns);
    lists[2] = std::make_unique<ComboChoiceList>(statuses);
    lists[3] = std::make_unique<ComboChoiceList>(years);
    lists[4] = std::make_unique<ListWidgetChoiceList>(jobsBox);
    lists[5] = std::make_unique<ListWidgetChoiceList>(ctnsBox);
    lists[6] = std::make_unique<ListWidgetChoiceList>(statusBox);
    handler = std::make_unique<HandlerUtility>(
        db, log,
        HandlerUtilityLists{*lists[0], *lists[1], *lists[2], *lists[3], *lists[4], *lists[5], *lists[6]});

    auto* grid = new QGridLayout;
    const std::pair<const char*, QComboBox*> combos[] = {
        {"Job Number", jobs}, {"CTN", ctns}, {"Status", statuses}, {"Year", years}};
    int column = 0;
    for (const auto& [caption, combo] : combos) {
        grid->addWidget(new QLabel(caption, this), 0, column);
        grid->addWidget(combo, 1, column);
        ++column;
    }
    grid->addWidget(jobsBox, 2, 0);
    grid->addWidget(ctnsBox, 2, 1);
    grid->addWidget(statusBox, 2, 2, 1, 2);
    grid->addWidget(new QLabel("db Name", this), 3, 0);
    grid->addWidget(target, 3, 1, 1, 3);
    grid->addWidget(path, 4, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    auto* statistics = new QPushButton("Statistics", this);
    auto* make = new QPushButton("Make DB", this);
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    for (QPushButton* b : {statistics, make, ok, cancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(jobs, &QComboBox::activated, this, [this] { handler->jobComboSelected(); });
    connect(ctns, &QComboBox::activated, this, [this] { handler->ctnComboSelected(); });
    connect(years, &QComboBox::activated, this, [this] { handler->yearSelected(); });
    connect(jobsBox, &QListWidget::currentRowChanged, this, [this] { handler->jobsListSelected(); });
    connect(ctnsBox, &QListWidget::currentRowChanged, this, [this] { handler->ctnsListSelected(); });
    connect(target, &QLineEdit::textChanged, this,
            [this](const QString& text) { handler->targetName = text.toStdString(); });
    connect(statistics, &QPushButton::clicked, this, [this] { handler->statistics(); });
    connect(make, &QPushButton::clicked, this, &DatabaseUtilityDialog::makeDb);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    handler->open();
    path->setText(QString::fromStdString(handler->databasePath()));
}

DatabaseUtilityDialog::~DatabaseUtilityDialog() = default;

void DatabaseUtilityDialog::makeDb() {
    handler->makeDb();
    path->setText(QString::fromStdString(handler->databasePath()));
}

}  // namespace orv
