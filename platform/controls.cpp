#include "platform/controls.h"

#include <QDialog>
#include <QVariant>

namespace platform {

QWidget* findControl(QWidget* dialog, int id) {
    if (dialog == nullptr) return nullptr;
    // Depth first in creation order; a child dialog is a dialog owned by this
    // one, whose controls may repeat our ids, so its subtree is skipped.
    for (QObject* child : dialog->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || qobject_cast<QDialog*>(widget) != nullptr) continue;
        bool ok = false;
        const int childId = widget->property(kControlIdProperty).toInt(&ok);
        if (ok && childId == id) return widget;
        if (QWidget* found = findControl(widget, id)) return found;
    }
    return nullptr;
}

void setControlId(QWidget* control, int id) {
    if (control != nullptr) control->setProperty(kControlIdProperty, id);
}

void setControlIds(std::initializer_list<ControlId> table) {
    for (const ControlId& row : table) setControlId(row.control, row.id);
}

void setShown(const ControlGroup& group, bool shown) {
    for (QWidget* control : group) control->setVisible(shown);
}

void setEnabled(const ControlGroup& group, bool enabled) {
    for (QWidget* control : group) control->setEnabled(enabled);
}

}  // namespace platform
