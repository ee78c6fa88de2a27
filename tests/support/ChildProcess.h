#pragma once
#include <functional>
#include <sys/resource.h>

namespace vok {

// Runs `step` in a forked child: 0 when it returned true, 1 when false or when it threw, -1 when
// the child died (an abort, a stack overflow), so that a fault under test cannot take the test
// program down.
int runInChild(const std::function<bool()>& step);

// Lets the calling process's address space grow by at most `bytes` from now on: a memory limit
// that binds root too, measured from what is mapped already (a sanitizer's reserved shadow).
bool limitAddressSpaceGrowth(rlim_t bytes);

} // namespace vok
