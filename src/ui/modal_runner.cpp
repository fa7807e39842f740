#include "modal_runner.h"

#include <QDir>
#include <QFileDialog>

namespace orv {

ModalRunner::ModalRunner() {
    chooseFile = [](QWidget* parent, const FileRequest& request) {
        QFileDialog dialog(parent, request.title, request.directory, request.filter);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().front();
    };
}

}  // namespace orv
