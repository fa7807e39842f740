#include "tabs/schedule_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "binding/field_converter.h"
#include "binding/page_set.h"
#include "model/value_kind.h"
#include "pages/season_page.h"
#include "widgets/field_width.h"
#include "widgets/marker_label.h"
#include "widgets/schedule_table_view.h"
#include "widgets/up_down_control.h"

namespace orv {
namespace {

// As wide as the row's values; the season length also takes its date form ("Dec 31").
void fitSeasonEdit(QLineEdit* edit, int row) {
    const ParameterDefinition& definition = seasonRow(row);
    int characters = fieldCharacters(definition, definition.kind, false);
    if (row == SeasonRow::NumberOfDays || row == SeasonRow::LengthOfSeasonSeasonStartDay)
        characters = std::max(characters, fieldCharacters(definition, KindDayOfYear, false));
    fitEditWidth(edit, characters);
}

QLabel* extraLabel(int row, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    setControlId(label, seasonRow(row).extraId);
    return label;
}

}  // namespace

// The tab's forms as the season rules see them; markers and title stay the window's.
class SchedulePage::Forms : public PageSet {
public:
    explicit Forms(SchedulePage& page) : page(page) {}
    FieldControls* controls(Page which) override { return page.controls(which); }
    std::string windowTitle() const override { return page.window()->windowTitle().toStdString(); }
    void setWindowTitle(const std::string& title) override {
        page.window()->setWindowTitle(QString::fromStdString(title));
    }
    bool allTabPagesExist() const override { return true; }

private:
    SchedulePage& page;
};

SchedulePage::SchedulePage(const BinderContext& context, QWidget* parent)
    : TabPage(Tab::Schedule, context, parent), forms(std::make_unique<Forms>(*this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSeasonArea());
    blocks = new QTabWidget(this);
    blocks->addTab(buildGpsPanel(), kGpsBlockTab);
    blocks->addTab(buildTransmitterPanel(), kTransmitterBlockTab);
    layout->addWidget(blocks);
    layout->addStretch();
    season = std::make_unique<SeasonPage>(*context.converter, *forms);
}

SchedulePage::~SchedulePage() = default;

SeasonPage& SchedulePage::rules() {
    return *season;
}

namespace {

// An edit with its up-down control and marker label, adopted by the binder.
struct EditCell {
    QLabel* label;
    QLineEdit* edit;
    UpDownControl* spin;
};

}  // namespace

QWidget* SchedulePage::buildSeasonArea() {
    FieldBinder& fields = bind(Page::Schedule);
    auto makeEdit = [&](int row, const QString& caption) {
        EditCell cell{new MarkerLabel(caption, this), new QLineEdit(this), new UpDownControl(this)};
        fitSeasonEdit(cell.edit, row);
        fields.adopt(row, cell.edit, cell.label, cell.spin);
        return cell;
    };

    auto* frame = new QGroupBox("Season Parameters", this);
    fields.control(ControlRow::SeasonFrame, frame);
    auto* grid = new QGridLayout(frame);

    const EditCell selector = makeEdit(SeasonRow::Season, "Season:");
    grid->addWidget(selector.label, 0, 0);
    auto* selectorBox = new QHBoxLayout;
    selectorBox->addWidget(selector.edit);
    selectorBox->addWidget(selector.spin);
    selectorBox->addStretch();
    grid->addLayout(selectorBox, 0, 1);

    auto* typeFrame = new QGroupBox("Season Type", frame);
    auto* typeBox = new QHBoxLayout(typeFrame);
    auto* dayOfYear = new QRadioButton("Day of Year", typeFrame);
    auto* numberOfDays = new QRadioButton("Number of Days", typeFrame);
    // The marker labels of the pair: empty until the type is changed.
    auto* dayOfYearMark = new MarkerLabel(QString(), typeFrame);
    auto* numberOfDaysMark = new MarkerLabel(QString(), typeFrame);
    fields.adopt(SeasonRow::SeasonType, dayOfYear, dayOfYearMark);
    fields.adopt(SeasonRow::NumDaysCheck, numberOfDays, numberOfDaysMark);
    typeBox->addWidget(dayOfYearMark);
    typeBox->addWidget(dayOfYear);
    typeBox->addWidget(numberOfDaysMark);
    typeBox->addWidget(numberOfDays);
    typeBox->addStretch();
    grid->addWidget(typeFrame, 0, 2, 2, 2);

    // The number of days and the start day share one place; the type shows one.
    const EditCell days = makeEdit(SeasonRow::NumberOfDays, kNumberOfDaysLabel);
    const EditCell start = makeEdit(SeasonRow::LengthOfSeasonSeasonStartDay, kStartDayLabel);
    start.label->hide();
    grid->addWidget(days.label, 1, 0);
    grid->addWidget(start.label, 1, 0);
    auto* lengthBox = new QHBoxLayout;
    lengthBox->addWidget(days.edit);
    lengthBox->addWidget(start.edit);
    lengthBox->addWidget(days.spin);
    lengthBox->addWidget(start.spin);
    lengthBox->addWidget(extraLabel(SeasonRow::NumberOfDays, "1-365", frame));
    lengthBox->addStretch();
    grid->addLayout(lengthBox, 1, 1);

    const BoundRow next = fields.row(SeasonRow::NextSeason, {"Next Season:"});
    grid->addWidget(next.label, 2, 0);
    grid->addWidget(next.value, 2, 1);

    auto* note = extraLabel(SeasonRow::LengthOfSeasonSeasonStartDay, kLeapYearNote, frame);
    note->setWordWrap(true);
    grid->addWidget(note, 3, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    // The length label changes with the season type; the fields stay put.
    grid->setColumnMinimumWidth(
        0, frame->fontMetrics().horizontalAdvance(QString(kLabelMarker) + kNumberOfDaysLabel) + 8);
    return frame;
}

QWidget* SchedulePage::buildGpsPanel() {
    auto* panel = new QWidget;
    FieldBinder& fields = bind(Page::ScheduleGpsPanel, panel);
    auto* frame = new QGroupBox(kGpsBlockTab, panel);
    fields.control(ControlRow::GpsGridFrame, frame);
    auto* outer = new QVBoxLayout(panel);
    outer->addWidget(frame);
    auto* grid = new QGridLayout(frame);

    auto cell = [&](int row, const QString& caption) {
        EditCell made{new MarkerLabel(caption, panel), new QLineEdit(panel), new UpDownControl(panel)};
        fitSeasonEdit(made.edit, row);
        fields.adopt(row, made.edit, made.label, made.spin);
        return made;
    };
    auto place = [](QGridLayout* into, const EditCell& made, int row, int column, QLabel* extra = nullptr) {
        auto* box = new QHBoxLayout;
        box->addWidget(made.label);
        box->addWidget(made.edit);
        box->addWidget(made.spin);
        if (extra != nullptr) box->addWidget(extra);
        box->addStretch();
        into->addLayout(box, row, column);
    };

    const EditCell length = cell(SeasonRow::GpsDcbDuration, "Block Length (days):");
    place(grid, length, 0, 0);
    const BoundRow units = fields.row(SeasonRow::FixIntervalUnits, {"Fix Interval Units:"});
    auto* unitsBox = new QHBoxLayout;
    unitsBox->addWidget(units.label);
    unitsBox->addWidget(units.value);
    unitsBox->addStretch();
    grid->addLayout(unitsBox, 0, 3, 1, 2);

    const char* columns[] = {"DCB Day", "Start Time (hh:mm)", "# Hours", "Fix Interval"};
    for (int c = 0; c < 4; ++c) {
        auto* heading = new QLabel(columns[c], frame);
        fields.control(ControlRow::GpsGridColumnLabels + c, heading);
        grid->addWidget(heading, 1, c + 1);
    }
    for (int n = 0; n < 3; ++n) {
        auto* rowLabel = new QLabel(QString("Duty Cycle %1").arg(n + 1), frame);
        fields.control(ControlRow::GpsGridRowLabels + n, rowLabel);
        grid->addWidget(rowLabel, n + 2, 0);
        const GpsCycleRows& rows = kGpsCycles[static_cast<std::size_t>(n)];
        place(grid, cell(rows.day, ""), n + 2, 1);
        place(grid, cell(rows.startTime, ""), n + 2, 2);
        place(grid, cell(rows.hours, ""), n + 2, 3);
        place(grid, cell(rows.fixInterval, ""), n + 2, 4, extraLabel(rows.fixInterval, "(minutes)", frame));
    }
    grid->setColumnStretch(5, 1);
    outer->addStretch();
    return panel;
}

QWidget* SchedulePage::buildTransmitterPanel() {
    auto* panel = new QWidget;
    FieldBinder& fields = bind(Page::ScheduleTransmitterPanel, panel);
    auto* frame = new QGroupBox(kTransmitterBlockTab, panel);
    fields.control(ControlRow::TransmitterGridFrame, frame);
    auto* outer = new QVBoxLayout(panel);
    outer->addWidget(frame);
    auto* grid = new QGridLayout(frame);

    auto cell = [&](int row, const QString& caption, int gridRow, int gridColumn) {
        auto* label = new MarkerLabel(caption, panel);
        auto* edit = new QLineEdit(panel);
        auto* spin = new UpDownControl(panel);
        fitSeasonEdit(edit, row);
        fields.adopt(row, edit, label, spin);
        auto* box = new QHBoxLayout;
        box->addWidget(label);
        box->addWidget(edit);
        box->addWidget(spin);
        box->addStretch();
        grid->addLayout(box, gridRow, gridColumn);
    };

    cell(SeasonRow::ArgosDcbDuration, "Block Length (days):", 0, 0);
    const char* columns[] = {"DCB Day", "Start Time (hh:mm)", "# Hours"};
    for (int c = 0; c < 3; ++c) {
        auto* heading = new QLabel(columns[c], frame);
        fields.control(ControlRow::TransmitterGridColumnLabels + c, heading);
        grid->addWidget(heading, 1, c + 1);
    }
    for (int n = 0; n < 3; ++n) {
        auto* rowLabel = new QLabel(QString("Duty Cycle %1").arg(n + 1), frame);
        fields.control(ControlRow::TransmitterGridRowLabels + n, rowLabel);
        grid->addWidget(rowLabel, n + 2, 0);
        const TransmitterCycleRows& rows = kTransmitterCycles[static_cast<std::size_t>(n)];
        cell(rows.day, "", n + 2, 1);
        cell(rows.startTime, "", n + 2, 2);
        cell(rows.hours, "", n + 2, 3);
    }
    grid->setColumnStretch(4, 1);
    outer->addStretch();
    return panel;
}

void SchedulePage::pageShown(Page page) {
    if (!season->isSetUp()) {
        season->setUp();
        return;
    }
    if (page == Page::Schedule) season->applySeasonTypeView();
    season->pageShown();
}

ScheduleTablePage::ScheduleTablePage(const BinderContext& context, QWidget* parent)
    : TabPage(Tab::ScheduleTable, context, parent),
      view(new ScheduleTableView(context.converter->parameterRecord(), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
}

void ScheduleTablePage::pageShown(Page) {
    view->refill();
}

}  // namespace orv
