#pragma once
#include <cstddef>
#include <functional>

namespace vok {

// Runs body in a forked child and returns the status it exits with, or 128 + the signal that
// ended it (an abort is 134). The child's fakes and windows are the parent's copies.
int inChildProcess(const std::function<int()>& body);

// Lets the address space grow only `room` bytes past what is mapped now, as `ulimit -v` does;
// the hard limit stays, so the limit can be lifted again.
void limitAddressSpace(std::size_t room);
void liftAddressSpaceLimit();

} // namespace vok
