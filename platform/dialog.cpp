#include "platform/dialog.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcutEvent>
#include <QTextEdit>

#include "platform/combo_wheel.h"
#include "platform/data_exchange.h"
#include "platform/messages.h"
#include "platform/mouse_swallower.h"

namespace platform {
namespace {

bool isInputControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr;
}

// The input controls of a dialog, not those of the dialogs it owns, nor the
// parts inside an input control (the edit of a combo box).
void collectInputControls(QWidget* parent, std::vector<QWidget*>& controls) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || qobject_cast<QDialog*>(widget) != nullptr) continue;
        if (isInputControl(widget)) {
            controls.push_back(widget);
        } else {
            collectInputControls(widget, controls);
        }
    }
}

// The button that a shortcut delivered to watched clicks: the button itself,
// or the button a label names as its buddy.
QAbstractButton* shortcutButton(QObject* watched) {
    if (auto* button = qobject_cast<QAbstractButton*>(watched)) return button;
    if (auto* label = qobject_cast<QLabel*>(watched)) {
        return qobject_cast<QAbstractButton*>(label->buddy());
    }
    return nullptr;
}

}  // namespace

Dialog::Dialog(QWidget* parent) : QDialog(parent) {
    // A dialog keeps the size it was drawn with: no maximise button.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setSizeGripEnabled(false);
}

bool Dialog::updateData(bool saveAndValidate) {
    DataExchange dx(this, saveAndValidate);
    doDataExchange(dx);
    if (dx.failed()) failedControl_ = dx.failedControl();
    return !dx.failed();
}

void Dialog::doDataExchange(DataExchange&) {}

void Dialog::setRunning(bool running) {
    if (running == running_) return;
    if (running) {
        // Set first: disabling the focused control moves the focus, which
        // must run no check.
        running_ = true;
        QWidget* focus = QApplication::focusWidget();
        focusBeforeRun_ = focus != nullptr && isAncestorOf(focus) ? focus : nullptr;
        std::vector<QWidget*> controls;
        collectInputControls(this, controls);
        for (QWidget* control : controls) {
            if (control->testAttribute(Qt::WA_Disabled)) continue;
            control->setEnabled(false);
            lockedControls_.emplace_back(control);
        }
        return;
    }
    for (const QPointer<QWidget>& control : lockedControls_) {
        if (control) control->setEnabled(true);
    }
    lockedControls_.clear();
    running_ = false;
    if (focusBeforeRun_ && focusBeforeRun_->isEnabled() && focusBeforeRun_->isVisible()) {
        QScopedValueRollback guard(inHandler_, true);
        focusBeforeRun_->setFocus(Qt::OtherFocusReason);
    }
    focusBeforeRun_ = nullptr;
}

