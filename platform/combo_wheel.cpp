#include "platform/combo_wheel.h"

#include <QComboBox>
#include <QEvent>

namespace platform {

bool swallowUnfocusedWheel(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return false;
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo == nullptr || combo->hasFocus()) return false;
    event->ignore();
    return true;
}

}  // namespace platform
