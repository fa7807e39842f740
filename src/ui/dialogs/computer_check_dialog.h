#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "support/doctor_check.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace orv {

// "Check this computer": the list orvctl doctor prints, one row a check with
// its status, what was found and the mend. The checks run off the window's
// thread (a print server or database server that does not answer must not
// freeze it); "Check Again" runs them anew.
class ComputerCheckDialog : public QDialog {
    Q_OBJECT
public:
    using Checks = std::function<std::vector<DoctorCheck>()>;
    ComputerCheckDialog(Checks runChecks, QWidget* parent = nullptr);
    ~ComputerCheckDialog() override;

    QTreeWidget* list() const { return rows; }
    QLabel* summary() const { return summaryLine; }
    bool checking() const { return running; }

Q_SIGNALS:
    void checked();

private:
    void start();
    void show(const std::vector<DoctorCheck>& checks);

    Checks runChecks;
    QTreeWidget* rows;
    QLabel* summaryLine;
    QPushButton* again;
    bool running = false;
    std::shared_ptr<bool> alive;
};

}  // namespace orv
