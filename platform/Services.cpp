#include "platform/Services.h"

namespace vok {

Services& services() {
    static Services instance;
    return instance;
}

} // namespace vok
