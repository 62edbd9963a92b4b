#include "platform/busy_cursor.h"

#include <QGuiApplication>
#include <QPixmap>
#include <array>
#include <cstdint>

#include "platform/run_frame.h"

// Resources of a static library are registered by hand (outside any namespace).
static void initPlatformResources() {
    Q_INIT_RESOURCE(platform);
}

namespace platform {
namespace {

constexpr int kFirstId = 149;
constexpr int kFrameCount = 8;
// Frame order: counter value 1..8 to cursor id; the sectors turn clockwise.
constexpr std::array<int, kFrameCount> kFrameIds = {156, 152, 149, 153, 150, 154, 151, 155};
constexpr int kHotX = 16;
constexpr int kHotY = 15;

// Process-wide, 0 at program start and never reset: a new run continues the
// animation where the last one stopped.
uint32_t frameCounter = 0;
int lastId = 0;
bool shown = false;

std::array<QCursor, kFrameCount>& loadedCursors() {
    static std::array<QCursor, kFrameCount> cursors = [] {
        initPlatformResources();
        std::array<QCursor, kFrameCount> loaded;
        for (int i = 0; i < kFrameCount; ++i) {
            const QPixmap image(QStringLiteral(":/cursors/busy_%1.png").arg(kFirstId + i));
            loaded[i] = QCursor(image, kHotX, kHotY);
        }
        return loaded;
    }();
    return cursors;
}

}  // namespace

const QCursor& busyCursor(int id) {
    const int index = id >= kFirstId && id < kFirstId + kFrameCount ? id - kFirstId : 0;
    return loadedCursors()[index];
}

int advanceBusyCursor() {
    frameCounter = frameCounter + 1;
    if (frameCounter > kFrameCount) frameCounter = 1;
    lastId = kFrameIds[frameCounter - 1];
    if (shown) {
        QGuiApplication::changeOverrideCursor(busyCursor(lastId));
    } else {
        QGuiApplication::setOverrideCursor(busyCursor(lastId));
        shown = true;
    }
    return lastId;
}

int lastBusyCursorId() {
    return lastId;
}

bool busyCursorShown() {
    return shown;
}

void restoreBusyCursor() {
    if (!shown) return;
    shown = false;
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace platform
