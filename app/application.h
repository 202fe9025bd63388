#pragma once

#include <QIcon>

namespace app {

/// Names the application as the settings and the desktop know it ("Veltrano" by "Morlind",
/// desktop entry "veltrano") and gives every window the program's icon. Sets no display name:
/// Qt would append it to every dialog's title.
void SetUpApplication();

/// The program's icon: the SVG where Qt can draw it, and the 48 px PNG.
QIcon ProgramIcon();

}  // namespace app
