#include "dialogs/print_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orv {

PrintDialog::PrintDialog(PrinterCatalog& catalog, MessageLog& log, const std::string& reportTitle,
                         bool simulationPreselected, QWidget* parent, PrintSession* session)
    : QDialog(parent), controller(catalog, log, session) {
    setWindowTitle("Print");
    label = new QLabel("&Printer:");
    printer = new QComboBox;
    printer->setMinimumWidth(320);
    label->setBuddy(printer);
    auto* group = new QGroupBox("Report");
    spr = new QRadioButton("SPR report");
    simulation = new QRadioButton("Device Simulation Report");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(spr);
    groupLayout->addWidget(simulation);
    toFile = new QCheckBox("Print to File");
    toPdf = new QCheckBox("Save as PDF");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(printer, 0, 1);
    layout->addWidget(group, 1, 0, 1, 2);
    layout->addWidget(toFile, 2, 0, 1, 2);
    layout->addWidget(toPdf, 3, 0, 1, 2);
    layout->addWidget(buttons, 4, 0, 1, 2);

    controller.open(reportTitle, simulationPreselected);
    for (const std::string& entry : controller.entries) printer->addItem(QString::fromStdString(entry));
    showState();

    connect(printer, &QComboBox::currentIndexChanged, this, [this](int index) {
        controller.selectPrinter(index);
        showState();
    });
    connect(spr, &QRadioButton::toggled, this, [this](bool on) {
        if (on) controller.chooseReport(ProgrammingReport);
        showState();
    });
    connect(simulation, &QRadioButton::toggled, this, [this](bool on) {
        if (on) controller.chooseReport(SimulationReport);
        showState();
    });
    connect(toFile, &QCheckBox::toggled, this, [this](bool on) {
        controller.setPrintToFile(on);
        showState();
    });
    connect(toPdf, &QCheckBox::toggled, this, [this](bool on) {
        controller.setSaveAsPdf(on);
        showState();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PrintDialog::showState() {
    const QSignalBlocker blockPrinter(printer), blockSpr(spr), blockSimulation(simulation), blockFile(toFile),
        blockPdf(toPdf);
    printer->setCurrentIndex(controller.selected);
    spr->setChecked(controller.report == ProgrammingReport);
    simulation->setChecked(controller.report == SimulationReport);
    toFile->setChecked(controller.printToFile);
    toFile->setEnabled(controller.printToFileEnabled);
    toPdf->setChecked(controller.saveAsPdf);
    label->setEnabled(controller.printerEnabled);
    printer->setEnabled(controller.printerEnabled);
    ok->setEnabled(controller.canPrint());
}

}  // namespace orv
