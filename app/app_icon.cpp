#include "app/app_icon.h"

// The images are compiled into the static library `app`, whose resource
// registration the linker would drop as unreferenced: register it here, once.
// Q_INIT_RESOURCE declares a global function, so this cannot sit in a namespace.
static void registerResources() {
    static bool registered = false;
    if (registered) return;
    Q_INIT_RESOURCE(app);
    registered = true;
}

namespace app {

QIcon applicationIcon() {
    registerResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/app/icon_32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/app/icon_16.png"), QSize(16, 16));
    return icon;
}

QPixmap largeIconPixmap() {
    registerResources();
    return QPixmap(QStringLiteral(":/app/icon_32.png"));
}

}  // namespace app
