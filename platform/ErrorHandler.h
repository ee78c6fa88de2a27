#pragma once
#include <functional>

namespace vok {

// Runs one event handler; a VokError raised inside it ends the handler and its text is shown in
// a message box, leaving the window as it was.
void runGuarded(const std::function<void()>& handler);

} // namespace vok
