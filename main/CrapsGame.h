#pragma once
#include "main/DiceRandom.h"
#include <QCoreApplication>
#include <QString>

namespace vok {

// What one roll showed: the dice, the texts left in the message panel and the status panel,
// and whether the bank went broke (and is 500 again).
struct CrapsRoll {
    int d1 = 0, d2 = 0;
    QString message; // Panel1
    QString status;  // Panel2
    bool broke = false;
};

// Translated where it is shown.
inline constexpr char kBrokeMessage[] = QT_TRANSLATE_NOOP(
    "vok::CrapsGame",
    "You went broke. Fortunately there is a pawn shop nearby and you sell your watch");

// Craps played at a fixed stake against a bank: the come-out roll wins on 7 and 11, loses on
// 2, 3 and 12 and otherwise sets the point, which the following rolls must hit before a 7.
class CrapsGame {
    Q_DECLARE_TR_FUNCTIONS(vok::CrapsGame)

public:
    // As loaded from the settings; -1 when nothing was stored.
    qint32 bank = -1;
    qint32 bet = -1;
    int rollNumber = 0; // 0 between turns, 1 after the come-out roll, then 2, 3, ...
    int point = 0;

    // What every activation of the main window does: a new turn at the house stake, money for
    // an empty bank, a fresh seed.
    void activate(quint32 seed);
    CrapsRoll roll();

    DiceRandom random;

private:
    void settle(qint64 change);
};

} // namespace vok
