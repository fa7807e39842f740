// The main window's buttons: database work through the workflows, the
// dialogs, and the device and file operations on the one worker thread.

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>

#include "app/app_messages.h"
#include "app/message_log.h"
#include "app/sibling_program.h"
#include "db/parameter_db.h"
#include "device/com_settings.h"
#include "device/target_link.h"
#include "device/tracing_line.h"
#include "dialogs/change_name_dialog.h"
#include "dialogs/com_port_dialog.h"
#include "dialogs/database_utility_dialog.h"
#include "dialogs/history_dialog.h"
#include "dialogs/login_dialog.h"
#include "dialogs/lookup_dialogs.h"
#include "dialogs/parameter_defaults_dialog.h"
#include "dialogs/progress_window.h"
#include "main_window.h"
#include "model/record.h"
#include "pages/system_page.h"
#include "workflow/history_browser.h"
#include "workflow/workflow_messages.h"

namespace orv {

void MainWindow::saveRecord() {
    flow->records.saveRecord();
}
void MainWindow::readRecord() {
    flow->records.readRecord();
}
void MainWindow::checkRecord() {
    flow->records.checkRecord();
}
void MainWindow::deleteRecord() {
    flow->records.deleteRecord();
}

DeviceContext MainWindow::deviceContext(bool rootIdFlag) {
    return DeviceContext{app.link, app.record, firmwareSelection(), rootIdFlag};
}

void MainWindow::startOperation(Operation operation, std::function<void()> work) {
    if (operationRunning()) return;
    if (worker.joinable()) worker.join();
    running = operation;
    // The content, not the window: the progress window and the message boxes
    // are the window's children and must stay usable.
    content->setEnabled(false);
    worker = std::thread([this, work = std::move(work)] {
        work();
        Q_EMIT operationFinished();
    });
}

void MainWindow::finishOperation() {
    if (worker.joinable()) worker.join();
    const Operation finished = running;
    running = Operation::None;
    content->setEnabled(true);
    switch (finished) {
        case Operation::ReadDevice:
        case Operation::CheckDevice:
        case Operation::Import:
            if (finished == Operation::CheckDevice && readResult.matched) {
                showCaptionedInformation(app.log, wftext::kDeviceCheckCaption, wftext::kDeviceMatchesMessage);
            }
            flow->devices.readFinished(readResult.loaded);
            break;
        case Operation::Firmware:
            flow->devices.firmwareFinished(operationResult);
            break;
        case Operation::WriteDevice:
            flow->devices.writeFinished(writeOutcome, writePlan);
            writePlan = {};
            break;
        case Operation::Shutdown:
            flow->devices.shutdownFinished(operationResult);
            break;
        case Operation::Export:
            flow->devices.exportFinished();
            break;
        case Operation::ReadFactory:
        case Operation::ProgramFactory:
            factoryOperationFinished(*pagesContext);
            break;
        case Operation::None:
            break;
    }
    if (app.trace != nullptr) reportTraceFailure(app.trace->trace().get(), app.log);
    raise();
    activateWindow();
}

void MainWindow::readDevice() {
    if (operationRunning()) return;
    readResult = {};
    startOperation(Operation::ReadDevice, [this] {
        DeviceContext context = deviceContext();
        readResult = readDeviceJob(context, progress->sink(), app.log, ReadMode::Load);
    });
}

void MainWindow::checkDevice() {
    if (operationRunning()) return;
    flow->devices.prepareCheckDevice();
    readResult = {};
    startOperation(Operation::CheckDevice, [this] {
        DeviceContext context = deviceContext();
        readResult = readDeviceJob(context, progress->sink(), app.log, ReadMode::Check);
    });
}

void MainWindow::queryFirmware() {
    if (operationRunning()) return;
    startOperation(Operation::Firmware, [this] {
        DeviceContext context = deviceContext();
        operationResult = readFirmwareVersions(context, progress->sink());
    });
}

void MainWindow::writeDevice() {
    if (operationRunning()) return;
    const WritePlan plan = flow->devices.prepareWrite();
    if (!plan.proceed) return;
    writePlan = plan;
    writeOutcome = {};
    const WriteOptions options = flow->devices.writeOptions(app.link.settings.showChanges != 0);
    startOperation(Operation::WriteDevice, [this, options] {
        DeviceContext context = deviceContext(writePlan.rootIdFlag);
        writeOutcome = runWrite(context, progress->sink(), *changeConfirmation, options);
    });
}

void MainWindow::runFactoryOperation(FactoryOperation operation) {
    if (operationRunning()) return;
    if (operation == FactoryOperation::Read) {
        startOperation(Operation::ReadFactory, [this] {
            DeviceContext context = deviceContext();
            operationResult = readFactoryJob(context, progress->sink(), app.log);
        });
        return;
    }
    startOperation(Operation::ProgramFactory, [this] {
        DeviceContext context = deviceContext();
        operationResult = programFactoryParameters(context, progress->sink());
    });
}

void MainWindow::shutdownDevice() {
    if (operationRunning()) return;
    startOperation(Operation::Shutdown, [this] {
        DeviceContext context = deviceContext();
        operationResult = shutDownTarget(context, progress->sink());
    });
}

QString MainWindow::choosePpf(bool save) {
    ModalRunner::FileRequest request;
    request.save = save;
    request.title = save ? "Export File As" : "Import File";
    request.filter = "Binary Files (*.ppf)";
    request.defaultSuffix = "ppf";
    // The folder of the last import or export, else the settings file's
    // "Default Dir" when it names a folder here, else the data folder.
    const QString defaultDir = QString::fromStdString(app.settings.defaultDir);
    if (!ppfDirectory.isEmpty()) {
        request.directory = ppfDirectory;
    } else if (!defaultDir.isEmpty() && QFileInfo(defaultDir).isDir()) {
        request.directory = defaultDir;
    } else {
        request.directory = QDir::currentPath();
    }
    request.proposedName = QString::fromStdString(app.record.text(StringRow::CtnNumber)) + ".ppf";
    const QString path = runner.chooseFile(this, request);
    if (!path.isEmpty()) ppfDirectory = QFileInfo(path).absolutePath() + QDir::separator();
    return path;
}

void MainWindow::exportFile() {
    if (operationRunning() || !flow->devices.prepareExport()) return;
    writePlan = {};  // an export is not a programming
    const QString path = choosePpf(true);
    if (path.isEmpty()) {
        reportExportCancelled(app.log);
        return;
    }
    startOperation(Operation::Export, [this, target = path.toStdString()] {
        // The export shows its own outcome; the window only shows the record again.
        static_cast<void>(exportPpf(app.record, target, firmwareSelection(), app.log));
    });
}

void MainWindow::importFile() {
    if (operationRunning()) return;
    const QString path = choosePpf(false);
    if (path.isEmpty()) {
        reportImportCancelled(app.log);
        return;
    }
    readResult = {};
    startOperation(Operation::Import, [this, source = path.toStdString()] {
        DeviceContext context = deviceContext();
        readResult = importJob(context, source, app.log);
    });
}

void MainWindow::editComPort() {
    std::array<std::string, kSerialSlots> devices;
    for (int slot = 0; slot < kSerialSlots; ++slot) {
        devices[static_cast<std::size_t>(slot)] = app.link.line().devicePath(slot);
    }
    ComPortDialog dialog(comDialogFill(app.link.settings), devices, findSerialDevices(), app.user.mask, this);
    if (runner.runDialog(dialog)) applyComDialog(dialog.fields(), app.profile, app.link, app.trace);
}

void MainWindow::login() {
    flow->screen.collectAllPages();
    LoginDialog dialog(app.passwords, app.log, runner, app.record.text(StringRow::UserName), app.user.mask,
                       this);
    if (!runner.runDialog(dialog)) return;
    flow->identity.applyLogin(dialog.user());
}

void MainWindow::changeName(NameField field) {
    const ChangeNameCaptions captions = changeNameCaptions(field);
    const int row = field == NameField::Job ? StringRow::JobNumber : StringRow::CtnNumber;
    ChangeNameDialog dialog(captions.current, captions.replacement,
                            QString::fromStdString(mainControls().text(mainStringControl(row))).trimmed(),
                            this);
    if (!runner.runDialog(dialog)) return;
    flow->identity.changeDeviceName(field, dialog.newName().toStdString());
}

void MainWindow::customerSearch() {
    CustomerSearchDialog dialog(app.db, app.record.text(StringRow::Customer), this);
    if (!runner.runDialog(dialog)) return;
    flow->identity.loadLookedUpDevice(dialog.job(), dialog.ctn(), dialog.status());
}

void MainWindow::ctnLookup() {
    CtnLookupDialog dialog(app.db, this);
    if (!runner.runDialog(dialog)) return;
    flow->identity.loadLookedUpDevice(dialog.job(), dialog.ctn(), dialog.status());
}

void MainWindow::databaseUtility() {
    DatabaseUtilityDialog dialog(app.db, app.log, this);
    runner.runDialog(dialog);
}

void MainWindow::history() {
    // The device and its history are read while nothing else changes them.
    if (operationRunning()) return;
    HistoryBrowser browser(*flow);
    if (!browser.load()) return;
    HistoryDialog dialog(browser, this);
    runner.runDialog(dialog);
}

void MainWindow::getDefaults() {
    if (!flow->records.confirmDefaults()) return;
    ParameterDefaultsDialog dialog(this);
    if (!runner.runDialog(dialog)) return;
    dialog.rules().accept(app.record);
    flow->records.defaultsApplied();
}

void MainWindow::launchSibling() {
    const auto program = findSiblingProgram(desktopEntryFolders());
    if (program && QProcess::startDetached(QString::fromStdString(program->program), {},
                                           QString::fromStdString(program->workingDirectory))) {
        return;
    }
    app.log.information("%s", apptext::kSiblingNotFound);
}

}  // namespace orv
