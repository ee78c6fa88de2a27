#include "controls/HandleColumn.h"
#include <utility>

namespace vok {

void HandleColumn::widenFor(Handle h) {
    if (h >> 32 && high_.empty())
        high_.assign(low_.size(), 0);
}

void HandleColumn::set(std::size_t row, Handle h) {
    widenFor(h);
    low_[row] = std::uint32_t(h);
    if (!high_.empty())
        high_[row] = std::uint16_t(h >> 32);
}

void HandleColumn::push_back(Handle h) {
    widenFor(h);
    low_.push_back(std::uint32_t(h));
    if (high_.empty())
        return;
    try {
        high_.push_back(std::uint16_t(h >> 32));
    } catch (...) {
        low_.pop_back();
        throw;
    }
}

void HandleColumn::pop_back() {
    low_.pop_back();
    if (!high_.empty())
        high_.pop_back();
}

void HandleColumn::resize(std::size_t rows) {
    const std::size_t old = low_.size();
    low_.resize(rows, std::uint32_t(TextArena::Empty));
    if (high_.empty())
        return;
    try {
        high_.resize(rows, 0);
    } catch (...) {
        low_.resize(old);
        throw;
    }
}

void HandleColumn::reserve(std::size_t rows) {
    low_.reserve(rows);
    if (!high_.empty())
        high_.reserve(rows);
}

void HandleColumn::swap(std::size_t a, std::size_t b) {
    std::swap(low_[a], low_[b]);
    if (!high_.empty())
        std::swap(high_[a], high_[b]);
}

void HandleColumn::trim() {
    if (low_.capacity() > 2 * low_.size() + 1024) {
        low_.shrink_to_fit();
        high_.shrink_to_fit();
    }
}

std::size_t HandleColumn::bytesUsed() const {
    return low_.capacity() * sizeof(std::uint32_t) + high_.capacity() * sizeof(std::uint16_t);
}

} // namespace vok
