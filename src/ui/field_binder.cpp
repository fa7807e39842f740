#include "field_binder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "binding/field_converter.h"
#include "model/combo_entries.h"
#include "model/value_kind.h"
#include "widgets/field_width.h"
#include "widgets/marker_label.h"
#include "widgets/up_down_control.h"

namespace orv {

FieldBinder::FieldBinder(Page page, QWidget* root, BinderContext context)
    : boundPage(page),
      root(root),
      context(std::move(context)),
      pageControls(std::make_unique<QtFieldControls>(root)) {}

FieldBinder::~FieldBinder() {
    for (const auto& [watched, binding] : values) {
        if (watched) watched->removeEventFilter(this);
    }
}

DefinitionTable FieldBinder::table() const {
    return isSchedulePage(boundPage) ? DefinitionTable::Season : DefinitionTable::General;
}

BoundRow FieldBinder::row(int row, RowTexts texts) {
    return bindRow(table(), row, nullptr, nullptr, nullptr, texts);
}

BoundRow FieldBinder::adopt(int row, QWidget* value, QLabel* label, UpDownControl* spin) {
    return bindRow(table(), row, value, label, spin, {});
}

BoundRow FieldBinder::text(int stringRow, RowTexts texts, QWidget* value) {
    return bindRow(DefinitionTable::String, stringRow, value, nullptr, nullptr, texts);
}

void FieldBinder::control(int controlRow, QWidget* widget) {
    const auto definitions = controlDefinitions();
    if (widget == nullptr || controlRow < 0 || static_cast<std::size_t>(controlRow) >= definitions.size())
        return;
    setControlId(widget, definitions[static_cast<std::size_t>(controlRow)].controlId);
}

void FieldBinder::onEdited(std::function<void(DefinitionTable table, int row)> handler) {
    editedHandler = std::move(handler);
}

std::optional<PageRow> FieldBinder::rowOf(const QObject* widget) const {
    for (const auto& [value, binding] : values) {
        if (value == widget) return PageRow{boundPage, binding.table, binding.row};
    }
    return std::nullopt;
}

namespace {

// The value widget a row of this kind is edited in.
QWidget* valueWidgetFor(const ParameterDefinition& definition, DefinitionTable table, QWidget* parent) {
    if (table != DefinitionTable::String && isComboKind(definition.kind)) return new QComboBox(parent);
    if (table != DefinitionTable::String && definition.kind == KindFlag) return new QCheckBox(parent);
    auto* edit = new QLineEdit(parent);
    if (table == DefinitionTable::String && definition.width > 0) edit->setMaxLength(definition.width);
    fitEditWidth(edit, fieldCharacters(definition, definition.kind, table == DefinitionTable::String));
    return edit;
}

}  // namespace

BoundRow FieldBinder::bindRow(DefinitionTable table, int row, QWidget* value, QLabel* label,
                              UpDownControl* spin, RowTexts texts) {
    const auto definitions = definitionTable(table);
    if (row < 0 || static_cast<std::size_t>(row) >= definitions.size()) return {};
    const ParameterDefinition& definition = definitions[static_cast<std::size_t>(row)];
    const Binding binding{table, row};
    BoundRow bound;

    if (definition.labelId != 0) {
        bound.label =
            label != nullptr
                ? label
                : new MarkerLabel(texts.caption != nullptr ? texts.caption : definition.label, root);
        setControlId(bound.label, definition.labelId);
    }
    if (definition.controlId != 0) {
        bound.value = value != nullptr ? value : valueWidgetFor(definition, table, root);
        setControlId(bound.value, definition.controlId);
        values.emplace_back(bound.value, binding);
        if (auto* combo = qobject_cast<QComboBox*>(bound.value); combo != nullptr && context.converter) {
            pageControls->setComboItems(definition.controlId,
                                        comboEntries(table, row, context.converter->parameterRecord()));
        }
        connectValue(bound.value, binding);
    }
    if (definition.spinId != 0) {
        bound.spin = spin != nullptr ? spin : new UpDownControl(root);
        setControlId(bound.spin, definition.spinId);
        connectSpin(bound.spin, binding);
    }
    if (definition.extraId != 0 && texts.extra != nullptr) {
        bound.extra = new QLabel(texts.extra, root);
        setControlId(bound.extra, definition.extraId);
    }
    return bound;
}

void FieldBinder::connectValue(QWidget* value, const Binding& binding) {
    if (auto* combo = qobject_cast<QComboBox*>(value)) {
        connect(combo, &QComboBox::activated, this,
                [this, binding] { taken(binding, ControlAction::Chosen); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(value)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, binding] { taken(binding, ControlAction::Chosen); });
    } else if (auto* line = qobject_cast<QLineEdit*>(value)) {
        connect(line, &QLineEdit::textEdited, this, [this, binding] { typed(binding); });
        value->installEventFilter(this);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(value)) {
        // Only the user's typing: the text shown from the record is no edit.
        connect(text, &QPlainTextEdit::textChanged, this, [this, text, binding] {
            if (text->hasFocus()) typed(binding);
        });
        value->installEventFilter(this);
    } else if (qobject_cast<QTextEdit*>(value) != nullptr) {
        value->installEventFilter(this);
    }
}

void FieldBinder::connectSpin(UpDownControl* spin, const Binding& binding) {
    connect(spin, &UpDownControl::deltaRequested, this, [this, spin, binding](int position, int delta) {
        if (!acceptsInput()) return;
        if (context.edited) {
            context.edited({boundPage,
                            binding.table,
                            binding.row,
                            ControlAction::Stepped,
                            {QtFieldControls::idOf(spin), position, delta}});
        }
        if (editedHandler) editedHandler(binding.table, binding.row);
    });
}

bool FieldBinder::acceptsInput() const {
    return context.converter != nullptr && (!context.acceptsInput || context.acceptsInput());
}

void FieldBinder::taken(const Binding& binding, ControlAction action) {
    if (!acceptsInput()) return;
    if (context.edited) context.edited({boundPage, binding.table, binding.row, action});
    if (editedHandler) editedHandler(binding.table, binding.row);
}

void FieldBinder::typed(const Binding& binding) {
    if (!acceptsInput()) return;
    if (context.edited) context.edited({boundPage, binding.table, binding.row, ControlAction::Typed});
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event) {
    // Opening a combo's own list is not leaving the field.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        for (const auto& [edit, binding] : values) {
            if (edit == watched) {
                const Binding found = binding;  // the handler may bind further rows
                taken(found, ControlAction::Left);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orv
