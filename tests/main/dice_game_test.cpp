#include "controls/Dice.h"
#include "controls/DriveComboBox.h"
#include "controls/Panel.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QAction>
#include <QtTest>
#include <utility>
#include <vector>

using namespace vok;

namespace {

using Throw = std::pair<int, int>;

// The game's generator written out from its definition: seed := seed × 134775813 + 1 modulo
// 2^32, and a die is 1 + the high 32 bits of seed × 6.
int nextDie(quint64& seed) {
    seed = (seed * 134775813ull + 1ull) % 4294967296ull;
    return 1 + int((seed * 6ull) / 4294967296ull);
}

// The first seed whose dice come up as given, throw after throw.
quint32 seedFor(const std::vector<Throw>& throws) {
    for (quint64 start = 0;; ++start) {
        quint64 seed = start;
        bool match = true;
        for (const Throw& t : throws) {
            const int d1 = nextDie(seed);
            const int d2 = nextDie(seed);
            if (d1 != t.first || d2 != t.second) {
                match = false;
                break;
            }
        }
        if (match)
            return quint32(start);
    }
}

// A main window whose game starts with the bank given and its dice thrown as scripted.
struct Table {
    explicit Table(const std::vector<Throw>& throws, const QString& bank = "1000") {
        if (!bank.isEmpty())
            t.settings.write("Bet", "Total", bank);
        fm = std::make_unique<TfmVok>(t.services, QSize(640, 480));
        const quint32 seed = seedFor(throws);
        fm->setDiceSeedSource([seed] { return seed; });
        fm->FormActivate();
        fm->Craps1Click();
    }
    // Rolls as a click on the die does, and gives the message panel.
    QString roll(int die = 1) {
        emit(die == 1 ? fm->Dice1 : fm->Dice2)->clicked();
        return fm->Panel1->text();
    }
    QString status() const { return fm->Panel2->text(); }
    qint32 bank() const { return fm->game().bank; }

    TestServices t;
    std::unique_ptr<TfmVok> fm;
};

} // namespace

class DiceGameTest : public QObject {
    Q_OBJECT
private slots:
    void generatorFollowsItsFormula() {
        DiceRandom r;
        for (quint32 start : {0u, 1u, 49507250u, 4294967295u}) {
            r.seed(start);
            quint64 mine = start;
            for (int i = 0; i < 20; ++i) {
                QCOMPARE(r.die(), nextDie(mine));
                mine = (mine * 134775813ull + 1ull) % 4294967296ull;
                QCOMPARE(quint64(r.below(1000000)), (mine * 1000000ull) >> 32);
            }
            QCOMPARE(quint64(r.currentSeed()), mine);
        }
        QCOMPARE(clockSeed(QTime(13, 45, 7, 250)), 49507250u);
        QCOMPARE(clockSeed(QTime(23, 59, 59, 999)), 86399999u);
    }

    void showingAndHidingTheGame() {
        Table g({{3, 4}}, "");
        QCOMPARE(g.bank(), 500); // nothing stored: an empty bank gets 500
        QCOMPARE(g.fm->game().bet, 100);
        QVERIFY(g.fm->Craps1->isChecked() && g.fm->gameShown());
        QVERIFY(!g.fm->Dice1->isHidden() && !g.fm->Dice2->isHidden() && !g.fm->Panel2->isHidden());
        QCOMPARE(g.status(), QString(" Total 500"));
        QCOMPARE(g.fm->Dice1->value(), 6);
        g.fm->Craps1Click();
        QVERIFY(!g.fm->Craps1->isChecked() && !g.fm->gameShown());
        QVERIFY(g.fm->Dice1->isHidden() && g.fm->Dice2->isHidden() && g.fm->Panel2->isHidden());
    }

