#pragma once
// Drives a dialog as a user would: focus moves, typing, Enter, Tab, list
// choices through the popup, button clicks.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <ostream>
#include <string>

#include "platform/controls.h"
#include "tests/support/recording_messages.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace driver {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

template <class W = QWidget>
W* find(QWidget* dialog, int id) {
    W* widget = platform::findControlAs<W>(dialog, id);
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// Shows the dialog as its owner runs it: modal, active.
inline void open(QWidget* dialog) {
    if (qobject_cast<QDialog*>(dialog) != nullptr) dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    // The window system may still report a closed list popup as active: wait
    // until the widget itself is the active window.
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }));
}

// Clicks into the edit (running the focus-loss check of the field left),
// selects its text and types over it.
inline void type(QWidget* dialog, int id, const QString& text) {
    auto* edit = find<QLineEdit>(dialog, id);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

inline void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

inline void click(QWidget* dialog, int id) {
    auto* button = find<QAbstractButton>(dialog, id);
    if (qobject_cast<QCheckBox*>(button) != nullptr) {
        // A check box reacts on its box and text, not on the empty rest of its row.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    } else {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// Opens the list with the mouse (which gives it the focus first) and picks
// the entry with the keyboard in the popup, as one choice.
inline void choose(QWidget* dialog, int id, const QString& entry) {
    auto* combo = find<QComboBox>(dialog, id);
    const int index = combo->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << entry.toStdString();
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView* view = combo->view();
    if (!view->isVisible()) return;  // a refused field kept the focus and ate the click
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

inline QString text(QWidget* dialog, int id) {
    QWidget* widget = find(dialog, id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return {};
}

inline bool shown(QWidget* dialog, int id) {
    return find(dialog, id)->isVisible();
}
inline bool enabled(QWidget* dialog, int id) {
    return find(dialog, id)->isEnabled();
}
inline bool focused(QWidget* dialog, int id) {
    return find(dialog, id)->hasFocus();
}

}  // namespace driver
