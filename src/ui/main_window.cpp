#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "app/message_log.h"
#include "app/window_placement.h"
#include "dialogs/about_dialog.h"
#include "dialogs/change_summary_dialog.h"
#include "dialogs/progress_window.h"
#include "dialogs/user_guide_window.h"
#include "gui_thread.h"
#include "image/firmware_table.h"
#include "model/definitions.h"
#include "model/record.h"
#include "pages/pages_messages.h"
#include "pages/parameter_pages.h"
#include "pages/season_page_handlers.h"
#include "qt_message_presenter.h"
#include "qt_page_host.h"
#include "report_service.h"
#include "simulation_report_source.h"
#include "support_actions.h"
#include "tabs/parameter_tab_page.h"
#include "tabs/schedule_page.h"
#include "tabs/simulation_page.h"
#include "tabs/tab_factory.h"
#include "widgets/logo.h"
#include "widgets/up_down_control.h"
#include "window_messages.h"
#include "workflow/workflow_messages.h"

namespace orv {

// The converter's view of the window: the identity area as page Main, each
// tab page's forms, and the title.
class MainWindow::Pages : public PageSet {
public:
    explicit Pages(MainWindow& window) : window(window) {}

    FieldControls* controls(Page page) override {
        if (page == Page::Main) return &window.mainControls();
        for (const auto& tabPage : window.tabPages) {
            if (!tabPage) continue;
            if (FieldControls* found = tabPage->controls(page)) return found;
        }
        return nullptr;
    }
    std::string windowTitle() const override { return window.windowTitle().toStdString(); }
    void setWindowTitle(const std::string& title) override {
        window.setWindowTitle(QString::fromStdString(title));
    }
    bool allTabPagesExist() const override { return created; }

    bool created = false;

private:
    MainWindow& window;
};

// The Firmware combo as the device operations see it: asked and changed from
// the worker, it answers on the GUI thread.
class MainWindow::Firmware : public FirmwareSelection {
public:
    explicit Firmware(MainWindow& window) : window(window) {}

