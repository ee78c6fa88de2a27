#include "platform/ErrorHandler.h"
#include "platform/DialogService.h"
#include "platform/Services.h"
#include "platform/VokError.h"

namespace vok {

void runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const VokError& e) {
        if (services().dialogs)
            services().dialogs->error(e.text());
    }
}

} // namespace vok