void Dialog::focusControl(QWidget* control) {
    if (control == nullptr) return;
    QScopedValueRollback guard(inHandler_, true);
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

bool Dialog::takeOverAndCheck(const std::function<std::string()>& check) {
    if (!updateData(true)) return false;
    const std::string message = check();
    if (message.empty()) return true;
    return warnInput(this, QString::fromStdString(message));
}

bool Dialog::refuse(QWidget* control, const std::string& message) {
    warnInput(this, QString::fromStdString(message));
    focusControl(control);
    return false;
}

bool Dialog::mayStartRun() const {
    return isVisible() && isModal() && !running_;
}

void Dialog::focusFirstField() {
    for (QWidget* widget = nextInFocusChain(); widget != nullptr && widget != this;
         widget = widget->nextInFocusChain()) {
        if (widget->window() != this) continue;  // an owned dialog's control
        if ((widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
        if (!widget->isEnabled() || !widget->isVisibleTo(this)) continue;
        focusControl(widget);
        return;
    }
}

void Dialog::onFocusLost(QWidget* edit, std::function<bool()> handler) {
    if (edit == nullptr) return;
    for (Watched& watched : watched_) {
        if (watched.edit == edit) {
            watched.handler = std::move(handler);
            return;
        }
    }
    watched_.push_back({edit, std::move(handler)});
    edit->installEventFilter(this);
    watchButtonShortcuts();
}

void Dialog::setCancelButton(QAbstractButton* button) {
    cancelButton_ = button;
}

const Dialog::Watched* Dialog::watchedFor(QWidget* widget) const {
    if (widget == nullptr) return nullptr;
    for (const Watched& watched : watched_) {
        if (watched.edit == widget || watched.edit->isAncestorOf(widget)) return &watched;
    }
    return nullptr;
}

bool Dialog::runFocusedHandler() {
    if (inHandler_ || running_) return true;
    const Watched* watched = watchedFor(QApplication::focusWidget());
    return watched == nullptr || runHandler(watched->edit, watched->handler);
}

bool Dialog::runHandler(QWidget* edit, const std::function<bool()>& handler) {
    // The handler may register handlers (reallocating watched_) or show boxes
    // (moving the focus): it runs from a copy, with checks suspended.
    const std::function<bool()> run = handler;
    QScopedValueRollback guard(inHandler_, true);
    failedControl_ = nullptr;
    if (!run || run()) return true;
    // A field that did not parse has taken the focus already; otherwise the
    // focus goes back to the edit whose check failed.
    QWidget* target = failedControl_ ? failedControl_.data() : edit;
    target->setFocus(Qt::OtherFocusReason);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(target)) lineEdit->selectAll();
    return false;
}

bool Dialog::focusLost(QWidget* edit, Qt::FocusReason reason) {
    // Focus lost to another window (a message box, a file dialog) or to a
    // popup is no leaving of the field.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    if (inHandler_ || running_ || !isVisible()) return false;
    if (!edit->isEnabled() || !edit->isVisible()) return false;
    if (cancelButton_ != nullptr && QApplication::focusWidget() == cancelButton_) return false;
    for (const Watched& watched : watched_) {
        if (watched.edit != edit) continue;
        if (runHandler(edit, watched.handler)) return false;
        if (reason == Qt::MouseFocusReason) swallowCurrentMousePress();
        // Back in the edit: it never really lost the focus, so it must not
        // see this event (a line edit would drop the selection of its text).
        // On a real display the box still holds the activation here and the
        // edit is only the dialog's focus child until the dialog gets it back.
        return focusWidget() == edit;
    }
    return false;
}

// Qt answers a button's shortcut (Alt+S) with an animated click that acts
// about 100 ms later, when a following Escape or Enter may have closed the
// dialog already. Here the button acts at once, as on a mouse click: first the
// check of the field being left (a refusal eats the shortcut), then the focus
// where Qt would put it (a label's buddy, a check box), then the click.
bool Dialog::shortcutPressed(QAbstractButton* button) {
    if (running_ || !isVisible() || !button->isEnabled()) return true;
    if (!inHandler_ && button != cancelButton_) {
        const Watched* watched = watchedFor(QApplication::focusWidget());
        if (watched != nullptr && watched->edit->isEnabled() &&
            !runHandler(watched->edit, watched->handler)) {
            return true;
        }
    }
    return false;
}

void Dialog::watchButtonShortcuts() {
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (shortcutButton(widget) == nullptr) continue;
        QWidget* owner = widget->parentWidget();
        while (owner != nullptr && owner != this && qobject_cast<QDialog*>(owner) == nullptr) {
            owner = owner->parentWidget();
        }
        if (owner == this) widget->installEventFilter(this);  // once: Qt drops duplicates
    }
}

bool Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (swallowUnfocusedWheel(watched, event)) return true;
    if (event->type() == QEvent::FocusOut && watched->isWidgetType() &&
        focusLost(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)->reason())) {
        return true;
    }
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        if (QAbstractButton* button = shortcutButton(watched)) {
            if (shortcutPressed(button)) return true;
            const bool takesFocus = watched != button || (button->isCheckable() &&
                                                          (button->focusPolicy() & Qt::ClickFocus));
            if (takesFocus && button->focusPolicy() != Qt::NoFocus) {
                QScopedValueRollback guard(inHandler_, true);  // checked above
                button->setFocus(Qt::ShortcutFocusReason);
            }
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Dialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && !opened_) {
        opened_ = true;
        updateData(false);
        initDialog();
        // The focus in the first field in tab order, its text selected, so
        // that typing replaces the value.
        focusFirstField();
        selectOnActivation_ = true;
        if (!sizeFixed_) {
            // Once, at the first opening: the buttons and the drawn size stay.
            sizeFixed_ = true;
            setFixedSize(drawnSize());
            watchButtonShortcuts();
            // Lists take the mouse wheel only while they have the focus.
            for (QComboBox* list : findChildren<QComboBox*>()) {
                if (list->window() == this) list->installEventFilter(this);
            }
            // Enter presses the button that has the focus, in every dialog.
            for (QPushButton* button : findChildren<QPushButton*>()) {
                if (button->window() == this) button->setAutoDefault(true);
            }
        }
    }
    QDialog::showEvent(event);
}

// The size of the layout as drawn, grown where its contents need more room
// (a label that wraps to more lines than drawn).
QSize Dialog::drawnSize() {
    QSize drawn = size();
    if (QLayout* box = layout()) {
        box->activate();
        drawn = drawn.expandedTo(box->minimumSize());
        if (box->hasHeightForWidth()) {
            drawn.setHeight(std::max(drawn.height(), box->totalHeightForWidth(drawn.width())));
        }
    }
    return drawn.expandedTo(minimumSizeHint());
}

void Dialog::changeEvent(QEvent* event) {
    // The activation that follows an opening gives the focus back to the first
    // field; its text stays selected for typing over it.
    if (event->type() == QEvent::ActivationChange && selectOnActivation_ && isActiveWindow()) {
        selectOnActivation_ = false;
        if (auto* edit = qobject_cast<QLineEdit*>(focusWidget())) edit->selectAll();
    }
    QDialog::changeEvent(event);
}

void Dialog::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) opened_ = false;
    QDialog::hideEvent(event);
}

void Dialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    if (running_) {
        event->accept();  // neither Escape nor Enter acts during a run
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::reject() {
    if (running_) return;
    QDialog::reject();
}

void Dialog::done(int result) {
    if (running_) return;
    QDialog::done(result);
}

}  // namespace platform
