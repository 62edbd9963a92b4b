#include "platform/mouse_swallower.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace platform {
namespace {

// An application event filter, installed only while it waits for the press
// (and, if the button is still held, for its release).
class MousePressSwallower : public QObject {
public:
    using QObject::QObject;

    void arm() {
        state_ = State::WaitPress;
        qApp->installEventFilter(this);
        // The press arrives before control returns to the event loop; if it
        // does not come (the focus moved by the wheel), nothing is eaten later.
        QTimer::singleShot(0, this, [this] {
            if (state_ == State::WaitPress) disarm();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the events delivered to widgets: the window's own copy of the
        // event keeps Qt's bookkeeping of the mouse grab intact.
        if (!watched->isWidgetType()) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (state_ == State::WaitPress) return eatPress(static_cast<QMouseEvent*>(event));
                disarm();  // a new gesture: the old release was lost
                return false;
            case QEvent::MouseButtonRelease:
                if (state_ != State::WaitRelease ||
                    static_cast<QMouseEvent*>(event)->button() != button_) {
                    return false;
                }
                disarm();
                event->accept();
                return true;
            default:
                return false;
        }
    }

private:
    enum class State { Idle, WaitPress, WaitRelease };

    bool eatPress(QMouseEvent* press) {
        if (QGuiApplication::mouseButtons() & press->button()) {
            state_ = State::WaitRelease;
            button_ = press->button();
        } else {
            disarm();  // released already (while a message box was open)
        }
        press->accept();
        return true;
    }

    void disarm() {
        state_ = State::Idle;
        qApp->removeEventFilter(this);
    }

    State state_ = State::Idle;
    Qt::MouseButton button_ = Qt::NoButton;
};

}  // namespace

void swallowCurrentMousePress() {
    static QPointer<MousePressSwallower> swallower;
    if (qApp == nullptr) return;
    if (swallower.isNull()) swallower = new MousePressSwallower(qApp);
    swallower->arm();
}

}  // namespace platform
