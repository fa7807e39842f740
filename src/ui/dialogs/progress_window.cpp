#include "dialogs/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui_thread.h"

namespace orv {

// The operation's side: the aborted flag is read at once (it is asked after
// every byte), everything else is carried to the GUI thread in order.
class ProgressWindow::Sink : public ProgressSink {
public:
    explicit Sink(ProgressWindow& window) : window(window) {}

    void show() override {
        window.aborted = false;
        window.abortEnabled = true;
        onGuiThread(&window, [w = &window] { w->showNow(); });
    }
    void hide() override {
        onGuiThread(&window, [w = &window] { w->hideNow(); });
    }
    void setCaption(const std::string& text) override {
        onGuiThread(&window, [w = &window, t = QString::fromStdString(text)] { w->setWindowTitle(t); });
    }
    void setLegend(const std::string& text) override {
        onGuiThread(&window, [w = &window, t = QString::fromStdString(text)] { w->showLegend(t); });
    }
    void setPosition(int percent) override {
        onGuiThread(&window, [w = &window, percent] { w->bar->setValue(std::clamp(percent, 0, 100)); });
    }
    bool aborted() override { return window.aborted.load(); }
    void beep(int /*frequencyHz*/, int /*durationMs*/) override {
        onGuiThread(&window, [] { QApplication::beep(); });
    }

private:
    ProgressWindow& window;
};

ProgressWindow::ProgressWindow(QWidget* mainWindow)
    : QDialog(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mainWindow(mainWindow),
      legendLabel(new QLabel("IDC_PROGRESS_LEGEND", this)),
      bar(new QProgressBar(this)),
      abort(new QPushButton("Abort", this)),
      progressSink(new Sink(*this)) {
    // Not a child of the main window: the main window is disabled while an
    // operation runs, and this window must stay usable.
    setModal(false);
    setMinimumWidth(360);
    bar->setRange(0, 100);
    bar->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(legendLabel);
    auto* row = new QHBoxLayout;
    row->addWidget(bar, 1);
    row->addWidget(abort);
    layout->addLayout(row);
    connect(abort, &QPushButton::clicked, this, &ProgressWindow::pressAbort);
}

ProgressWindow::~ProgressWindow() {
    delete progressSink;
}

ProgressSink& ProgressWindow::sink() {
    return *progressSink;
}

QString ProgressWindow::legend() const {
    return legendLabel->text();
}

int ProgressWindow::position() const {
    return bar->value();
}

void ProgressWindow::showNow() {
    bar->setValue(0);
    abort->setEnabled(true);
    adjustSize();
    QDialog::show();
    // Placed once shown, when the window's frame is known.
    placeAtMainWindowCorner();
    raise();
}

void ProgressWindow::showLegend(const QString& text) {
    legendLabel->setText(text);
    if (!isVisible()) return;
    // A longer instruction than the window was made for: the window grows to it, in its corner.
    if (sizeHint().width() > width() || sizeHint().height() > height()) {
        adjustSize();
        placeAtMainWindowCorner();
    }
}

void ProgressWindow::hideNow() {
    QDialog::hide();
    bar->setValue(0);
}

void ProgressWindow::pressAbort() {
    if (!abortEnabled.load()) return;
    aborted = true;
    if (mainWindow) mainWindow->raise();
    QDialog::hide();
    bar->setValue(0);
    setWindowTitle(QString());
    legendLabel->clear();
}

void ProgressWindow::placeAtMainWindowCorner() {
    if (!mainWindow) return;
    const QPoint corner = mainWindow->frameGeometry().bottomRight();
    const QSize size = frameGeometry().size();
    move(corner.x() - size.width() + 1, corner.y() - size.height() + 1);
}

}  // namespace orv
