#include "platform/ErrorHandler.h"
#include "platform/DialogService.h"
#include <QCoreApplication>

namespace vok {

void showHandlerError(DialogService& dialogs, const QString& text) noexcept {
    try {
        dialogs.error(text);
    } catch (const std::bad_alloc&) {
        // Not even the message fits; the handler has ended and the program goes on.
    }
}

void showOutOfMemory(DialogService& dialogs) noexcept {
    // Unwinding has given back what the handler held; what it kept (rows found, say) may still
    // fill the memory, so the reserve makes the room the box and its readers need.
    dialogs.room().release();
    try {
        // The text in the user's language is a string of its own, made here.
        showHandlerError(dialogs,
                         QCoreApplication::translate("vok::ErrorHandler", "Out of memory"));
    } catch (const std::bad_alloc&) {
        // Not even the text fits; the handler has ended and the program goes on.
    }
    keepMemoryReserve(dialogs);
}

void keepMemoryReserve(DialogService& dialogs) noexcept {
    dialogs.room().take();
}

} // namespace vok
