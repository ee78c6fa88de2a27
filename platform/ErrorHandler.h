#pragma once
#include <functional>

namespace vok {

// Runs one event handler; a VokError raised inside it ends the handler and its text is shown in
// a message box, leaving the window as it was. Running out of memory (std::bad_alloc) ends the
// handler the same way with "Out of memory": never the program.
void runGuarded(const std::function<void()>& handler);

// A slot that runs obj's handler guarded: the one way a window connects an event, a menu command
// or a timer to one of its handlers.
template <typename T> auto guardedSlot(T* obj, void (T::*handler)()) {
    return [obj, handler] { runGuarded([obj, handler] { (obj->*handler)(); }); };
}

} // namespace vok
