#include "main/CrapsGame.h"
#include <limits>

namespace vok {

namespace {
constexpr qint32 kFreshBank = 500;
constexpr qint32 kStake = 100;
} // namespace

void CrapsGame::activate(quint32 seed) {
    if (bank <= 0)
        bank = kFreshBank;
    rollNumber = 0;
    random.seed(seed);
    bet = kStake;
}

// A stored bank may be anywhere in range; it saturates rather than wrapping round.
void CrapsGame::settle(qint64 change) {
    constexpr qint64 lowest = std::numeric_limits<qint32>::min();
    constexpr qint64 highest = std::numeric_limits<qint32>::max();
    bank = qint32(qBound(lowest, bank + change, highest));
    rollNumber = 0;
}

CrapsRoll CrapsGame::roll() {
    CrapsRoll r;
    r.d1 = random.die();
    r.d2 = random.die();
    const int s = r.d1 + r.d2;
    ++rollNumber;
    if (rollNumber == 1) {
        point = s;
        QString message;
        if (s == 2 || s == 3 || s == 12) {
            message = "You Lose";
            settle(-qint64(bet));
        } else if (s == 7 || s == 11) {
            message = "You Win";
            settle(bet);
        } else {
            message = "Roll Again";
        }
        r.message = message + " Point is " + QString::number(point);
        if (r.d1 == r.d2)
            r.message = "Hard " + QString::number(s);
        if (s == 11)
            r.message = "Yo 11!";
        if (r.d1 == r.d2 && s == 4)
            r.message = "Little Joe Hard " + QString::number(s);
    } else if (s == 7) {
        r.message = "You Lose";
        settle(-qint64(bet));
    } else if (s == point) {
        r.message = "You Win";
        settle(bet);
    } else {
        r.message =
            "Roll Number " + QString::number(rollNumber) + " Point is " + QString::number(point);
    }
    r.status = "Total " + QString::number(bank);
    if (bank < 0) {
        r.broke = true;
        bank = kFreshBank;
    }
    return r;
}

} // namespace vok
