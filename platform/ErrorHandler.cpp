#include "platform/ErrorHandler.h"
#include "platform/DialogService.h"

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
    showHandlerError(dialogs, QStringLiteral("Out of memory"));
    keepMemoryReserve(dialogs);
}

void keepMemoryReserve(DialogService& dialogs) noexcept {
    dialogs.room().take();
}

} // namespace vok
