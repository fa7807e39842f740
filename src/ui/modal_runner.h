#pragma once

#include <QDialog>
#include <QString>
#include <functional>

namespace orv {

// How the windows run their modal dialogs and file dialogs. The program
// shows them; the tests put their own answers in place of the user.
struct ModalRunner {
    // true when the dialog ended with OK.
    std::function<bool(QDialog&)> runDialog = [](QDialog& dialog) {
        return dialog.exec() == QDialog::Accepted;
    };

    struct FileRequest {
        bool save = false;  // save dialog (asks before overwriting) or open dialog
        QString title;
        QString filter;
        QString directory;
        QString proposedName;
        QString defaultSuffix;
    };
    // The chosen path, or empty on Cancel.
    std::function<QString(QWidget* parent, const FileRequest&)> chooseFile;

    ModalRunner();
};

}  // namespace orv
