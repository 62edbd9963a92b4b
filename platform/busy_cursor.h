#pragma once
// The eight-frame busy cursor of long operations, shown as the application's
// override cursor. advanceBusyCursor() (declared in run_frame.h) sets the
// next frame; Qt never takes an override cursor off by itself, so every run
// ends with restoreBusyCursor().

#include <QCursor>

namespace platform {

int advanceBusyCursor();

// The cursor of frame id 149..156 (loaded once); the first frame for other ids.
const QCursor& busyCursor(int id);
// The id of the frame set last, 0 before the first.
int lastBusyCursorId();
// Whether a busy frame is on the override-cursor stack now.
bool busyCursorShown();
// Takes the busy frame off the override-cursor stack, if it is there.
void restoreBusyCursor();

}  // namespace platform
