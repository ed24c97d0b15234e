#pragma once
// The toolbar's 16 x 15 button images and the program icon, drawn at run time so that
// no binary image files need to be kept.

#include <QIcon>

namespace CToolbarIcons {
// The button image of a toolbar command; a null icon for other ids.
QIcon ForCommand(int id);
QIcon ProgramIcon();
} // namespace CToolbarIcons
