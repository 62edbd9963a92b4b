#pragma once
// Every control carries its numeric id as the dynamic property "controlId".

#include <QWidget>

namespace platform {

inline constexpr const char* kControlIdProperty = "controlId";

// The control with that id inside the dialog, not searching into dialogs
// owned by it (ids repeat between a dialog and its owned dialogs); nullptr if
// there is none.
QWidget* findControl(QWidget* dialog, int id);

template <class W>
W* findControlAs(QWidget* dialog, int id) {
    return qobject_cast<W*>(findControl(dialog, id));
}

void setControlId(QWidget* control, int id);

}  // namespace platform
