#pragma once
#include "platform/VokError.h"
#include <new>
#include <utility>

namespace vok {

class DialogService;

// Shows the text of an error that ended a handler.
void showHandlerError(DialogService& dialogs, const QString& text) noexcept;
// Shows "Out of memory" for a handler that ran out of it. The dialogs' memory reserve is given
// back for the message and taken again after it.
void showOutOfMemory(DialogService& dialogs) noexcept;
// Takes the dialogs' memory reserve if it is not held (before each handler, so again after it
// was given back).
void keepMemoryReserve(DialogService& dialogs) noexcept;

// Runs one event handler; a VokError raised inside it ends the handler and its text is shown in
// a message box of dialogs, leaving the window as it was. Running out of memory (std::bad_alloc)
// ends the handler the same way with "Out of memory": never the program. Nothing is allocated on
// the way in, so that even the first allocation a handler makes may fail.
template <typename Handler> void runGuarded(DialogService& dialogs, Handler&& handler) {
    keepMemoryReserve(dialogs);
    try {
        std::forward<Handler>(handler)();
    } catch (const VokError& e) {
        showHandlerError(dialogs, e.text());
    } catch (const std::bad_alloc&) {
        showOutOfMemory(dialogs);
    }
}

// A slot that runs obj's handler guarded, with the signal's arguments: the one way a window
// connects an event, a menu command or a timer to one of its handlers. The window is given
// dialogs at its creation; they outlive it.
template <typename T, typename... Args>
auto guardedSlot(DialogService& dialogs, T* obj, void (T::*handler)(Args...)) {
    return [d = &dialogs, obj, handler](Args... args) {
        runGuarded(*d, [&] { (obj->*handler)(args...); });
    };
}

} // namespace vok
