#pragma once
#include <QtGlobal>
#include <cmath>

namespace vok {

// Nearest integer with ties to the even neighbour, as every figure on the screens is rounded.
inline qint64 roundHalfEven(double x) {
    return qint64(std::nearbyint(x));
}

// Bytes as whole megabytes, rounded as above: the figure of every Mb total the screens show.
inline qint64 roundedMegabytes(qint64 bytes) {
    return roundHalfEven(double(bytes) / 1048576.0);
}

} // namespace vok
