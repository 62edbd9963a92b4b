#include <gtest/gtest.h>

#include <QApplication>
#include <QBitmap>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/busy_cursor.h"
#include "platform/run_frame.h"
#include "test_dialogs.h"
#include "tests/support/recording_messages.h"

namespace {

constexpr std::array<int, 8> kOrder = {156, 152, 149, 153, 150, 154, 151, 155};

// The frames that follow the one shown last (the counter is process-wide).
std::vector<int> expectedFrames(int count) {
    int next = 0;
    for (int i = 0; i < 8; ++i) {
        if (kOrder[i] == platform::lastBusyCursorId()) next = (i + 1) % 8;
    }
    std::vector<int> frames;
    for (int i = 0; i < count; ++i) frames.push_back(kOrder[(next + i) % 8]);
    return frames;
}

// Frames shown by the run's timer: every change of the frame while events run.
std::vector<int> watchTicks(int count) {
    std::vector<int> seen;
    int last = platform::lastBusyCursorId();
    QElapsedTimer clock;
    clock.start();
    while (static_cast<int>(seen.size()) < count && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (platform::lastBusyCursorId() != last) {
            last = platform::lastBusyCursorId();
            seen.push_back(last);
            EXPECT_TRUE(platform::busyCursorShown());
        }
    }
    return seen;
}

TEST(BusyCursor, NineTicksTurnThroughTheEightFramesAndASecondRunContinues) {
    testing_dialogs::FieldsDialog dialog;
    dialog.show();
    const bool fresh = platform::lastBusyCursorId() == 0;
    {
        platform::RunFrame frame(dialog, dialog.progress);
        frame.started();
        const std::vector<int> expected = expectedFrames(9);
        if (fresh) {
            EXPECT_EQ(expected.front(), 156);  // counter 0 at program start
        }
        EXPECT_EQ(watchTicks(9), expected);
        EXPECT_EQ(expected.front(), expected.back());
        frame.stopped();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    const int lastShown = platform::lastBusyCursorId();
    {
        platform::RunFrame frame(dialog, dialog.progress);
        frame.started();
        const std::vector<int> seen = watchTicks(3);
        ASSERT_FALSE(seen.empty());
        const auto shownAt = std::find(kOrder.begin(), kOrder.end(), lastShown) - kOrder.begin();
        EXPECT_EQ(seen.front(), kOrder[(shownAt + 1) % 8]);  // not back at 156
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // restored by the frame's end
}

TEST(BusyCursor, FirstFrameSetsTheOverrideCursorLaterOnesChangeIt) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    const std::vector<int> expected = expectedFrames(2);
    EXPECT_EQ(platform::advanceBusyCursor(), expected[0]);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(*QApplication::overrideCursor(), platform::busyCursor(expected[0]));
    EXPECT_EQ(platform::advanceBusyCursor(), expected[1]);
    EXPECT_EQ(*QApplication::overrideCursor(), platform::busyCursor(expected[1]));
    platform::restoreBusyCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // one restore takes it off
    platform::restoreBusyCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Whether the pixel at distance 10 from the hot spot in that direction is white.
bool whiteAt(const QImage& image, double degrees) {
    const double radians = degrees * M_PI / 180.0;
    const int x = 16 + static_cast<int>(std::lround(10.0 * std::cos(radians)));
    const int y = 15 - static_cast<int>(std::lround(10.0 * std::sin(radians)));
    const QColor color = image.pixelColor(x, y);
    EXPECT_EQ(color.alpha(), 255);
    return color.lightness() > 128;
}

TEST(BusyCursor, FramesAreDiscsWithTwoOppositeWhiteSectorsTurningClockwise) {
    // Axis of the white sectors per frame in the order shown, counter-clockwise
    // from the right: each step turns 45 degrees clockwise.
    const std::array<double, 8> axes = {0, 135, 90, 45, 0, 135, 90, 45};
    for (size_t i = 0; i < kOrder.size(); ++i) {
        SCOPED_TRACE(kOrder[i]);
        const QCursor& cursor = platform::busyCursor(kOrder[i]);
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 15));
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);        // outside the disc
        EXPECT_EQ(image.pixelColor(16, 15).lightness(), 0);  // the black centre
        for (double side : {0.0, 180.0}) {
            EXPECT_TRUE(whiteAt(image, axes[i] + side));
            EXPECT_FALSE(whiteAt(image, axes[i] + side + 90.0));
            EXPECT_FALSE(whiteAt(image, axes[i] + side + 45.0));
        }
        // Two colours only: a monochrome cursor.
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QColor c = image.pixelColor(x, y);
                EXPECT_TRUE(c.alpha() == 0 || c == Qt::black || c == Qt::white) << x << ',' << y;
            }
        }
        // Frames four apart show the same image.
        EXPECT_EQ(image, platform::busyCursor(kOrder[(i + 4) % 8])
                             .pixmap()
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32));
    }
}

}  // namespace
