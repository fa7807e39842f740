#pragma once

// Helpers of the UI tests.

#include <QCoreApplication>
#include <QScrollArea>
#include <QString>
#include <QTabWidget>
#include <chrono>
#include <functional>

#include "qt_message_presenter.h"
#include "scripted_presenter.h"

namespace orv::test {

// The window's presenter with the scripted answers in place of the user:
// boxes asked for by a worker are carried to the GUI thread exactly as in the
// program, and answered there from the script.
class ScriptedQtPresenter : public QtMessagePresenter {
public:
    ScriptedPresenter script;

protected:
    // Only questions take answers from the script; a notice is just recorded.
    int showBox(BoxKind kind, const QString& caption, const QString& text, const QString& details) override {
        if (kind != BoxKind::Choice && kind != BoxKind::YesNoCancel) {
            script.boxes.push_back(
                {kind, caption.toStdString(), text.toStdString(), kAnswerOk, details.toStdString()});
            return kAnswerOk;
        }
        return script.presentWithDetails(kind, caption.toStdString(), text.toStdString(),
                                         details.toStdString());
    }
};

// Runs the GUI thread's events until the condition holds or the time is up;
// true when it holds.
// The page a tab shows: the tabs hold each page in a scroll area.
inline QWidget* tabPageAt(QTabWidget* tabs, int index) {
    QWidget* shown = tabs->widget(index);
    if (auto* scroll = qobject_cast<QScrollArea*>(shown)) return scroll->widget();
    return shown;
}

// Shows the tab that holds the page.
inline void showTabOf(QTabWidget* tabs, const QWidget* page) {
    for (int i = 0; i < tabs->count(); ++i)
        if (tabPageAt(tabs, i) == page) tabs->setCurrentIndex(i);
}

inline bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

}  // namespace orv::test
