#pragma once
#include "controls/TextArena.h"
#include <QByteArrayView>
#include <cstdint>
#include <functional>
#include <vector>

namespace vok {

class WorkPacer;

// Dense ranks of texts in ordinal order: equal texts share a rank, a smaller text has a smaller
// rank, the smallest is 0. textOf(i) gives text i of count; the texts must stay in place while
// this runs.
std::vector<std::uint32_t> rankTexts(std::size_t count,
                                     const std::function<QByteArrayView(std::size_t)>& textOf,
                                     WorkPacer& pacer);
// The same for texts in two pieces, each ranked as its head followed by its tail.
std::vector<std::uint32_t> rankTexts(std::size_t count,
                                     const std::function<TextArena::Parts(std::size_t)>& textOf,
                                     WorkPacer& pacer);

} // namespace vok
