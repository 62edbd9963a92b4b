#pragma once
// Icon 128 of the program: a globe with its graticule, 32 × 32 and 16 × 16.

#include <QIcon>
#include <QPixmap>

namespace app {

// Both sizes in one icon, for the application and its windows.
QIcon applicationIcon();

// The 32 × 32 image, as the About box shows it.
QPixmap largeIconPixmap();

}  // namespace app