    // Throw after throw: what the panel says, then the bank, the point and the status at the end.
    void turns() {
        const struct {
            int bank, point, rollNumber;
            QString status; // empty: not looked at
            std::vector<Throw> throws;
            QStringList said;
        } rows[] = {
            // clang-format off
            {900, 0, 0, "Total 900", {{1, 1}}, {"Hard 2"}},
            {1000, 4, 1, "", {{2, 2}}, {"Little Joe Hard 4"}},
            {1100, 0, 0, "Total 1100", {{5, 6}}, {"Yo 11!"}},
            {1000, 6, 1, "", {{3, 3}}, {"Hard 6"}},
            {1000, 8, 1, "", {{4, 3}, {6, 6}, {5, 3}},
             {"You Win Point is 7", "Hard 12", "Roll Again Point is 8"}},
            // The next turn's come-out starts a new point.
            {900, 6, 1, "", {{2, 4}, {3, 4}, {1, 5}},
             {"Roll Again Point is 6", "You Lose", "Roll Again Point is 6"}},
            {1000, 9, 2, "Total 1000", {{4, 5}, {2, 3}},
             {"Roll Again Point is 9", "Roll Number 2 Point is 9"}},
            // A 2 means nothing once the point is set.
            {1100, 0, 0, "Total 1100", {{4, 5}, {2, 3}, {1, 1}, {6, 3}},
             {"Roll Again Point is 9", "Roll Number 2 Point is 9", "Roll Number 3 Point is 9",
              "You Win"}},
            // clang-format on
        };
        for (const auto& r : rows) {
            const QByteArray name = r.said.join(", ").toUtf8();
            Table g(r.throws);
            QStringList said;
            for (int i = 0; i < r.said.size(); ++i)
                said << g.roll(2 - i % 2); // either die throws
            QCOMPARE(said, r.said);
            QVERIFY2(g.bank() == r.bank, name);
            QVERIFY2(g.fm->game().rollNumber == r.rollNumber, name);
            if (r.point)
                QVERIFY2(g.fm->game().point == r.point, name);
            if (!r.status.isEmpty())
                QVERIFY2(g.status() == r.status, name);
            QVERIFY2(g.fm->Dice1->value() == r.throws.back().first &&
                         g.fm->Dice2->value() == r.throws.back().second,
                     name);
        }
    }

    // Hiding the game keeps the turn; activation drops it and keeps the money.
    void activationDropsTheTurn() {
        Table g({{4, 4}, {4, 4}});
        g.roll();
        g.fm->Craps1Click();
        g.fm->Craps1Click();
        QCOMPARE(g.fm->game().rollNumber, 1);
        g.fm->FormActivate();
        QCOMPARE(g.fm->game().rollNumber, 0);
        QVERIFY(!g.fm->Craps1->isChecked() && g.fm->Dice1->isHidden());
        g.fm->Craps1Click();
        QCOMPARE(g.roll(), QString("Hard 8")); // a come-out again: the same seed, the same dice
    }

    void goingBroke() {
        {
            Table g({{1, 2}}, "50");
            QCOMPARE(g.roll(), QString("You Lose Point is 3"));
            QCOMPARE(g.status(), QString("Total -50"));
            QCOMPARE(g.t.dialogs.messages,
                     QStringList{"You went broke. Fortunately there is a pawn shop nearby and "
                                 "you sell your watch"});
            QCOMPARE(g.bank(), 500);
        }
        {
            Table g({{6, 6}}, "100");
            g.roll();
            QCOMPARE(g.bank(), 0);
            QVERIFY(g.t.dialogs.messages.isEmpty());
            g.fm->FormActivate();
            QCOMPARE(g.bank(), 500);
        }
        {
            // A stored bank at the top of the range is not turned negative by a win.
            Table g({{5, 6}}, "2147483600");
            g.roll();
            QCOMPARE(g.bank(), 2147483647);
            // The bank and the bet are saved at closing.
            g.fm->FormClose();
            QCOMPARE(g.t.settings.read("Bet", "Total"), QString("2147483647"));
            QCOMPARE(g.t.settings.read("Bet", "Bet"), QString("100"));
        }
    }
};

QTEST_MAIN(DiceGameTest)
#include "dice_game_test.moc"
