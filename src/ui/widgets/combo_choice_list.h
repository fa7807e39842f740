#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QPointer>

#include "model/choice_list.h"

namespace orv {

// A combo box as a list the database fills. Changes made through it are the
// program's, not the user's: they raise no selection signals.
class ComboChoiceList : public ChoiceList {
public:
    explicit ComboChoiceList(QComboBox* combo);

    void clear() override;
    void add(const std::string& entry) override;
    int count() const override;
    std::string entry(int index) const override;
    void replace(int index, const std::string& entry) override;
    void select(int index) override;
    int selected() const override;

    QComboBox* combo() const { return box; }

private:
    QPointer<QComboBox> box;
};

// The same for a list box.
class ListWidgetChoiceList : public ChoiceList {
public:
    explicit ListWidgetChoiceList(QListWidget* list);

    void clear() override;
    void add(const std::string& entry) override;
    int count() const override;
    std::string entry(int index) const override;
    void replace(int index, const std::string& entry) override;
    void select(int index) override;
    int selected() const override;

private:
    QPointer<QListWidget> list;
};

}  // namespace orv
