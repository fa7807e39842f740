#include "tabs/budget_panel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/message_log.h"
#include "sim/budget.h"
#include "window_messages.h"

namespace orv {

BudgetPanel::BudgetPanel(QWidget* parent) : QGroupBox(QStringLiteral("Battery"), parent) {
    battery = new QLineEdit;
    usable = new QLineEdit;
    for (QLineEdit* edit : {battery, usable}) edit->setMaximumWidth(90);
    lineBox = new QCheckBox(QStringLiteral("Show on chart"));
    lineBox->setChecked(true);
    lines = new QLabel;
    lines->setWordWrap(true);
    lines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lines->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lines->setMargin(4);
    lines->setAutoFillBackground(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Battery mAh:"), battery);
    form->addRow(QStringLiteral("Usable Percent:"), usable);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lineBox);
    layout->addWidget(lines);
    layout->addStretch();
    setMinimumWidth(230);
    setMaximumWidth(280);
    showFigures();

    connect(battery, &QLineEdit::editingFinished, this, [this] { entryLeft(battery, false); });
    connect(usable, &QLineEdit::editingFinished, this, [this] { entryLeft(usable, true); });
    connect(lineBox, &QCheckBox::toggled, this, &BudgetPanel::batteryLineSwitched);
}

void BudgetPanel::attach(MessageLog* log, const std::string& settingsFile) {
    messages = log;
    file = settingsFile;
    MessageLog quiet;
    figures = readEnergySettings(file, log != nullptr ? *log : quiet);
    showFigures();
}

void BudgetPanel::showFigures() {
    battery->setText(QString::fromStdString(energyValueText(figures.batteryMah)));
    usable->setText(QString::fromStdString(energyValueText(figures.usablePercent)));
}

bool BudgetPanel::batteryLineShown() const {
    return lineBox->isChecked();
}

QString BudgetPanel::text() const {
    return lines->text();
}

// A bad entry is refused with a message and the edit shows the kept value again.
void BudgetPanel::entryLeft(QLineEdit* edit, bool percent) {
    double& slot = percent ? figures.usablePercent : figures.batteryMah;
    const EnergyEntry entry = checkCapacityEntry(edit->text().toStdString(), percent);
    if (!entry.valid) {
        showFigures();
        if (messages != nullptr) messages->error("%s", entry.message.c_str());
        return;
    }
    if (entry.value == slot) return;
    slot = entry.value;
    showFigures();
    if (!file.empty() && saveEnergyCapacity(file, figures.batteryMah, figures.usablePercent) == 0 &&
        messages != nullptr)
        messages->error("%s", uitext::batteryFiguresNotStored(file).c_str());
    Q_EMIT energyChanged();
}

void BudgetPanel::showBudget(const Budget& budget) {
    QStringList text;
    for (const std::string& line : budgetLines(budget)) text << QString::fromStdString(line);
    lines->setText(text.join(QLatin1Char('\n')));
    // The battery gives out before the simulated period ends.
    warned = budget.batteryEndDay.has_value();
    QPalette colours = palette();
    if (warned) {
        colours.setColor(QPalette::Window, QColor(255, 228, 225));
        colours.setColor(QPalette::WindowText, QColor(170, 0, 0));
    }
    lines->setPalette(colours);
}

}  // namespace orv
