#pragma once

// What a person does to the window, as key presses and clicks: the focus moves
// the way it moves under a hand, and every keystroke goes through the widget's
// own key handling (and so through every handler that listens to it).

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

namespace orv::test {

// The window in front and active, as a person sees it.
inline bool bringToFront(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// A click into the widget: it takes the focus as a click gives it.
inline void clickInto(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(4, widget->height() / 2));
    QApplication::processEvents();
}

// Everything in the edit selected (Ctrl+A), so the next keystroke replaces it.
inline void selectAllKeys(QWidget* edit) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
}

// Types the text one key at a time into the widget that has the focus.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::keyClicks(widget, QString(c));
        QApplication::processEvents();
    }
}

// The Tab key: the focus goes on to the next control.
inline void pressTab(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Tab);
    QApplication::processEvents();
}

inline QString editText(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) return plain->toPlainText();
    return {};
}

inline int caretOf(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->cursorPosition();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) return plain->textCursor().position();
    return -1;
}

}  // namespace orv::test
