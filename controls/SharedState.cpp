#include "controls/SharedState.h"

namespace vok {

SharedState& shared() {
    static SharedState state;
    return state;
}

} // namespace vok
