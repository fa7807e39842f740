#pragma once

// A page is layout only: it asks the binder for the widgets of its rows and
// places them. The binder makes (or adopts, from a form) each row's label,
// value widget, up-down control and extra static, gives them the control ids
// of the row's definition, fills combo lists from the row's entries, and hands
// every user action on a row (choosing a list entry, ticking a box, typing into
// an edit, leaving it, stepping an up-down control) with the row to the page
// handler registry, which takes the value and runs the page's handler, as it
// does for orvctl. Showing and storing a page (and refilling its lists) is the
// workflow's part; a page adds only its own rules.
//
//   class BeaconPage : public TabPage {
//   public:
//       explicit BeaconPage(const BinderContext& context) : TabPage(Tab::Beacon, context) {
//           FieldBinder& fields = bind(Page::Beacon);       // general rows of this page
//           auto* grid = new QGridLayout(this);
//           const BoundRow enabled = fields.row(GeneralRow::VHFBeaconEnabled);
//           grid->addWidget(enabled.label, 0, 0);
//           grid->addWidget(enabled.value, 0, 1);           // a QCheckBox
//           const BoundRow width = fields.row(GeneralRow::VHFPW1, {"Pulse Width 1:", "ms"});
//           grid->addWidget(width.label, 1, 0);
//           grid->addWidget(width.value, 1, 1);             // a QLineEdit
//           grid->addWidget(width.spin, 1, 2);              // its UpDownControl
//           grid->addWidget(width.extra, 1, 3);             // the "ms" static
//           fields.onEdited([this](DefinitionTable, int row) { /* the widget's own follow-up */ });
//       }
//   };
//
// On the Schedule tab and its panels the rows are season rows (bind(Page::Schedule)
// and so on); text rows and further controls are bound with text() and control().

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "binding/page_handler_registry.h"
#include "binding/page_row.h"
#include "model/definitions.h"
#include "model/page.h"
#include "qt_field_controls.h"

class QLabel;
class QWidget;

namespace orv {

class FieldConverter;
class UpDownControl;

// What every binder of a window shares.
struct BinderContext {
    FieldConverter* converter = nullptr;
    // False while the window takes no input from its fields (a device or file
    // operation has the record); nothing reaches the registry then.
    std::function<bool()> acceptsInput;
    // Where the user's actions on the rows go: the page handler registry.
    std::function<void(const RowEdit&)> edited;
};

// The widgets of one row; a member is nullptr when the row has no such control.
struct BoundRow {
    QLabel* label = nullptr;  // carries the "* " change marker
    QWidget* value = nullptr;
    UpDownControl* spin = nullptr;
    QLabel* extra = nullptr;
};

// Texts of the widgets a row gets.
struct RowTexts {
    const char* caption = nullptr;  // the label; the row's own label when none
    const char* extra = nullptr;    // the extra static; none is made without it
};

class FieldBinder : public QObject {
    Q_OBJECT
public:
    // Binds rows of the page; their widgets live under root.
    FieldBinder(Page page, QWidget* root, BinderContext context);
    ~FieldBinder() override;

    Page page() const { return boundPage; }
    // The table the page's value rows come from: the season table on the
    // Schedule tab and its panels, the general table elsewhere.
    DefinitionTable table() const;
    // The page's controls, as the converter and the workflows see them.
    QtFieldControls& controls() { return *pageControls; }

    // Makes the widgets of a value row: a combo for list kinds, a check box for
    // flags, an edit otherwise, with an up-down control where the row has one.
    BoundRow row(int row, RowTexts texts = {});
    // Binds widgets a form made; the row's widgets not given are made as row() does.
    BoundRow adopt(int row, QWidget* value, QLabel* label = nullptr, UpDownControl* spin = nullptr);

    // A text row: an edit (or the widget given, e.g. a static); leaving it stores the text
    // unless the page's handler says otherwise.
    BoundRow text(int stringRow, RowTexts texts = {}, QWidget* value = nullptr);
    // A row of the control table: gives the widget (button, frame) its id.
    void control(int controlRow, QWidget* widget);

    // Called after the registry took a user action on one of the page's rows
    // (not for typing).
    void onEdited(std::function<void(DefinitionTable table, int row)> handler);

    // The row a value widget of this binder is bound to; none for other widgets.
    std::optional<PageRow> rowOf(const QObject* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        DefinitionTable table;
        int row;
    };
    BoundRow bindRow(DefinitionTable table, int row, QWidget* value, QLabel* label, UpDownControl* spin,
                     RowTexts texts);
    void connectValue(QWidget* value, const Binding& binding);
    void connectSpin(UpDownControl* spin, const Binding& binding);
    void taken(const Binding& binding, ControlAction action);
    void typed(const Binding& binding);
    bool acceptsInput() const;

    Page boundPage;
    QPointer<QWidget> root;
    BinderContext context;
    std::unique_ptr<QtFieldControls> pageControls;
    // Every value widget bound, with its row; the edits among them watch their focus.
    std::vector<std::pair<QPointer<QObject>, Binding>> values;
    std::function<void(DefinitionTable, int)> editedHandler;
};

}  // namespace orv
