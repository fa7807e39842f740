#include "tabs/budget_panel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/message_log.h"
#include "sim/budget.h"
#include "window_messages.h"

namespace orv {

namespace {

// Warning colours: the nominal battery ends early (red), only the pessimistic one (amber).
const QColor kEndsBackground(255, 228, 225), kEndsText(170, 0, 0);
const QColor kMayEndBackground(255, 243, 205), kMayEndText(120, 80, 0);

QTableWidget* newLedger() {
    auto* table = new QTableWidget;
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setToolTip(QStringLiteral(
        "Each season's fix attempts and transmissions over the deployment and their charge at the nominal "
        "fix success (without sleep, beacon and self-discharge); seasons never entered are left out."));
    return table;
}

}  // namespace

BudgetPanel::BudgetPanel(QWidget* parent) : QGroupBox(QStringLiteral("Battery"), parent) {
    lines = new QLabel;
    lines->setWordWrap(true);
    lines->setTextFormat(Qt::PlainText);
    lines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lines->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lines->setMargin(4);
    lines->setAutoFillBackground(true);
    seasons = newLedger();
    auto* figuresPage = new QWidget;
    auto* figuresLayout = new QVBoxLayout(figuresPage);
    figuresLayout->addWidget(lines);
    figuresLayout->addWidget(seasons, 1);

    auto* assumptionsPage = new QWidget;
    auto* form = new QFormLayout(assumptionsPage);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (const EnergyKey& key : energyKeys()) {
        auto* edit = new QLineEdit;
        edit->setMaximumWidth(80);
        const QString meaning = QString::fromUtf8(key.meaning);
        edit->setToolTip(meaning);
        auto* label = new QLabel(QString::fromUtf8(key.key) + QLatin1Char(':'));
        label->setToolTip(meaning);
        label->setBuddy(edit);
        form->addRow(label, edit);
        edits[key.key] = edit;
        connect(edit, &QLineEdit::editingFinished, this, [this, &key] { entryLeft(key); });
    }
    lineBox = new QCheckBox(QStringLiteral("Show on chart"));
    lineBox->setToolTip(QStringLiteral(
        "Draw the battery remaining over the chart: the nominal line solid, the pessimistic one dashed."));
    lineBox->setChecked(true);
    form->addRow(lineBox);

    tabs = new QTabWidget;
    tabs->addTab(figuresPage, QStringLiteral("Figures"));
    tabs->addTab(assumptionsPage, QStringLiteral("Assumptions"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs);
    setMinimumWidth(300);
    setMaximumWidth(360);
    showFigures();

    connect(lineBox, &QCheckBox::toggled, this, &BudgetPanel::batteryLineSwitched);
}

void BudgetPanel::attach(MessageLog* log, const std::string& settingsFile) {
    messages = log;
    file = settingsFile;
    MessageLog quiet;
    figures = readEnergySettings(file, log != nullptr ? *log : quiet);
    showFigures();
}

QLineEdit* BudgetPanel::edit(const char* key) const {
    const auto found = edits.find(key);
    return found != edits.end() ? found->second : nullptr;
}

void BudgetPanel::showFigures() {
    for (const EnergyKey& key : energyKeys())
        edits.at(key.key)->setText(QString::fromStdString(energyValueText(figures.*key.slot)));
}

bool BudgetPanel::batteryLineShown() const {
    return lineBox->isChecked();
}

QString BudgetPanel::text() const {
    return lines->text();
}

// A bad entry is refused with a message and the edit shows the kept value again.
void BudgetPanel::entryLeft(const EnergyKey& key) {
    double& slot = figures.*key.slot;
    const EnergyEntry entry = checkEnergyEntry(key, edits.at(key.key)->text().toStdString());
    if (!entry.valid) {
        showFigures();
        if (messages != nullptr) messages->error("%s", entry.message.c_str());
        return;
    }
    if (entry.value == slot) return;
    slot = entry.value;
    showFigures();
    if (!file.empty() && saveEnergySetting(file, key, entry.value) == 0 && messages != nullptr)
        messages->error("%s", uitext::batteryFiguresNotStored(file).c_str());
    Q_EMIT energyChanged();
}

void BudgetPanel::showBudget(const Budget& budget) {
    QStringList text;
    for (const std::string& line : budgetLines(budget)) text << QString::fromStdString(line);
    lines->setText(text.join(QLatin1Char('\n')));
    warned = budget.batteryEndDay.has_value();
    const bool mayEnd = budget.pessimistic.batteryEndDay.has_value();
    QPalette colours = palette();
    if (warned || mayEnd) {
        colours.setColor(QPalette::Window, warned ? kEndsBackground : kMayEndBackground);
        colours.setColor(QPalette::WindowText, warned ? kEndsText : kMayEndText);
    }
    lines->setPalette(colours);

    const auto rows = budgetLedger(budget);
    seasons->clear();
    seasons->setColumnCount(static_cast<int>(rows.front().size()));
    seasons->setRowCount(static_cast<int>(rows.size()) - 1);
    for (std::size_t c = 0; c < rows.front().size(); ++c)
        seasons->setHorizontalHeaderItem(static_cast<int>(c),
                                         new QTableWidgetItem(QString::fromStdString(rows.front()[c])));
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            seasons->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
}

}  // namespace orv
