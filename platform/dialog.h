#pragma once
// The base of every dialog: MFC-style data exchange, one opening hook per
// opening, focus-loss checks without ping-pong, and the lock that a running
// long operation puts on the dialog.

#include <QDialog>
#include <QPointer>
#include <functional>
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
    // press that moved the focus away is swallowed. A button's shortcut (Alt+S)
    // runs the check first and is swallowed when it fails. Checks do not run
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
    bool shortcutPressed(QAbstractButton* button);
    bool runHandler(QWidget* edit, const std::function<bool()>& handler);
    void watchButtonShortcuts();

    QPointer<QWidget> failedControl_;
    QPointer<QWidget> checkedForShortcut_;
    QPointer<QWidget> focusBeforeRun_;
    std::vector<QPointer<QWidget>> lockedControls_;
    std::vector<Watched> watched_;
    QAbstractButton* cancelButton_ = nullptr;
    bool inHandler_ = false;
    bool running_ = false;
    bool opened_ = false;
};

}  // namespace platform
