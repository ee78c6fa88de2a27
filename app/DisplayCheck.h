#pragma once
#include <QApplication>
#include <memory>

namespace vok {

// The exit status, named in the manual page, of a start where no window can open.
constexpr int kNoDisplayStatus = 3;

// The application on the display the environment names. Where none is named (no DISPLAY,
// WAYLAND_DISPLAY or QT_QPA_PLATFORM), says that Vok needs a graphical display and gives
// nothing, before Qt would abort trying one; where the named one cannot be opened, says the
// same and ends the program with kNoDisplayStatus.
std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]);

} // namespace vok
