#pragma once
#include "controls/TextArena.h"
#include <cstdint>
#include <vector>

namespace vok {

// The text handles of one grid column, one a row: 4 bytes a row while every handle fits in 32
// bits (texts below 4 GiB), 6 once one does not. Growing is all or nothing: a failed allocation
// leaves the column as it was.
class HandleColumn {
public:
    using Handle = TextArena::Handle;

    std::size_t size() const { return low_.size(); }
    Handle at(std::size_t row) const {
        return high_.empty() ? low_[row] : Handle(high_[row]) << 32 | low_[row];
    }
    void set(std::size_t row, Handle h);
    void push_back(Handle h);
    void pop_back();
    void resize(std::size_t rows); // new rows hold TextArena::Empty
    void reserve(std::size_t rows);
    void swap(std::size_t a, std::size_t b);
    // Gives back spare room after a large cut.
    void trim();
    std::size_t bytesUsed() const;
    bool wide() const { return !high_.empty(); }

private:
    void widenFor(Handle h);

    std::vector<std::uint32_t> low_;
    std::vector<std::uint16_t> high_; // empty while every handle fits in low_
};

} // namespace vok
