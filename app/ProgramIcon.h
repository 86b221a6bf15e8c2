#pragma once

#include <QIcon>

// The program's own icon, as the desktop shows it in the menu: the pictures
// built into the program, one per size, so that the window carries it
// wherever the program runs from.
QIcon ProgramIcon();
