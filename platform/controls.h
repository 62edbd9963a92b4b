#pragma once
// Every control carries its numeric id as the dynamic property "controlId".
// A dialog defines its ids once, in its class, and gives them to its controls
// with one table; tests find the controls by the same definitions. Controls
// that a dialog shows, hides, enables or disables together are named groups;
// a dialog's fields map to their controls through one table.

#include <QWidget>
#include <initializer_list>
#include <utility>
#include <vector>

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

struct ControlId {
    QWidget* control;
    int id;
};
// Gives every control of the table its id.
void setControlIds(std::initializer_list<ControlId> table);

// Controls that appear, disappear, or are enabled together (a field with its
// labels and unit).
using ControlGroup = std::vector<QWidget*>;
void setShown(const ControlGroup& group, bool shown);
void setEnabled(const ControlGroup& group, bool enabled);

// The control of each field of a dialog (a field enum of a Qt-free core).
template <class Field>
class FieldControls {
public:
    FieldControls() = default;
    FieldControls(std::initializer_list<std::pair<Field, QWidget*>> table) : table_(table) {}

    // nullptr for a field without a control.
    QWidget* operator[](Field field) const {
        for (const auto& [f, control] : table_) {
            if (f == field) return control;
        }
        return nullptr;
    }
    auto begin() const { return table_.begin(); }
    auto end() const { return table_.end(); }

private:
    std::vector<std::pair<Field, QWidget*>> table_;
};

}  // namespace platform
