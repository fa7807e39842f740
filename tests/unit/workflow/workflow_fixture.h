#pragma once

// The main window's workflows without a window: the in-memory pages, a
// parameter database in a scratch folder, scripted message boxes and a fake
// view whose Job, CTN and status lists act like the window's combos.

#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "app/message_log.h"
#include "app/startup.h"
#include "binding/field_converter.h"
#include "binding/memory_page_set.h"
#include "db/parameter_db.h"
#include "image/firmware_selection.h"
#include "model/lists.h"
#include "model/record.h"
#include "scripted_presenter.h"
#include "temp_dir.h"
#include "workflow/main_controls.h"
#include "workflow/main_workflows.h"

namespace orv::test {

// A combo of the identity area: its entries as a list, its text the page's
// control (an editable combo shows the selected entry and keeps what is typed).
class ComboOnPage : public VectorChoiceList {
public:
    ComboOnPage(MemoryPageSet& pages, int controlId) : pages(pages), id(controlId) {}

    void clear() override {
        VectorChoiceList::clear();
        setShown("");
    }
    void select(int index) override {
        VectorChoiceList::select(index);
        setShown(entry(current));
    }

private:
    void setShown(const std::string& text) {
        if (FieldControls* main = pages.controls(Page::Main)) main->setText(id, text);
    }
    MemoryPageSet& pages;
    int id;
};

// What the workflows need of the window, recorded.
class FakeMainView : public MainView {
public:
    explicit FakeMainView(MemoryPageSet& pages)
        : jobs(pages, mainStringControl(StringRow::JobNumber)),
          ctns(pages, mainStringControl(StringRow::CtnNumber)),
          statuses(pages, mainStringControl(StringRow::DevStatus)) {}

    std::optional<Tab> currentTab() const override { return tab; }
    ChoiceList& jobList() override { return jobs; }
    ChoiceList& ctnList() override { return ctns; }
    ChoiceList& statusList() override { return statuses; }
    void showFirmwareRow(int row) override { firmwareRows.push_back(row); }
    void printSpr(const std::string& titleSuffix) override { printed.push_back(titleSuffix); }

    std::optional<Tab> tab;
    ComboOnPage jobs;
    ComboOnPage ctns;
    ComboOnPage statuses;
    std::vector<int> firmwareRows;
    std::vector<std::string> printed;
};

// The Firmware combo: remembers what was selected.
class FakeFirmware : public FirmwareSelection {
public:
    int selectedRow() const override { return row; }
    void selectRow(int newRow) override { row = newRow; }
    int row = -1;
};

class WorkflowTest : public ::testing::Test {
protected:
    // 2026-03-04 05:06:07 UTC: every sign-off and programming date.
    static constexpr std::time_t kNow = 1772600767;

    TempDir dir{TempDir::Enter::Yes};
    ScriptedPresenter boxes;
    MessageLog log{&boxes};
    ParameterRecord record;
    MemoryPageSet pages{true};
    FieldConverter converter{record, log, pages};
    ParameterDb db{log, record};
    AppSettings settings;
    LoggedInUser user;
    FakeFirmware firmware;
    FakeMainView view{pages};
    std::optional<MainWorkflows> flows;

    void writeSettings(const std::string& text) { dir.write(kSettingsFileName, text); }

    // The program as it starts: the database created, the user "User", the first device loaded.
    void start() {
        resetRecord(record);
        pages.title = "Halvorn Orv - Vosk";
        record.text(StringRow::UserName) = "User";
        record.text(StringRow::UserAccessLevel) = "Customer";
        user.name = "User";
        db.retryPauseMs = 0;  // a missing file is not waited for
        answer(kAnswerYes);   // create the database
        ASSERT_EQ(db.openDatabase(settings.parameterDbPath, true), DbResult::Ok);
        WorkflowParts parts{record, log, pages, converter, db, settings, user, firmware};
        parts.clock = [] { return kNow; };
        flows.emplace(parts, view);
        flows->identity.initialize();
        boxes.clear();
    }

    MainScreen& screen() { return flows->screen; }
    IdentityWorkflow& identity() { return flows->identity; }
    RecordWorkflow& records() { return flows->records; }
    DeviceWorkflow& devices() { return flows->devices; }

    void answer(int code) { boxes.answer(code); }
    void loginAs(const std::string& name, const std::string& level, int mask) {
        identity().applyLogin({name, level, mask});
    }
    void selectStatus(const std::string& status) {
        ASSERT_GE(selectByPrefix(view.statuses, status), 0);
        identity().statusChanged();
    }

    MemoryFieldControls& main() { return *pages.page(Page::Main); }
    std::string shown(int stringRow) { return main().text(mainStringControl(stringRow)); }
    void type(int stringRow, const std::string& text) { main().setText(mainStringControl(stringRow), text); }
    bool enabled(int controlRow) { return main().control(controlRowControl(controlRow))->enabled; }

    // The texts of the boxes shown, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const ShownBox& box : boxes.boxes) result.push_back(box.text);
        return result;
    }
    bool saw(const std::string& text) const {
        for (const ShownBox& box : boxes.boxes) {
            if (box.text == text) return true;
        }
        return false;
    }
    bool sawStarting(const std::string& start) const {
        for (const ShownBox& box : boxes.boxes) {
            if (box.text.rfind(start, 0) == 0) return true;
        }
        return false;
    }

    // The statuses stored for a device, as the status list marks them.
    std::vector<std::string> storedStatuses(const std::string& job, const std::string& ctn) {
        VectorChoiceList list;
        markStoredStatuses(db.storedStatuses(job, ctn), -1, list);
        std::vector<std::string> stored;
        for (const std::string& entry : list.entries) {
            const auto marker = entry.find(kStoredStatusMarker);
            if (marker != std::string::npos) stored.push_back(entry.substr(0, marker));
        }
        return stored;
    }
};

}  // namespace orv::test
