#pragma once
#include <QIcon>

namespace vok {

// Vok's icon in every size it ships, from the program's resources.
QIcon vokIcon();

// Makes it the icon of every window, those created later included, and names the desktop entry
// that the desktop's task bar ties Vok's windows to.
void installDesktopIdentity();

} // namespace vok
