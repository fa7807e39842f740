#include "widgets/schedule_table_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "pages/schedule_table_page.h"

namespace orv {
namespace {

// Column widths in dialog units (a quarter of the average character width).
constexpr int kParameterUnits = 150;
constexpr int kSeasonUnits = 110;

int unitsToPixels(const QWidget& widget, int units) {
    return units * widget.fontMetrics().averageCharWidth() / 4;
}

QTableWidget* readOnlyTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    table->setFocusPolicy(Qt::NoFocus);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const std::string& text) {
    auto* item = table->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    item->setText(QString::fromStdString(text));
}

}  // namespace

ScheduleTableView::ScheduleTableView(const ParameterRecord& record, QWidget* parent)
    : QWidget(parent), record(record), parameters(readOnlyTable(this)), seasons(readOnlyTable(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(parameters);
    layout->addWidget(seasons, 1);

    parameters->setColumnCount(1);
    parameters->setHorizontalHeaderLabels({kScheduleTableParameterColumn});
    parameters->setColumnWidth(0, unitsToPixels(*this, kParameterUnits));
    // A (still) scroll bar below keeps the rows level with the season lists'.
    parameters->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    parameters->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    parameters->setFixedWidth(parameters->columnWidth(0) + 2 * parameters->frameWidth());
    parameters->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);

    QStringList headers;
    for (const std::string& header : scheduleTableSeasonHeaders()) headers << QString::fromStdString(header);
    seasons->setColumnCount(static_cast<int>(headers.size()));
    seasons->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < seasons->columnCount(); ++column) {
        seasons->setColumnWidth(column, unitsToPixels(*this, kSeasonUnits));
    }
    seasons->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // One vertical position for both lists.
    connect(seasons->verticalScrollBar(), &QScrollBar::valueChanged, parameters->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(parameters->verticalScrollBar(), &QScrollBar::valueChanged, seasons->verticalScrollBar(),
            &QScrollBar::setValue);
    refill();
}

void ScheduleTableView::refill() {
    const auto rows = scheduleTableRows(record);
    parameters->setRowCount(static_cast<int>(rows.size()));
    seasons->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const ScheduleTableRow& line = rows[static_cast<std::size_t>(row)];
        setCell(parameters, row, 0, line.parameter);
        for (int column = 0; column < kSeasons; ++column) {
            setCell(seasons, row, column, line.seasons[static_cast<std::size_t>(column)]);
        }
    }
}

void ScheduleTableView::showEvent(QShowEvent* event) {
    refill();
    QWidget::showEvent(event);
}

}  // namespace orv
