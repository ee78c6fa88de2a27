#pragma once
#include <QString>

namespace vok {

// The title the desktop shows for the program as a whole, readable here for tests.
void setApplicationTitle(const QString& title);
QString applicationTitle();

} // namespace vok