    int selectedRow() const override {
        int row = kFirmwareNotSupported;
        onGuiThreadAndWait(&window, [&] { row = window.firmware->currentIndex(); });
        return row < 0 ? kFirmwareNotSupported : row;
    }
    void selectRow(int row) override {
        onGuiThreadAndWait(&window, [&] { window.firmwareChosen(row); });
    }

private:
    MainWindow& window;
};

MainWindow::MainWindow(const AppParts& parts, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      app(parts),
      pages(std::make_unique<Pages>(*this)),
      firmwareChoice(std::make_unique<Firmware>(*this)) {
    setWindowTitle(kMainWindowTitle);
    setWindowIcon(QIcon(drawOrvLogo(64)));
    fieldConverter = std::make_unique<FieldConverter>(app.record, app.log, *pages);
    registerParameterPages(pageRegistry);
    pageHost = std::make_unique<QtPageHost>(
        *pages, app.user, [this] { launchSibling(); },
        [this](FactoryOperation operation) { runFactoryOperation(operation); });
    pagesContext = std::make_unique<PageContext>(
        PageContext{app.record, *fieldConverter, *pages, app.log, *pageHost, pageRegistry});
    buildLayout();
    jobChoices = std::make_unique<ComboChoiceList>(job);
    ctnChoices = std::make_unique<ComboChoiceList>(ctn);
    statusChoices = std::make_unique<ComboChoiceList>(status);
    WorkflowParts flowParts{app.record,   app.log,  *pages,          *fieldConverter, app.db,
                            app.settings, app.user, *firmwareChoice, app.settingsFile};
    flow = std::make_unique<MainWorkflows>(flowParts, static_cast<MainView&>(*this));
    progress = std::make_unique<ProgressWindow>(this);
    changeConfirmation = std::make_unique<DialogChangeConfirmation>(*this, runner);
    reportService = new ReportService(this, app.log, app.record, runner);
    if (auto* simulation =
            dynamic_cast<SimulationPage*>(tabPages[static_cast<std::size_t>(Tab::Simulation)].get())) {
        reportService->simulationSource = [this, simulation](bool tabShown) {
            return simulationForReport(*simulation, app.record, app.log, app.settingsFile, tabShown);
        };
    }
    connectSignals();
    connect(this, &MainWindow::operationFinished, this, &MainWindow::finishOperation, Qt::QueuedConnection);
    app.presenter.setOwner(this);
    addHistoryEntry();
    addAboutEntry();
}

void MainWindow::addHistoryEntry() {
    historyAction = new QAction("History...", this);
    historyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(historyAction, &QAction::triggered, this, &MainWindow::history);
    addAction(historyAction);
}

void MainWindow::addAboutEntry() {
    // The window's own menu (a right click on it): the About box (also F1), the
    // computer check and the support bundle.
    aboutAction = new QAction("About Orv...", this);
    aboutAction->setShortcut(QKeySequence(Qt::Key_F1));
    connect(aboutAction, &QAction::triggered, this, [this] {
        AboutDialog dialog(this);
        runner.runDialog(dialog);
    });
    addAction(aboutAction);
    // When the collar does not answer: the computer check and one file for support.
    checkAction = new QAction("Check this computer...", this);
    connect(checkAction, &QAction::triggered, this, [this] { showComputerCheck(this, app, runner); });
    addAction(checkAction);
    bundleAction = new QAction("Support bundle...", this);
    connect(bundleAction, &QAction::triggered, this, [this] { saveSupportBundle(this, app, runner); });
    addAction(bundleAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::showUserGuide() {
    const QString guide = userGuideFile();
    if (!QFileInfo::exists(guide)) {
        app.log.error("%s", uitext::userGuideMissing(guide.toStdString()).c_str());
        return;
    }
    UserGuideWindow window(guide, this);
    runner.runDialog(window);
}

MainWindow::~MainWindow() {
    if (worker.joinable()) worker.join();
    reportService->waitIdle();
    // The pages go before the tab control: their removal is no tab change.
    tabs->blockSignals(true);
    for (QObject* watched : {static_cast<QObject*>(job), static_cast<QObject*>(ctn)}) {
        watched->removeEventFilter(this);
    }
    const QRect frame = frameGeometry();
    saveWindowPlacement(
        app.profile, {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()});
    if (const auto tab = currentTab()) saveLastTab(app.profile, static_cast<int>(*tab));
    if (app.presenter.owner() == this) app.presenter.setOwner(nullptr);
}

PageSet& MainWindow::pageSet() {
    return *pages;
}

FirmwareSelection& MainWindow::firmwareSelection() {
    return *firmwareChoice;
}

QPushButton* MainWindow::button(MainButton which) const {
    return buttons.value(static_cast<int>(which));
}

QString MainWindow::labelText(int stringRow) const {
    return QString::fromStdString(
        mainFields->controls().text(stringDefinitions()[static_cast<std::size_t>(stringRow)].labelId));
}

QPushButton* MainWindow::makeButton(MainButton which, const char* text, int controlRow) {
    auto* pushButton = new QPushButton(text);
    pushButton->setAutoDefault(false);
    if (controlRow >= 0) setControlId(pushButton, controlRowControl(controlRow));
    buttons.insert(static_cast<int>(which), pushButton);
    return pushButton;
}

namespace {

QLabel* captionFor(int stringRow, const char* text) {
    auto* label = new QLabel(text);
    setControlId(label, stringDefinitions()[static_cast<std::size_t>(stringRow)].labelId);
    return label;
}

QLabel* staticText(int stringRow) {
    auto* label = new QLabel;
    label->setMinimumWidth(120);
    label->setFrameShape(QFrame::StyledPanel);
    setControlId(label, mainStringControl(stringRow));
    return label;
}

QComboBox* editableCombo(int stringRow) {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumWidth(140);
    setControlId(combo, mainStringControl(stringRow));
    return combo;
}

}  // namespace

QWidget* MainWindow::buildIdentityArea() {
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);

    job = editableCombo(StringRow::JobNumber);
    ctn = editableCombo(StringRow::CtnNumber);
    status = new QComboBox;
    setControlId(status, mainStringControl(StringRow::DevStatus));
    firmware = new QComboBox;
    for (const FirmwareEntry& entry : firmwareTable()) firmware->addItem(entry.version);
    const BoundRow year = mainFields->row(GeneralRow::StartYear, {"Deployment Year:"});
    year.value->setMaximumWidth(60);
    customer = new QLineEdit;
    customer->setMaxLength(stringDefinitions()[StringRow::Customer].width);
    setControlId(customer, mainStringControl(StringRow::Customer));
    notes = new QPlainTextEdit;
    notes->setMaximumHeight(54);
    notes->setTabChangesFocus(true);
    setControlId(notes, mainStringControl(StringRow::Notes));

    auto* yearBox = new QHBoxLayout;
    yearBox->addWidget(year.value);
    yearBox->addWidget(year.spin);
    yearBox->addStretch();

    int row = 0;
    grid->addWidget(captionFor(StringRow::JobNumber, "Job Number:"), row, 0);
    grid->addWidget(job, row, 1);
    grid->addWidget(makeButton(MainButton::ChangeJob, "Change", ControlRow::ChangeJob), row, 2);
    grid->addWidget(captionFor(StringRow::CtnNumber, "CTN / Seq. Number:"), row, 3);
    grid->addWidget(ctn, row, 4);
    grid->addWidget(makeButton(MainButton::ChangeCtn, "Change", ControlRow::ChangeCtn), row, 5);
    grid->addWidget(makeButton(MainButton::Login, "Login"), row, 6);
    ++row;
    grid->addWidget(captionFor(StringRow::DevStatus, "Device Status:"), row, 0);
    grid->addWidget(status, row, 1);
    grid->addWidget(new QLabel("Firmware:"), row, 3);
    grid->addWidget(firmware, row, 4);
    grid->addWidget(year.label, row, 5);
    grid->addLayout(yearBox, row, 6);
    ++row;
    auto* customerBox = new QHBoxLayout;
    customerBox->addWidget(customer, 1);
    QPushButton* utility = makeButton(MainButton::DatabaseUtility, "", ControlRow::DatabaseUtility);
    utility->setFixedSize(12, 12);
    customerBox->addWidget(utility);
    grid->addWidget(captionFor(StringRow::Customer, "Customer:"), row, 0);
    grid->addLayout(customerBox, row, 1, 1, 2);
    grid->addWidget(makeButton(MainButton::Customer, "Customer"), row, 3);
    grid->addWidget(makeButton(MainButton::CtnLookup, "CTN Lookup"), row, 4);
    ++row;
    grid->addWidget(captionFor(StringRow::Notes, "Notes:"), row, 0, Qt::AlignTop);
    grid->addWidget(notes, row, 1, 1, 6);
    ++row;
    grid->addWidget(captionFor(StringRow::CoordSignoff, "Coord. Signoff:"), row, 0);
    grid->addWidget(staticText(StringRow::CoordSignoff), row, 1);
    grid->addWidget(staticText(StringRow::CoordSignoffDate), row, 2);
    grid->addWidget(captionFor(StringRow::ProgrammedBy, "Programmed By:"), row, 3);
    grid->addWidget(staticText(StringRow::ProgrammedBy), row, 4);
    grid->addWidget(staticText(StringRow::ProgByDate), row, 5);
    ++row;
    grid->addWidget(captionFor(StringRow::UserName, "User:"), row, 0);
    grid->addWidget(staticText(StringRow::UserName), row, 1);
    grid->addWidget(captionFor(StringRow::UserAccessLevel, "Level:"), row, 3);
    grid->addWidget(staticText(StringRow::UserAccessLevel), row, 4);
    // The date statics carry no caption of their own.
    return area;
}

QWidget* MainWindow::buildDatabaseGroup() {
    auto* group = new QGroupBox("Database");
    setControlId(group, controlRowControl(ControlRow::DatabaseFrame));
    auto* layout = new QGridLayout(group);
    layout->addWidget(makeButton(MainButton::Save, "Save", ControlRow::Save), 0, 0);
    layout->addWidget(makeButton(MainButton::Read, "Read", ControlRow::Read), 0, 1);
    layout->addWidget(makeButton(MainButton::Check, "Check"), 0, 2);
    layout->addWidget(makeButton(MainButton::Export, "Export", ControlRow::Export), 1, 0);
    layout->addWidget(makeButton(MainButton::Import, "Import", ControlRow::Import), 1, 1);
    layout->addWidget(makeButton(MainButton::Delete, "Delete", ControlRow::Delete), 1, 2);
    auto* rangeLabel = new QLabel("Range:");
    const int rangeId = controlRowControl(ControlRow::Range);
    setControlId(rangeLabel, controlDefinitions()[ControlRow::Range].labelId);
    range = new QComboBox;
    setControlId(range, rangeId);
    layout->addWidget(rangeLabel, 2, 0);
    layout->addWidget(range, 2, 1, 1, 2);
    return group;
}

QWidget* MainWindow::buildDeviceGroup() {
    auto* group = new QGroupBox("GPS System");
    setControlId(group, controlRowControl(ControlRow::DeviceFrame));
    auto* layout = new QGridLayout(group);
    layout->addWidget(makeButton(MainButton::ReadDevice, "Read Device", ControlRow::ReadDevice), 0, 0);
    layout->addWidget(makeButton(MainButton::WriteDevice, "Write Device", ControlRow::WriteDevice), 0, 1);
    layout->addWidget(makeButton(MainButton::ComPort, "COM Port", ControlRow::ComPort), 0, 2);
    layout->addWidget(makeButton(MainButton::CheckDevice, "Check Device"), 1, 0);
    layout->addWidget(makeButton(MainButton::Firmware, "Firmware"), 1, 1);
    layout->addWidget(makeButton(MainButton::Shutdown, "Shutdown", ControlRow::Shutdown), 1, 2);
    layout->addWidget(makeButton(MainButton::GetDefaults, "Get Defaults", ControlRow::GetDefaults), 2, 0);
    layout->addWidget(makeButton(MainButton::Print, "Print", ControlRow::Print), 2, 1);
    layout->addWidget(makeButton(MainButton::Exit, "Exit"), 2, 2);
    auto* extras = new QHBoxLayout;
    extras->addWidget(makeButton(MainButton::Clock, "Clock", ControlRow::Clock));
    extras->addStretch();
    QPushButton* help = makeButton(MainButton::ContextHelp, "?");
    help->setFixedWidth(28);
    extras->addWidget(help);
    layout->addLayout(extras, 3, 0, 1, 3);
    return group;
}

void MainWindow::buildTabs() {
    tabs = new QTabWidget;
    for (int i = 0; i < kTabCount; ++i) {
        const auto tab = static_cast<Tab>(i);
        auto page = createParameterTabPage(tab, binderContext(), {pagesContext.get(), &runner});
        tabPages[static_cast<std::size_t>(i)] = page ? std::move(page) : createTabPage(tab, binderContext());
    }
    if (auto* simulation =
            dynamic_cast<SimulationPage*>(tabPages[static_cast<std::size_t>(Tab::Simulation)].get()))
        simulation->attach(&app.log, app.settingsFile);
    // The Schedule tab's rows land in the registry as orvctl's do.
    if (auto* schedule = dynamic_cast<SchedulePage*>(tabPages[static_cast<std::size_t>(Tab::Schedule)].get()))
        registerSeasonPage(pageRegistry, schedule->rules());
    shownTabs = activeTabs(app.settingsFile);
    for (const Tab tab : shownTabs) {
        // A page larger than the window scrolls instead of being cut off.
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(tabPages[static_cast<std::size_t>(tab)].get());
        tabs->addTab(scroll, tabTitle(tab));
    }
    // Pages that are not shown still exist, so every page can be stored and shown.
    pages->created = true;
}

BinderContext MainWindow::binderContext() {
    return {fieldConverter.get(), [this] { return !operationRunning(); },
            [this](const RowEdit& edit) { (void)pageRegistry.edited(*pagesContext, edit); }};
}

void MainWindow::buildLayout() {
    content = new QWidget(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(content);

    identity = new QWidget;
    mainFields = std::make_unique<FieldBinder>(Page::Main, identity, binderContext());
    auto* identityLayout = new QVBoxLayout(identity);
    identityLayout->setContentsMargins(0, 0, 0, 0);
    identityLayout->addWidget(buildIdentityArea());
    auto* groups = new QHBoxLayout;
    groups->addWidget(buildDatabaseGroup());
    groups->addWidget(buildDeviceGroup());
    identityLayout->addLayout(groups);

    buildTabs();
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(identity);
    layout->addWidget(tabs, 1);
    setTooltips();
}

void MainWindow::setTooltips() {
    // "parmeters" is spelled as the users have always seen it.
    const std::pair<MainButton, const char*> tips[] = {
        {MainButton::Print, "Print the current parameter file."},
        {MainButton::Delete, "Delete the current record from the database."},
        {MainButton::Import, "Import a configuration (ppf) file into Orv3."},
        {MainButton::Export, "Create a configuration (ppf) file."},
        {MainButton::GetDefaults, "Set parameters to program default values."},
        {MainButton::Save, "Save the current parmeters to the database."},
        {MainButton::Read, "Read the selected record from the database."},
        {MainButton::Check, "Compare current parameters with database record."},
        {MainButton::WriteDevice, "Program the current parameters into the currently connected system."},
        {MainButton::ReadDevice, "Read the parameters from the currently connected system."},
        {MainButton::CheckDevice,
         "Compare the parameters of the connected system with the current file parameters."},
    };
    for (const auto& [which, tip] : tips) button(which)->setToolTip(tip);
}

void MainWindow::connectSignals() {
    const std::pair<MainButton, void (MainWindow::*)()> handlers[] = {
        {MainButton::Save, &MainWindow::saveRecord},
        {MainButton::Read, &MainWindow::readRecord},
        {MainButton::Check, &MainWindow::checkRecord},
        {MainButton::Delete, &MainWindow::deleteRecord},
        {MainButton::Export, &MainWindow::exportFile},
        {MainButton::Import, &MainWindow::importFile},
        {MainButton::ReadDevice, &MainWindow::readDevice},
        {MainButton::CheckDevice, &MainWindow::checkDevice},
        {MainButton::Firmware, &MainWindow::queryFirmware},
        {MainButton::WriteDevice, &MainWindow::writeDevice},
        {MainButton::Shutdown, &MainWindow::shutdownDevice},
        {MainButton::ComPort, &MainWindow::editComPort},
        {MainButton::GetDefaults, &MainWindow::getDefaults},
        {MainButton::Login, &MainWindow::login},
        {MainButton::Customer, &MainWindow::customerSearch},
        {MainButton::CtnLookup, &MainWindow::ctnLookup},
        {MainButton::DatabaseUtility, &MainWindow::databaseUtility},
    };
    for (const auto& [which, handler] : handlers)
        connect(button(which), &QPushButton::clicked, this, handler);
    // On the Simulation tab the simulation report is preselected.
    connect(button(MainButton::Print), &QPushButton::clicked, this,
            [this] { reportService->printDialog("", currentTab() == Tab::Simulation); });
    connect(button(MainButton::Exit), &QPushButton::clicked, this, &QWidget::close);
    connect(button(MainButton::ChangeJob), &QPushButton::clicked, this,
            [this] { changeName(NameField::Job); });
    connect(button(MainButton::ChangeCtn), &QPushButton::clicked, this,
            [this] { changeName(NameField::Ctn); });
    connect(button(MainButton::ContextHelp), &QPushButton::clicked, this, [this] { showUserGuide(); });

    connect(job->lineEdit(), &QLineEdit::textEdited, this, [this] { flow->identity.jobTyped(); });
    connect(ctn->lineEdit(), &QLineEdit::textEdited, this, [this] { flow->identity.ctnTyped(); });
    connect(job, &QComboBox::activated, this, [this] { flow->identity.jobSelected(); });
    connect(ctn, &QComboBox::activated, this, [this] { flow->identity.ctnSelected(); });
    job->installEventFilter(this);
    ctn->installEventFilter(this);
    connect(status, &QComboBox::activated, this, [this] { flow->identity.statusChanged(); });
    connect(notes, &QPlainTextEdit::textChanged, this, &MainWindow::notesChanged);
    connect(customer, &QLineEdit::textEdited, this,
            [this] { flow->identity.textEdited(StringRow::Customer); });
    connect(firmware, &QComboBox::activated, this, &MainWindow::firmwareChosen);
    connect(range, &QComboBox::activated, this, [this] { flow->identity.selectRange(); });
    connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::tabChanged);
}

void MainWindow::initialize() {
    if (shownTabs.empty()) app.log.error(wftext::kNoTabsMessage);
    shownTabIndex = tabs->currentIndex();
    flow->identity.initialize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        if (const auto size = restoreWindowSize(app.profile, available.width(), available.height())) {
            // The stored size has the frame in it; resize takes the inside.
            const QSize frameExtra = frameGeometry().size() - geometry().size();
            resize(QSize(size->width, size->height) - frameExtra);
        }
        if (const auto position =
                restoreWindowPlacement(app.profile, available.width(), available.height())) {
            move(position->left, position->top);
        }
    }
    showLastTab();
}

void MainWindow::showLastTab() {
    const int last = restoreLastTab(app.profile);
    for (std::size_t i = 0; i < shownTabs.size(); ++i) {
        if (static_cast<int>(shownTabs[i]) == last) tabs->setCurrentIndex(static_cast<int>(i));
    }
}

std::optional<Tab> MainWindow::currentTab() const {
    const int index = tabs->currentIndex();
    if (index < 0 || index >= static_cast<int>(shownTabs.size())) return std::nullopt;
    return shownTabs[static_cast<std::size_t>(index)];
}

void MainWindow::tabChanged(int index) {
    if (shownTabIndex >= 0 && shownTabIndex < static_cast<int>(shownTabs.size())) {
        flow->screen.tabLeaving(shownTabs[static_cast<std::size_t>(shownTabIndex)]);
    }
    shownTabIndex = index;
    if (const auto tab = currentTab()) flow->screen.tabShown(*tab);
}

void MainWindow::showFirmwareRow(int row) {
    const QSignalBlocker blocker(firmware);
    firmware->setCurrentIndex(row);
}

void MainWindow::firmwareChosen(int row) {
    showFirmwareRow(row);
    flow->identity.applyFirmwareSelection(row);
}

void MainWindow::pageShown(Page page) {
    for (const auto& tabPage : tabPages) {
        if (!tabPage) continue;
        // A tab that binds no fields (the Schedule Table) still shows the record.
        const auto held = tabFacts(tabPage->tab()).pageList();
        if (tabPage->controls(page) != nullptr || std::find(held.begin(), held.end(), page) != held.end())
            tabPage->pageShown(page);
    }
}

void MainWindow::printSpr(const std::string& titleSuffix) {
    reportService->printDialog(titleSuffix, false);
}

void MainWindow::notesChanged() {
    QString text = notes->toPlainText();
    if (text.size() > kNotesLimit) {
        // What was just typed beyond the limit is refused (the characters
        // before the caret), not the end of the notes; the caret stays put.
        const int excess = static_cast<int>(text.size()) - kNotesLimit;
        const int caret = notes->textCursor().position();
        const int from = std::max(0, caret - excess);
        text.remove(from, caret - from);
        text.truncate(kNotesLimit);
        const QSignalBlocker blocker(notes);
        notes->setPlainText(text);
        QTextCursor cursor = notes->textCursor();
        cursor.setPosition(std::min(from, static_cast<int>(text.size())));
        notes->setTextCursor(cursor);
        app.log.error("%s", notesLimitMessage(kNotesLimit).c_str());
    }
    flow->identity.textEdited(StringRow::Notes);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto* focus = static_cast<QFocusEvent*>(event);
        // Opening a combo's own list is not leaving it.
        if (focus->reason() != Qt::PopupFocusReason && !operationRunning()) {
            if (watched == job) flow->identity.jobLeft();
            if (watched == ctn) flow->identity.ctnLeft();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The control that has the focus: the focused widget, or the first of
        // its parents with a control id (a combo's own edit); its binder knows its row.
        QObject* control = QApplication::focusWidget();
        while (control != nullptr && QtFieldControls::idOf(control) == 0) control = control->parent();
        std::optional<PageRow> focused;
        for (const auto& tabPage : tabPages) {
            if (control == nullptr || focused) break;
            if (tabPage) focused = tabPage->rowOf(control);
        }
        flow->identity.enterPressed(focused);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (operationRunning() || !(closing || flow->records.exitApplication())) {
        event->ignore();
        return;
    }
    closing = true;
    event->accept();
}

}  // namespace orv
