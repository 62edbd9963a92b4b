#pragma once
// A drop-down list takes the mouse wheel only while it has the keyboard
// focus, so that scrolling over a dialog never changes a selection by chance.

class QEvent;
class QObject;

namespace platform {

// For a dialog's eventFilter: true (the event is swallowed) for a wheel event
// on a combo box without the focus.
bool swallowUnfocusedWheel(QObject* watched, QEvent* event);

}  // namespace platform
