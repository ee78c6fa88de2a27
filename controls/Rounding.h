#pragma once
#include <QtGlobal>
#include <cmath>

namespace vok {

// Nearest integer with ties to the even neighbour, as every figure on the screens is rounded.
inline qint64 roundHalfEven(double x) {
    return qint64(std::nearbyint(x));
}

} // namespace vok
