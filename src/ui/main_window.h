#pragma once

#include <QHash>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "app_parts.h"
#include "binding/field_converter.h"
#include "binding/page_context.h"
#include "binding/page_handler_registry.h"
#include "binding/page_host.h"
#include "binding/page_set.h"
#include "device/result_codes.h"
#include "field_binder.h"
#include "image/firmware_selection.h"
#include "modal_runner.h"
#include "qt_field_controls.h"
#include "tabs/tab_page.h"
#include "widgets/combo_choice_list.h"
#include "workflow/device_jobs.h"
#include "workflow/main_controls.h"
#include "workflow/main_view.h"
#include "workflow/main_workflows.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class QAction;

namespace orv {

class ProgressWindow;
class ReportService;

inline constexpr const char* kMainWindowTitle = "Halvorn Orv - Vosk";
inline constexpr int kNotesLimit = 240;

// The buttons of the main window.
enum class MainButton {
    Save,
    Read,
    Check,
    Export,
    Import,
    Delete,  // Database
    ReadDevice,
    WriteDevice,
    ComPort,
    CheckDevice,
    Firmware,
    Shutdown,
    GetDefaults,
    Print,
    Exit,  // GPS System
    Login,
    Customer,
    CtnLookup,
    ChangeJob,
    ChangeCtn,
    DatabaseUtility,
    Clock,
    ContextHelp,
};

// The program's only main window: the identity area, the tab control, the
// Database and GPS System groups. Its workflows live in MainWorkflows; this
// class holds the widgets, runs the dialogs and the one worker thread.
class MainWindow : public QWidget, private MainView {
    Q_OBJECT
public:
    explicit MainWindow(const AppParts& parts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The initialization after the window exists: the lists, the first
    // device, the window placement.
    void initialize();

    MainWorkflows& workflow() { return *flow; }
    PageSet& pageSet();
    FieldConverter& converter() { return *fieldConverter; }
    FirmwareSelection& firmwareSelection();
    ModalRunner& modal() { return runner; }
    QAction* aboutEntry() const { return aboutAction; }
    QAction* computerCheckEntry() const { return checkAction; }
    // The "?" button: the user guide.
    void showUserGuide();
    QAction* supportBundleEntry() const { return bundleAction; }
    QAction* historyEntry() const { return historyAction; }

    QPushButton* button(MainButton which) const;
    QComboBox* jobCombo() const { return job; }
    QComboBox* ctnCombo() const { return ctn; }
    QComboBox* statusCombo() const { return status; }
    QComboBox* firmwareCombo() const { return firmware; }
    QComboBox* rangeCombo() const { return range; }
    QPlainTextEdit* notesEdit() const { return notes; }
    QLineEdit* customerEdit() const { return customer; }
    QTabWidget* tabWidget() const { return tabs; }
    QWidget* contentWidget() const { return content; }
    ProgressWindow* progressWindow() const { return progress.get(); }
    ReportService& reports() { return *reportService; }
    FieldControls& mainControls() { return mainFields->controls(); }
    QString labelText(int stringRow) const;

    // The operations of the buttons.
    void saveRecord();
    void readRecord();
    void checkRecord();
    void deleteRecord();
    void readDevice();
    void checkDevice();
    void queryFirmware();
    void writeDevice();
    void shutdownDevice();
    void exportFile();
    void importFile();
    void editComPort();
    void login();
    void changeName(NameField field);
    void customerSearch();
    void ctnLookup();
    void databaseUtility();
    // History (Ctrl+H, the window's menu): the versions of the device shown.
    void history();
    void getDefaults();
    void launchSibling();
    // "Read Factory Parameters" / "Program Factory Parameters" on the worker.
    void runFactoryOperation(FactoryOperation operation);
    // The pages' rules and handlers.
    const PageContext& pageContext() const { return *pagesContext; }

    // A device or file operation is running on the worker.
    bool operationRunning() const { return running != Operation::None; }
    // The last directory of the .ppf file dialogs.
    QString lastDirectory() const { return ppfDirectory; }

    // The Firmware combo chose a row (as the user does).
    void firmwareChosen(int row);

Q_SIGNALS:
    // From the worker, received queued on the GUI thread.
    void operationFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Operation {
        None,
        ReadDevice,
        CheckDevice,
        Firmware,
        WriteDevice,
        Shutdown,
        Import,
        Export,
        ReadFactory,
        ProgramFactory
    };
    class Pages;
    class Firmware;

    // The tab shown when the window last closed, when it is among the shown ones.
    void showLastTab();
    void addAboutEntry();
    void addHistoryEntry();

    // MainView
    std::optional<Tab> currentTab() const override;
    ChoiceList& jobList() override { return *jobChoices; }
    ChoiceList& ctnList() override { return *ctnChoices; }
    ChoiceList& statusList() override { return *statusChoices; }
    void showFirmwareRow(int row) override;
    void pageShown(Page page) override;
    void printSpr(const std::string& titleSuffix) override;

    void buildLayout();
    QWidget* buildIdentityArea();
    QWidget* buildDatabaseGroup();
    QWidget* buildDeviceGroup();
    void buildTabs();
    BinderContext binderContext();
    void connectSignals();
    void setTooltips();
    QPushButton* makeButton(MainButton which, const char* text, int controlRow = -1);

    void startOperation(Operation operation, std::function<void()> work);
    void finishOperation();
    void notesChanged();
    void tabChanged(int index);
    DeviceContext deviceContext(bool rootIdFlag = false);
    QString choosePpf(bool save);

    AppParts app;
    ModalRunner runner;
    QAction* aboutAction = nullptr;
    QAction* checkAction = nullptr;
    QAction* bundleAction = nullptr;
    QAction* historyAction = nullptr;
    std::unique_ptr<Pages> pages;
    std::unique_ptr<Firmware> firmwareChoice;
    std::unique_ptr<FieldConverter> fieldConverter;
    std::unique_ptr<MainWorkflows> flow;
    PageHandlerRegistry pageRegistry;
    std::unique_ptr<PageHost> pageHost;
    std::unique_ptr<PageContext> pagesContext;

    QWidget* content = nullptr;
    QWidget* identity = nullptr;
    std::unique_ptr<FieldBinder> mainFields;  // the identity area
    QComboBox* job = nullptr;
    QComboBox* ctn = nullptr;
    QComboBox* status = nullptr;
    QComboBox* firmware = nullptr;
    QComboBox* range = nullptr;
    QPlainTextEdit* notes = nullptr;
    QLineEdit* customer = nullptr;
    QTabWidget* tabs = nullptr;
    std::array<std::unique_ptr<TabPage>, kTabCount> tabPages;
    std::vector<Tab> shownTabs;
    int shownTabIndex = -1;
    QHash<int, QPushButton*> buttons;
    std::unique_ptr<ComboChoiceList> jobChoices;
    std::unique_ptr<ComboChoiceList> ctnChoices;
    std::unique_ptr<ComboChoiceList> statusChoices;

    std::unique_ptr<ProgressWindow> progress;
    ReportService* reportService = nullptr;
    std::thread worker;
    Operation running = Operation::None;
    DeviceResult operationResult = DeviceResult::Ok;
    ReadJobResult readResult;
    WritePlan writePlan;
    WriteOutcome writeOutcome;
    // "Changes to be written", asked by the worker's write.
    std::unique_ptr<WriteView> changeConfirmation;
    QString ppfDirectory;
    bool closing = false;
};

}  // namespace orv
