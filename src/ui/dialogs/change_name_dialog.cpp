#include "dialogs/change_name_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orv {

ChangeNameDialog::ChangeNameDialog(const QString& currentCaption, const QString& newCaption,
                                   const QString& currentName, QWidget* parent)
    : QDialog(parent),
      newCaptionText(newCaption),
      currentEdit(new QLineEdit(currentName, this)),
      newEdit(new QLineEdit(this)) {
    setWindowTitle("Change Device Name");
    currentEdit->setReadOnly(true);
    auto* form = new QFormLayout;
    form->addRow(currentCaption, currentEdit);
    form->addRow(newCaption, newEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (const char* note : {kChangeNoteNotNew, kChangeNoteOverwrite}) {
        auto* label = new QLabel(note, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    newEdit->setFocus();
}

QString ChangeNameDialog::newName() const {
    return newEdit->text();
}

}  // namespace orv
