#pragma once
// The toolbar's button images and the program icon, from the SVG drawings in the resources.
// Each is rendered for 100 % and 200 % scaling, so it stays crisp on either screen.

#include <QIcon>

namespace CToolbarIcons {
// The button image of a toolbar command; a null icon for other ids.
QIcon ForCommand(int id);
QIcon ProgramIcon();
} // namespace CToolbarIcons
