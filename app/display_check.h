#pragma once
// Whether the program has a screen to open its window on. Qt aborts when no
// platform plugin can be loaded, so the start checks this first. Qt-free.

#include <string>

namespace app {

// The message for standard error when there is no display: none of the
// variables QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY is set (null or
// empty). Empty when at least one is set.
std::string displayProblem(const char* qpaPlatform, const char* x11Display,
                           const char* waylandDisplay);

// The message for standard error when the display was named but could not be
// opened; qtMessage is what Qt reported.
std::string displayFailure(const std::string& qtMessage);

}  // namespace app
