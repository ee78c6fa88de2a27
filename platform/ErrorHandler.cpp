#include "platform/ErrorHandler.h"
#include "platform/DialogService.h"
#include "platform/Services.h"
#include "platform/VokError.h"
#include <new>

namespace vok {

namespace {

void show(const QString& text) {
    if (!services().dialogs)
        return;
    try {
        services().dialogs->error(text);
    } catch (const std::bad_alloc&) {
        // Not even the message fits; the handler has ended and the program goes on.
    }
}

} // namespace

void runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const VokError& e) {
        show(e.text());
    } catch (const std::bad_alloc&) {
        // Unwinding has given back what the handler held, so there is room to say so.
        show(QStringLiteral("Out of memory"));
    }
}

} // namespace vok
