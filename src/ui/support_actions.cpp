#include "support_actions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QGuiApplication>
#include <filesystem>
#include <future>

#include "app/message_log.h"
#include "app_parts.h"
#include "cups_server.h"
#include "device/com_settings.h"
#include "dialogs/about_dialog.h"
#include "dialogs/computer_check_dialog.h"
#include "modal_runner.h"
#include "qt_profile.h"
#include "support/support_bundle.h"
#include "support/support_messages.h"

namespace orv {

namespace {

// The checks of a setup taken on the window's thread; the print server is
// asked from wherever they run.
std::vector<DoctorCheck> runWithPrintServer(DoctorSetup setup) {
    CupsPrinterCatalog printers;
    setup.printers = &printers;
    return runDoctor(setup);
}

}  // namespace

DoctorSetup windowCheckSetup(AppParts& app) {
    DoctorSetup setup;
    setup.dataFolder = std::filesystem::current_path().string();
    setup.settingsFile = pathInFolder(setup.dataFolder, app.settingsFile);
    setup.ports = portsToCheck(app.profile, {});
    setup.display = displayEnvironment();
    setup.display.runningPlatform = QGuiApplication::platformName().toStdString();
    return setup;
}

void showComputerCheck(QWidget* window, AppParts& app, ModalRunner& runner) {
    ComputerCheckDialog dialog([setup = windowCheckSetup(app)] { return runWithPrintServer(setup); }, window);
    runner.runDialog(dialog);
}

void saveSupportBundle(QWidget* window, AppParts& app, ModalRunner& runner) {
    ModalRunner::FileRequest request;
    request.save = true;
    request.title = "Save Support Bundle";
    request.filter = "Support bundles (*.tar.gz);;All Files (*)";
    request.directory = QString::fromStdString(std::filesystem::current_path().string());
    request.proposedName =
        "orv-support-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss") + ".tar.gz";
    const QString path = runner.chooseFile(window, request);
    if (path.isEmpty()) return;

    BundleSources sources;
    sources.version = programVersion().toStdString();
    sources.dataFolder = std::filesystem::current_path().string();
    if (const auto* profile = dynamic_cast<QtProfile*>(&app.profile))
        sources.profileFile = profile->fileName();
    sources.traceFile = comTraceFile(app.profile);
    // The check and the bundle may wait on servers: the window goes on meanwhile.
    auto done =
        std::async(std::launch::async, [setup = windowCheckSetup(app), sources, target = path.toStdString()] {
            BundleSources bundle = sources;
            bundle.doctorReport = doctorText(runWithPrintServer(setup));
            return writeSupportBundle(target, bundle);
        });
    while (done.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    const std::string reason = done.get();
    if (reason.empty()) {
        app.log.information("%s", doctortext::bundleWritten(path.toStdString()).c_str());
    } else {
        app.log.error("%s", doctortext::bundleFailed(path.toStdString(), reason).c_str());
    }
}

}  // namespace orv
