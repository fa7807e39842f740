#pragma once

#include <QDialog>
#include <QPointer>
#include <atomic>

#include "device/progress_sink.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace orv {

// The small window of a running device or file operation: a legend, a bar
// from 0 to 100 and "Abort". The operation runs on the worker and reaches the
// window through sink(); the window stays with the GUI thread, so it answers
// the Abort button while the operation runs.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // mainWindow: the window whose bottom-right corner the progress window takes.
    explicit ProgressWindow(QWidget* mainWindow);
    ~ProgressWindow() override;

    ProgressSink& sink();

    QString legend() const;
    int position() const;
    QPushButton* abortButton() const { return abort; }
    bool abortPressed() const { return aborted.load(); }

    // What the Abort button does while it is enabled.
    void pressAbort();

private:
    class Sink;
    friend class Sink;

    void showLegend(const QString& text);
    void showNow();
    void hideNow();
    void placeAtMainWindowCorner();

    QPointer<QWidget> mainWindow;
    QLabel* legendLabel;
    QProgressBar* bar;
    QPushButton* abort;
    std::atomic<bool> aborted{false};
    std::atomic<bool> abortEnabled{false};
    Sink* progressSink;
};

}  // namespace orv
