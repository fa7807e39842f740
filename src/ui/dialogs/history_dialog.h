#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace orv {

class HistoryBrowser;

// "History": the versions of the device shown, the differences between the
// two chosen (or what the one chosen changed from the version before it),
// and Restore of the one chosen. The browser does the work.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(HistoryBrowser& browser, QWidget* parent = nullptr);

    QTableWidget* versionTable() const { return table; }
    QPlainTextEdit* differencesText() const { return differences; }
    QLabel* differencesHeading() const { return heading; }
    QPushButton* restoreButton() const { return restore; }

    // Chooses the rows (0-based, at most two), as the user's clicks do.
    void choose(std::initializer_list<int> rows);
    void restoreChosen();

private:
    void fillTable();
    void chosenChanged();

    HistoryBrowser& browser;
    QTableWidget* table;
    QLabel* heading;
    QPlainTextEdit* differences;
    QPushButton* restore;
};

}  // namespace orv
