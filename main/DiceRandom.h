#pragma once
#include <QTime>
#include <QtGlobal>

namespace vok {

// The game's random numbers: a 32-bit linear congruential generator whose R(n) is the high
// half of seed × n, so every value below n is (nearly) equally likely.
class DiceRandom {
public:
    void seed(quint32 s) { seed_ = s; }
    quint32 currentSeed() const { return seed_; }

    // Advances the generator and gives a number from 0 to n - 1.
    quint32 below(quint32 n) {
        seed_ = seed_ * 134775813u + 1u;
        return quint32((quint64(seed_) * n) >> 32);
    }
    // One die, 1..6.
    int die() { return 1 + int(below(6)); }

private:
    quint32 seed_ = 0;
};

// The seed of a time of day (UTC): milliseconds since midnight.
inline quint32 clockSeed(QTime utc) {
    return quint32(((utc.hour() * 60 + utc.minute()) * 60 + utc.second()) * 1000 + utc.msec());
}

} // namespace vok
