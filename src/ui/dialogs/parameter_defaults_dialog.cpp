#include "dialogs/parameter_defaults_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace orv {
namespace {

// Plain boxes stand in this many columns.
constexpr int kColumns = 2;

QCheckBox* makeBox(const DefaultsBox& layout, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromStdString(layout.label), parent);
    setControlId(box, layout.controlId);
    box->setEnabled(layout.enabled);
    return box;
}

// Boxes one after another, in columns filled top to bottom.
void placeInColumns(const std::vector<const DefaultsBox*>& boxes, QGridLayout* grid, QWidget* parent) {
    const int perColumn = static_cast<int>((boxes.size() + kColumns - 1) / kColumns);
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
        grid->addWidget(makeBox(*boxes[static_cast<std::size_t>(i)], parent), i % std::max(perColumn, 1),
                        i / std::max(perColumn, 1));
    }
}

// A grid of boxes under its column headings, with row headings when it has them.
void placeGrid(const DefaultsGrid& layout, const std::vector<const DefaultsBox*>& boxes, QGridLayout* grid,
               QWidget* parent) {
    const int firstColumn = layout.rows.empty() ? 0 : 1;
    for (int c = 0; c < static_cast<int>(layout.columns.size()); ++c) {
        auto* heading =
            new QLabel(QString::fromStdString(layout.columns[static_cast<std::size_t>(c)]), parent);
        grid->addWidget(heading, 0, firstColumn + c, Qt::AlignLeft);
    }
    for (int r = 0; r < static_cast<int>(layout.rows.size()); ++r) {
        grid->addWidget(new QLabel(QString::fromStdString(layout.rows[static_cast<std::size_t>(r)]), parent),
                        r + 1, 0);
    }
    for (const DefaultsBox* box : boxes) {
        grid->addWidget(makeBox(*box, parent), box->gridRow + 1, firstColumn + box->gridColumn);
    }
    grid->setColumnStretch(firstColumn + static_cast<int>(layout.columns.size()), 1);
}

}  // namespace

ParameterDefaultsDialog::ParameterDefaultsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kDefaultsTitle);
    auto* layout = new QVBoxLayout(this);
    auto* instruction = new QLabel(kDefaultsInstruction, this);
    instruction->setWordWrap(true);
    layout->addWidget(instruction);

    tabs = new QTabWidget(this);
    const auto& layouts = defaultsDialogTabs();
    std::array<FieldControls*, kDefaultsTabCount> pageControls{};
    for (std::size_t tab = 0; tab < layouts.size(); ++tab) {
        pages[tab] = buildTab(layouts[tab]);
        tabs->addTab(pages[tab], QString::fromStdString(layouts[tab].title));
        controls[tab] = std::make_unique<QtFieldControls>(pages[tab]);
        pageControls[tab] = controls[tab].get();
    }
    boxRules = std::make_unique<DefaultsDialog>(pageControls);
    layout->addWidget(tabs, 1);

    auto* buttons = new QHBoxLayout;
    auto* selectAll = new QPushButton(kSelectAllButton, this);
    auto* clearAll = new QPushButton(kClearAllButton, this);
    for (QPushButton* button : {selectAll, clearAll}) button->setAutoDefault(false);
    connect(selectAll, &QPushButton::clicked, this, [this] { boxRules->selectAll(); });
    connect(clearAll, &QPushButton::clicked, this, [this] { boxRules->clearAll(); });
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->addWidget(selectAll);
    buttons->addWidget(clearAll);
    buttons->addStretch();
    buttons->addWidget(box);
    layout->addLayout(buttons);
}

ParameterDefaultsDialog::~ParameterDefaultsDialog() = default;

QWidget* ParameterDefaultsDialog::buildTab(const DefaultsTab& layout) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);

    // Boxes by the frame they sit in, frames in the order they first appear.
    std::vector<std::string> groups;
    std::map<std::string, std::vector<const DefaultsBox*>> byGroup;
    for (const DefaultsBox& box : layout.boxes) {
        if (!byGroup.contains(box.group)) groups.push_back(box.group);
        byGroup[box.group].push_back(&box);
    }
    for (const std::string& group : groups) {
        QWidget* holder = page;
        QGridLayout* grid = nullptr;
        if (group.empty()) {
            grid = new QGridLayout;
            column->addLayout(grid);
        } else {
            auto* frame = new QGroupBox(QString::fromStdString(group), page);
            grid = new QGridLayout(frame);
            column->addWidget(frame);
            holder = frame;
        }
        const auto gridLayout =
            std::find_if(layout.grids.begin(), layout.grids.end(),
                         [&](const DefaultsGrid& candidate) { return candidate.group == group; });
        if (gridLayout != layout.grids.end()) {
            placeGrid(*gridLayout, byGroup[group], grid, holder);
        } else {
            placeInColumns(byGroup[group], grid, holder);
        }
    }
    if (!layout.note.empty()) column->addWidget(new QLabel(QString::fromStdString(layout.note), page));
    column->addStretch();
    return page;
}

QWidget* ParameterDefaultsDialog::box(int tab, int controlId) const {
    if (tab < 0 || tab >= kDefaultsTabCount) return nullptr;
    return controls[static_cast<std::size_t>(tab)]->widget(controlId);
}

}  // namespace orv
