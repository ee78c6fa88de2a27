#pragma once

namespace vok {

// Makes the next allocation of this thread fail while it lives, as running out of memory does at
// whatever asks first: malloc returns nothing, so operator new and Qt's containers throw
// std::bad_alloc. The program's malloc is replaced for this; it is idle unless armed. With a
// least size, smaller requests pass: the toolkit's own small ones cannot fail cleanly.
class NextAllocationFails {
public:
    explicit NextAllocationFails(unsigned long leastSize = 0);
    ~NextAllocationFails();
    NextAllocationFails(const NextAllocationFails&) = delete;
    NextAllocationFails& operator=(const NextAllocationFails&) = delete;

    bool failed() const; // an allocation was refused meanwhile
};

} // namespace vok
