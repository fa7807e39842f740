#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace orv {

class ChoiceList;
class HandlerUtility;
class MessageLog;
class ParameterDb;

// "DataBase Handler Utility": browses the parameter database by year, Job,
// CTN and status, counts the Jobs, and copies every device into another file.
class DatabaseUtilityDialog : public QDialog {
    Q_OBJECT
public:
    DatabaseUtilityDialog(ParameterDb& db, MessageLog& log, QWidget* parent = nullptr);
    ~DatabaseUtilityDialog() override;

    HandlerUtility& utility() { return *handler; }
    QComboBox* yearCombo() const { return years; }
    QListWidget* jobsList() const { return jobsBox; }
    QListWidget* ctnsList() const { return ctnsBox; }
    QListWidget* statusesList() const { return statusBox; }
    QLineEdit* targetEdit() const { return target; }
    void makeDb();

private:
    QComboBox* jobs;
    QComboBox* ctns;
    QComboBox* statuses;
    QComboBox* years;
    QListWidget* jobsBox;
    QListWidget* ctnsBox;
    QListWidget* statusBox;
    QLineEdit* target;
    QLineEdit* path;
    std::unique_ptr<ChoiceList> lists[7];
    std::unique_ptr<HandlerUtility> handler;
};

}  // namespace orv
