#include "dialogs/user_guide_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orv {

QString userGuideFile() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/orv/user-guide.html");
}

UserGuideWindow::UserGuideWindow(const QString& guideFile, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Orv user guide");
    view = new QTextBrowser;
    view->setOpenExternalLinks(true);
    view->setSource(QUrl::fromLocalFile(guideFile));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 40);
}

}  // namespace orv
