#include "widgets/combo_choice_list.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace orv {

ComboChoiceList::ComboChoiceList(QComboBox* combo) : box(combo) {}

void ComboChoiceList::clear() {
    const QSignalBlocker blocker(box);
    box->clear();
}

void ComboChoiceList::add(const std::string& entry) {
    const QSignalBlocker blocker(box);
    // Adding selects nothing, and an editable combo keeps what is typed.
    const QString typed = box->isEditable() ? box->currentText() : QString();
    const int before = box->currentIndex();
    box->addItem(QString::fromStdString(entry));
    if (before == -1) box->setCurrentIndex(-1);
    if (box->isEditable()) box->setEditText(typed);
}

int ComboChoiceList::count() const {
    return box->count();
}

std::string ComboChoiceList::entry(int index) const {
    return box->itemText(index).toStdString();
}

void ComboChoiceList::replace(int index, const std::string& entry) {
    if (index < 0 || index >= box->count()) return;
    const QSignalBlocker blocker(box);
    box->setItemText(index, QString::fromStdString(entry));
}

void ComboChoiceList::select(int index) {
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

int ComboChoiceList::selected() const {
    return box->currentIndex();
}

ListWidgetChoiceList::ListWidgetChoiceList(QListWidget* list) : list(list) {}

void ListWidgetChoiceList::clear() {
    const QSignalBlocker blocker(list);
    list->clear();
}

void ListWidgetChoiceList::add(const std::string& entry) {
    const QSignalBlocker blocker(list);
    list->addItem(QString::fromStdString(entry));
}

int ListWidgetChoiceList::count() const {
    return list->count();
}

std::string ListWidgetChoiceList::entry(int index) const {
    const QListWidgetItem* item = list->item(index);
    return item != nullptr ? item->text().toStdString() : std::string();
}

void ListWidgetChoiceList::replace(int index, const std::string& entry) {
    if (QListWidgetItem* item = list->item(index)) item->setText(QString::fromStdString(entry));
}

void ListWidgetChoiceList::select(int index) {
    const QSignalBlocker blocker(list);
    list->setCurrentRow(index >= 0 && index < list->count() ? index : -1);
}

int ListWidgetChoiceList::selected() const {
    return list->currentRow();
}

}  // namespace orv
