#pragma once

// The base of the parameter tabs (GPS Parms, Misc., Transmitter, Data Coll.,
// Beacon, Fact. Parms): layout bound by the field binder, which hands every
// user action to the page handler registry, and the page's rules run whenever
// the page is shown.

#include <QObject>
#include <memory>

#include "tabs/tab_page.h"

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QPushButton;

namespace orv {

struct ModalRunner;
struct PageContext;

// What the parameter tabs work with beyond the binder.
struct PageEnvironment {
    const PageContext* context = nullptr;
    ModalRunner* runner = nullptr;
};

class ParameterTabPage : public TabPage {
    Q_OBJECT
public:
    ParameterTabPage(Tab tab, const BinderContext& binder, PageEnvironment environment);

    void pageShown(Page page) override;

protected:
    const PageContext& pageContext() const { return *environment.context; }
    ModalRunner& runner() const { return *environment.runner; }

    // A value row in a grid line: label, value, up-down control, extra static.
    BoundRow placeRow(FieldBinder& fields, QGridLayout* grid, int line, int row, RowTexts texts = {});
    // A text row in a grid line: label and edit (or the widget given).
    BoundRow placeText(FieldBinder& fields, QGridLayout* grid, int line, int stringRow, RowTexts texts = {},
                       QWidget* value = nullptr);
    // A check box or radio button row with its caption beside it, in a widget of its own.
    QWidget* flagRow(FieldBinder& fields, int row, const char* caption, QAbstractButton* button = nullptr);
    QWidget* radioRow(FieldBinder& fields, int row, const char* caption, QButtonGroup* group);
    // A row that lives on the page without being shown (no user may see it).
    void hiddenRow(FieldBinder& fields, int row);
    // A button whose press goes to the registry under its id.
    QPushButton* pageButton(const char* text, int id);
    // Access for the logged-in user on every control the page has bound.
    void applyAccessToForms(std::initializer_list<Page> forms);

private:
    PageEnvironment environment;
};

// The parameter tab for a tab, or nullptr for the tabs that are not parameter tabs.
std::unique_ptr<TabPage> createParameterTabPage(Tab tab, const BinderContext& binder,
                                                PageEnvironment environment);

}  // namespace orv
