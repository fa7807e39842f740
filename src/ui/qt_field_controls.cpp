#include "qt_field_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "widgets/up_down_control.h"

namespace orv {

void setControlId(QWidget* widget, int id) {
    widget->setProperty(kControlIdProperty, id);
}

QtFieldControls::QtFieldControls(QWidget* page) : pageWidget(page) {
    rescan();
}

int QtFieldControls::idOf(const QObject* widget) {
    if (widget == nullptr) return 0;
    bool ok = false;
    const int id = widget->property(kControlIdProperty).toInt(&ok);
    return ok ? id : 0;
}

void QtFieldControls::rescan() const {
    widgets.clear();
    if (!pageWidget) return;
    if (const int id = idOf(pageWidget)) widgets.insert(id, pageWidget);
    for (QWidget* child : pageWidget->findChildren<QWidget*>()) {
        if (const int id = idOf(child)) widgets.insert(id, child);
    }
}

QWidget* QtFieldControls::widget(int id) const {
    if (id == 0) return nullptr;
    auto found = widgets.constFind(id);
    if (found != widgets.constEnd() && !found.value().isNull()) return found.value();
    // Controls may be created after the page: look again once.
    rescan();
    found = widgets.constFind(id);
    return found != widgets.constEnd() ? found.value().data() : nullptr;
}

bool QtFieldControls::hasControl(int id) const {
    return widget(id) != nullptr;
}

std::string QtFieldControls::text(int id) const {
    QWidget* w = widget(id);
    QString value;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        value = edit->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        value = combo->currentText();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        value = plain->toPlainText();
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        value = rich->toPlainText();
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        value = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        value = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        value = group->title();
    } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        value = spin->text();
    }
    return value.toStdString();
}

namespace {

// Where the caret goes when the text of an edit the user is typing in is
// replaced: it keeps its place in the part before the change, or its distance
// from the end in the part after it, so the next keystroke lands where the
// user expects (never back at the start).
int caretAfterReplace(const QString& before, const QString& after, int caret) {
    int prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    int suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (caret <= prefix) return caret;
    if (caret >= before.size() - suffix)
        return std::max(0, static_cast<int>(after.size()) - (static_cast<int>(before.size()) - caret));
    return std::min(caret, static_cast<int>(after.size()));
}

}  // namespace

void QtFieldControls::setText(int id, const std::string& text) {
    QWidget* w = widget(id);
    const QString value = QString::fromStdString(text);
    const QSignalBlocker blocker(w);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->hasFocus()) {
            if (edit->text() == value) return;  // the caret and the selection stay
            const int caret = caretAfterReplace(edit->text(), value, edit->cursorPosition());
            edit->setText(value);
            edit->setCursorPosition(caret);
        } else {
            edit->setText(value);
            edit->setCursorPosition(0);
        }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w); plain != nullptr && plain->hasFocus()) {
        const QString before = plain->toPlainText();
        if (before == value) return;
        const int caret = caretAfterReplace(before, value, plain->textCursor().position());
        plain->setPlainText(value);
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(caret);
        plain->setTextCursor(cursor);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            combo->setEditText(value);
        } else {
            combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly));
        }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->setPlainText(value);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->setPlainText(value);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(value);
    }
}

int QtFieldControls::comboSelection(int id) const {
    auto* combo = qobject_cast<QComboBox*>(widget(id));
    return combo != nullptr ? combo->currentIndex() : -1;
}

void QtFieldControls::setComboSelection(int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(widget(id));
    if (combo == nullptr) return;
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void QtFieldControls::setComboItems(int id, const std::vector<std::string>& items) {
    auto* combo = qobject_cast<QComboBox*>(widget(id));
    if (combo == nullptr) return;
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
}

bool QtFieldControls::checkState(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(widget(id));
    return button != nullptr && button->isChecked();
}

void QtFieldControls::setCheckState(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(widget(id));
    if (button == nullptr) return;
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void QtFieldControls::setSpinRange(int id, int low, int high) {
    QWidget* w = widget(id);
    if (auto* upDown = qobject_cast<UpDownControl*>(w)) {
        upDown->setRange(low, high);
    } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        const QSignalBlocker blocker(spin);
        spin->setRange(low, high);
    }
}

int QtFieldControls::spinPosition(int id) const {
    QWidget* w = widget(id);
    if (auto* upDown = qobject_cast<UpDownControl*>(w)) return upDown->position();
    if (auto* spin = qobject_cast<QSpinBox*>(w)) return spin->value();
    return 0;
}

void QtFieldControls::setSpinPosition(int id, int position) {
    QWidget* w = widget(id);
    if (auto* upDown = qobject_cast<UpDownControl*>(w)) {
        upDown->setPosition(position);
    } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        const QSignalBlocker blocker(spin);
        spin->setValue(position);
    }
}

void QtFieldControls::showControl(int id, bool show) {
    if (QWidget* w = widget(id)) w->setHidden(!show);
}

void QtFieldControls::enableControl(int id, bool enable) {
    if (QWidget* w = widget(id)) w->setEnabled(enable);
}

std::uintptr_t QtFieldControls::handle() const {
    return reinterpret_cast<std::uintptr_t>(pageWidget.data());
}

}  // namespace orv
