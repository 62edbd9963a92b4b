#pragma once
// The base of every dialog: one exchange of all members with their controls
// in each direction, one opening hook per opening, the checks that run when a
// field loses the focus (one message at a time, the focus back in the field),
// the take-over / check / warn step of handlers and OK, and the lock that a
// running long operation puts on the dialog. Every dialog but the main window
// keeps the size its layout was drawn with, and opens with the focus in its
// first field. A button reached by its shortcut key acts at once, like a
// mouse click, so that no handler runs after the dialog has closed.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

class QAbstractButton;
class QLineEdit;

namespace platform {

class DataExchange;

class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* parent = nullptr);

    // true: takes all controls into the members (false when a field did not
    // parse: its message was shown and it has the focus); false: shows all members.
    bool updateData(bool saveAndValidate = true);

    // The control with that id in this dialog (not in owned dialogs).
    template <class W = QWidget>
    W* control(int id) const {
        return findControlAs<W>(const_cast<Dialog*>(this), id);
    }

    // True while a long operation runs in this dialog.
    bool isRunning() const { return running_; }
    // true disables every enabled input control (remembered), false enables
    // exactly those again and gives the focus back to where it was.
    void setRunning(bool running);

    // Gives the focus to a control (selecting an edit's text) without running
    // the focus-loss check of the control that loses it.
    void focusControl(QWidget* control);

    // The take-over / check / warn step: takes every control into its member,
    // then runs the check; a message it returns is shown in the "Falsche
    // Eingabe" box. False when a field did not parse or the check refused.
    // In a focus-loss handler the focus then goes back to the edit.
    bool takeOverAndCheck(const std::function<std::string()>& check);
    // Shows message in the "Falsche Eingabe" box and puts the focus into the
    // control with its text selected (for refusals at OK); returns false.
    bool refuse(QWidget* control, const std::string& message);

    // Whether a long operation may start now: only from the dialog while it
    // is shown modally and no other operation runs.
    bool mayStartRun() const;

protected:
    // Moves every member to or from its control, in member order.
    virtual void doDataExchange(DataExchange& dx);
    // Runs exactly once per opening, before the dialog first shows (the copy
    // kept for "Abbrechen", the first computation), right after the base has
    // shown all members (updateData(false)). Call updateData(false) again here
    // when members changed.
    virtual void initDialog() {}

    // Registers the focus-loss handler of an edit. The handler takes over the
    // values and runs its check; it returns false when the check failed (after
    // showing its message): the focus then goes back to the edit and the mouse
    // press that moved the focus away is swallowed. A button's shortcut (Alt+S,
    // or a label's shortcut whose buddy is a button) runs the check first and
    // is swallowed when it fails. Checks do not run
    // for focus lost to another window or a popup, nor while a handler runs or
    // an operation is running. When a field that did not parse in the handler's
    // updateData() took the focus, it keeps it.
    void onFocusLost(QWidget* edit, std::function<bool()> handler);
    // Moving the focus to this button runs no focus-loss check.
    void setCancelButton(QAbstractButton* button);
    // Runs the handler of the edit that has the focus now, as if it lost it;
    // true when there is none or its check passed. For OK sequences.
    bool runFocusedHandler();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // A running operation ignores Escape, the close box and "Abbrechen".
    void reject() override;
    // Ends the dialog, except while a long operation runs.
    void done(int result) override;

private:
    struct Watched {
        QWidget* edit;
        std::function<bool()> handler;
    };
    const Watched* watchedFor(QWidget* widget) const;
    bool focusLost(QWidget* edit, Qt::FocusReason reason);
    // A shortcut of a button (or of a label whose buddy is the button): the
    // check of the field left, then the click at once. True when handled.
    bool shortcutPressed(QAbstractButton* button);
    void focusFirstField();
    QSize drawnSize();
    bool runHandler(QWidget* edit, const std::function<bool()>& handler);
    void watchButtonShortcuts();

    QPointer<QWidget> failedControl_;
    QPointer<QWidget> focusBeforeRun_;
    std::vector<QPointer<QWidget>> lockedControls_;
    std::vector<Watched> watched_;
    QAbstractButton* cancelButton_ = nullptr;
    bool inHandler_ = false;
    bool running_ = false;
    bool opened_ = false;
    bool sizeFixed_ = false;
    bool selectOnActivation_ = false;
};

}  // namespace platform
