#pragma once

// A started program in a scratch folder, with scripted message boxes, a
// profile in memory and scripted dialogs: what the window tests work on.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/memory_profile.h"
#include "application.h"
#include "main_window.h"
#include "model/record.h"
#include "temp_dir.h"
#include "ui_support.h"

namespace orv::test {

class WindowTest : public ::testing::Test {
protected:
    // Answers for the coming dialogs, in order: each fills its dialog and says
    // whether it ended with OK. A dialog with no answer left is cancelled.
    std::deque<std::function<bool(QDialog&)>> dialogAnswers;
    std::vector<QString> dialogsRun;
    QString nextFile;
    std::vector<ModalRunner::FileRequest> fileRequests;

    TempDir dir{TempDir::Enter::Yes};
    ScriptedQtPresenter presenter;
    MemoryProfile profile;
    std::unique_ptr<OrvApplication> app;

    void writeSettings(const std::string& text) { dir.write("Orv3.cfg", text); }

    // Starts the program; the database's creation question is answered Yes.
    void startProgram() {
        StartupOptions options;
        options.presenter = &presenter;
        options.profile = &profile;
        options.splashMilliseconds = 0;
        options.databaseRetryMilliseconds = 0;
        options.runner.runDialog = [this](QDialog& dialog) {
            dialogsRun.push_back(dialog.windowTitle());
            if (dialogAnswers.empty()) return false;
            auto answer = std::move(dialogAnswers.front());
            dialogAnswers.pop_front();
            return answer(dialog);
        };
        options.runner.chooseFile = [this](QWidget*, const ModalRunner::FileRequest& request) {
            fileRequests.push_back(request);
            return nextFile;
        };
        app = std::make_unique<OrvApplication>(options);
        ASSERT_EQ(app->start(), 0);
        ASSERT_NE(app->mainWindow(), nullptr);
        presenter.script.clear();
    }

    void TearDown() override {
        if (app && app->mainWindow()) {
            // Whatever runs on the worker ends before the window goes.
            waitUntil([this] { return !window().operationRunning(); }, std::chrono::seconds(20));
        }
        app.reset();
    }

    MainWindow& window() { return *app->mainWindow(); }
    ParameterRecord& record() { return app->record(); }
    ScriptedPresenter& boxes() { return presenter.script; }

    void answer(int code) { presenter.script.answer(code); }
    void loginAs(const std::string& name, const std::string& level, int mask) {
        window().workflow().identity.applyLogin({name, level, mask});
    }
    void selectStatus(const std::string& status) {
        QComboBox* combo = window().statusCombo();
        const int index = combo->findText(QString::fromStdString(status), Qt::MatchStartsWith);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        window().workflow().identity.statusChanged();
    }
    bool sawText(const std::string& text) const {
        for (const ShownBox& box : presenter.script.boxes) {
            if (box.text == text) return true;
        }
        return false;
    }
    bool sawTextStarting(const std::string& start) const {
        for (const ShownBox& box : presenter.script.boxes) {
            if (box.text.rfind(start, 0) == 0) return true;
        }
        return false;
    }
    std::string comboText(QComboBox* combo) const { return combo->currentText().toStdString(); }
};

}  // namespace orv::test
