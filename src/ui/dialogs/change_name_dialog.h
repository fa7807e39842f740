#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace orv {

// "Change Device Name": renames the Job number or the CTN of a stored device.
// The caller checks the names and does the database work.
class ChangeNameDialog : public QDialog {
    Q_OBJECT
public:
    ChangeNameDialog(const QString& currentCaption, const QString& newCaption, const QString& currentName,
                     QWidget* parent = nullptr);

    QString newName() const;
    QString newCaption() const { return newCaptionText; }
    QLineEdit* newNameEdit() const { return newEdit; }
    QLineEdit* currentNameEdit() const { return currentEdit; }

private:
    QString newCaptionText;
    QLineEdit* currentEdit;
    QLineEdit* newEdit;
};

inline constexpr const char* kChangeNoteNotNew = "DO NOT try use the Change button to input a new device.";
inline constexpr const char* kChangeNoteOverwrite =
    "The 'New' name will be written over the 'Current' in the database and the device that had the 'Current' name will no longer exist.";

}  // namespace orv
