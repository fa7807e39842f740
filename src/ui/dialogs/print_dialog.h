#pragma once

#include <QDialog>

#include "reports/print_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orv {

// "Print": the printer, the report, "Print to File" and "Save as PDF". The
// controller decides what is enabled and what OK hands on; the dialog shows it.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(PrinterCatalog& catalog, MessageLog& log, const std::string& reportTitle,
                bool simulationPreselected, QWidget* parent = nullptr, PrintSession* session = nullptr);

    // The job OK chose (after the dialog ended with OK).
    ReportJob job() const { return controller.ok(); }

    QComboBox* printerCombo() const { return printer; }
    QLabel* printerLabel() const { return label; }
    QRadioButton* sprButton() const { return spr; }
    QRadioButton* simulationButton() const { return simulation; }
    QCheckBox* printToFileBox() const { return toFile; }
    QCheckBox* saveAsPdfBox() const { return toPdf; }
    QPushButton* okButton() const { return ok; }

private:
    void showState();

    PrintDialogController controller;
    QLabel* label;
    QComboBox* printer;
    QRadioButton* spr;
    QRadioButton* simulation;
    QCheckBox* toFile;
    QCheckBox* toPdf;
    QPushButton* ok;
};

}  // namespace orv
