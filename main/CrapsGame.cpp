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
            message = tr("You Lose");
            settle(-qint64(bet));
        } else if (s == 7 || s == 11) {
            message = tr("You Win");
            settle(bet);
        } else {
            message = tr("Roll Again");
        }
        //: %1 is the roll's outcome (You Lose, You Win, Roll Again), %2 the point: the sum the
        //: following rolls must hit.
        r.message = tr("%1 Point is %2").arg(message, QString::number(point));
        //: Craps: a pair, %1 being the dice's sum.
        if (r.d1 == r.d2)
            r.message = tr("Hard %1").arg(QString::number(s));
        //: Craps slang for a come-out roll of eleven.
        if (s == 11)
            r.message = tr("Yo 11!");
        //: Craps slang: a pair of twos, %1 being their sum (4).
        if (r.d1 == r.d2 && s == 4)
            r.message = tr("Little Joe Hard %1").arg(QString::number(s));
    } else if (s == 7) {
        r.message = tr("You Lose");
        settle(-qint64(bet));
    } else if (s == point) {
        r.message = tr("You Win");
        settle(bet);
    } else {
        //: %1 is how many rolls this turn has had, %2 the point.
        r.message = tr("Roll Number %1 Point is %2")
                        .arg(QString::number(rollNumber), QString::number(point));
    }
    //: %1 is the money in the bank, in dollars.
    r.status = tr("Total %1").arg(QString::number(bank));
    if (bank < 0) {
        r.broke = true;
        bank = kFreshBank;
    }
    return r;
}

} // namespace vok
