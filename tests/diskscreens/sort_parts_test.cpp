#include "controls/WorkPacer.h"
#include "diskscreens/KeyRanks.h"
#include "diskscreens/SelectionReplay.h"
#include "diskscreens/SortKeyPart.h"
#include "support/SelectionSortOracle.h"
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <numeric>

using namespace vok;

namespace {

QByteArray part(const char* text, SortKey key, bool trimmed = false) {
    return sortKeyPart(QByteArrayView(text), key, trimmed).toByteArray();
}

} // namespace

class SortPartsTest : public QObject {
    Q_OBJECT
private slots:
    void keyPartsAndTheirOrdinalOrder() {
        QCOMPARE(part("/home/me/notes.txt", SortByFileName), QByteArray("notes.txt"));
        QCOMPARE(part("/home/me/notes.txt", SortByExtension), QByteArray(".txt"));
        QCOMPARE(part("/home/me/notes.txt", SortByPath), QByteArray("/home/me/"));
        QCOMPARE(part("notes", SortByFileName), QByteArray("notes"));
        QCOMPARE(part("notes", SortByPath), QByteArray());
        QCOMPARE(part("/my.dir/notes", SortByExtension), QByteArray()); // dot in a directory
        QCOMPARE(part("a.tar.gz", SortByExtension), QByteArray(".gz"));
        QCOMPARE(part("c:\\dos\\x", SortByFileName), QByteArray("c:\\dos\\x"));
        QCOMPARE(part("/dir/", SortByFileName), QByteArray());
        QCOMPARE(part(" ", SortByExtension), QByteArray());
        // Trimming only for name parts, and only when asked.
        QCOMPARE(part("  /a/b.txt \t", SortByExtension), QByteArray(".txt \t"));
        QCOMPARE(part("  /a/b.txt \t", SortByExtension, true), QByteArray(".txt"));
        QCOMPARE(part("  /a/b.txt \t", SortByPath, true), QByteArray("/a/"));
        QCOMPARE(part("  b  ", SortByColumn0, true), QByteArray("  b  "));
        QCOMPARE(part("  ", SortByFileName, true), QByteArray());
        // Ordinal order: unsigned bytes, the shorter of two texts that agree first.
        QVERIFY(compareOrdinal("Deleted ", "a") < 0);
        QVERIFY(compareOrdinal("z", "\xc3\xa9") < 0); // é after every ASCII letter
        QVERIFY(compareOrdinal("ab", "abc") < 0 && compareOrdinal("abc", "ab") > 0);
        QVERIFY(compareOrdinal(" ", "           5") < 0);
        QCOMPARE(compareOrdinal("", QByteArrayView()), 0);
        // UTF-8 bytes order code points, including those beyond the 16-bit range.
        QVERIFY(compareOrdinal("\xef\xbf\xbd", "\xf0\x9f\x98\x80") < 0);
    }

    void ranksFollowOrdinalOrder() {
        QRandomGenerator random(99);
        const QByteArray shared = "/home/someone/projects/";
        for (int round = 0; round < 200; ++round) {
            std::vector<QByteArray> texts;
            const int n = int(random.bounded(60));
            for (int i = 0; i < n; ++i) {
                QByteArray t;
                if (random.bounded(2))
                    t = shared.left(int(random.bounded(shared.size() + 1)));
                const int tail = int(random.bounded(20));
                for (int k = 0; k < tail; ++k)
                    t += "ab\0\xff"[random.bounded(4)]; // NUL and high bytes included
                texts.push_back(t);
            }
            WorkPacer pacer({});
            const auto ranks = rankTexts(
                texts.size(), [&](std::size_t i) { return QByteArrayView(texts[i]); }, pacer);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    const int c = compareOrdinal(texts[i], texts[j]);
                    QCOMPARE(ranks[i] < ranks[j], c < 0);
                    QCOMPARE(ranks[i] == ranks[j], c == 0);
                }
            if (n > 0) {
                QCOMPARE(*std::min_element(ranks.begin(), ranks.end()), 0u);
                std::vector<std::uint32_t> distinct(ranks);
                std::sort(distinct.begin(), distinct.end());
                distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
                QCOMPARE(distinct.back() + 1, std::uint32_t(distinct.size())); // dense
            }
        }
    }

    // Stopping before pass i must leave exactly what the exchanges of passes 0..i-1 left.
    void replayStopsBeforeAnyPass() {
        QRandomGenerator random(5);
        for (int round = 0; round < 300; ++round) {
            const int n = int(random.bounded(40));
            std::vector<std::uint32_t> ranks(static_cast<std::size_t>(n));
            const quint32 spread = 1 + random.bounded(8u);
            for (auto& r : ranks)
                r = random.bounded(spread);
            for (TieRule tie : {TieRule::LastMet, TieRule::FirstMet})
                for (int stop = 0; stop <= n + 1; ++stop) {
                    std::vector<int> asked;
                    const auto order = replaySelectionSort(ranks, tie, [&](int pass) {
                        asked.push_back(pass);
                        return pass == stop;
                    });
                    const auto literal = test::selectionSortOrder(
                        n, [&](int a, int b) { return int(ranks[a]) - int(ranks[b]); },
                        tie == TieRule::LastMet, stop);
                    QCOMPARE(order, literal);
                    std::vector<int> expected(std::size_t(std::min(stop + 1, n)));
                    std::iota(expected.begin(), expected.end(), 0);
                    QCOMPARE(asked, expected); // asked before every pass, in order
                }
        }
    }

    // On a clock the test moves: the hook runs at the first reading of the clock once the
    // interval has passed since it last ran (or since the start, or a resume), the clock being
    // read every stride steps; the longest gap is kept, the current one included.
    void pacerRunsTheHookOnceTheIntervalHasPassed() {
        qint64 now = 0;
        QList<qint64> ranAt;
        WorkPacer pacer([&] { ranAt << now; }, {10, 2, 3, [&] { return now; }});
        const auto stepUntil = [&](qint64 until) {
            while (now < until) {
                ++now;
                pacer.step();
            }
        };
        stepUntil(20); // the sort's stride: the clock read at 3, 6, ... 18
        QCOMPARE(ranAt, (QList<qint64>{12}));
        pacer.setPhase(WorkPacer::Phase::Walk); // every second step: 22, 24 ...
        stepUntil(25);
        QCOMPARE(ranAt, (QList<qint64>{12, 22}));
        now = 31;
        pacer.resume();
        now = 40;
        pacer.now(); // 9 since the resume: not yet
        QCOMPARE(ranAt.size(), 2);
        QCOMPARE(pacer.maxGapNs(), 12);
        now = 60;
        QCOMPARE(pacer.maxGapNs(), 29); // the current interval
        pacer.now();
        QCOMPARE(ranAt, (QList<qint64>{12, 22, 60}));
    }
};

QTEST_MAIN(SortPartsTest)
#include "sort_parts_test.moc"
