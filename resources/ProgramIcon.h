#pragma once

#include <QIcon>

namespace resources {

// The program's icon for windows and the task bar, at every size the window
// system asks for: the 16 × 16 "MAINICON" drawn for the title bar's size and
// the large picture for everything bigger.
QIcon ProgramIcon();

} // namespace resources
