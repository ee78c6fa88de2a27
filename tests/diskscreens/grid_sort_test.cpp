#include "controls/GridRows.h"
#include "controls/WorkPacer.h"
#include "diskscreens/GridSort.h"
#include "diskscreens/KeyRanks.h"
#include "diskscreens/SelectionReplay.h"
#include "diskscreens/SizeCellText.h"
#include "diskscreens/SortKeyPart.h"
#include "platform/VokError.h"
#include "support/GridColumn.h"
#include "support/SelectionSortOracle.h"
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <numeric>
#include <optional>
#include <set>

using namespace vok;
using test::column;

namespace {

// The keys as first written: each cell read afresh, compared byte by byte as unsigned values,
// the shorter of two texts that agree first.
int ordinal(const QByteArray& a, const QByteArray& b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

// Column 1 holds sizes or blanks. Sizes compare by their figures, whatever their width; a
// blank or empty cell comes before every size, and blanks compare as text among themselves.
std::optional<quint64> figureOf(const QByteArray& text) {
    const QByteArray t = text.trimmed();
    bool ok = false;
    const quint64 v = t.toULongLong(&ok);
    return ok && !t.isEmpty() ? std::optional<quint64>(v) : std::nullopt;
}

int sizeOrder(const QByteArray& a, const QByteArray& b) {
    const auto x = figureOf(a), y = figureOf(b);
    if (x && y)
        return *x < *y ? -1 : *x > *y ? 1 : 0;
    if (!x && !y)
        return ordinal(a, b);
    return x ? 1 : -1;
}

QByteArray literalKey(const GridRows& g, int row, int key, bool trim) {
    QByteArray t = g.cell(key == 1 ? 1 : 0, row).toUtf8();
    if (key <= 1)
        return t;
    if (trim) {
        while (!t.isEmpty() && static_cast<unsigned char>(t.front()) <= 32)
            t.remove(0, 1);
        while (!t.isEmpty() && static_cast<unsigned char>(t.back()) <= 32)
            t.chop(1);
    }
    const int slash = int(t.lastIndexOf('/'));
    if (key == 2)
        return t.mid(slash + 1);
    if (key == 3) {
        const int dot = int(t.lastIndexOf('.'));
        return dot > slash ? t.mid(dot) : QByteArray();
    }
    return t.left(slash + 1);
}

QStringList contents(const GridRows& g) {
    QStringList all;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c)
            all << g.cell(c, r);
    return all;
}

// The grid's contents after the selection sort of its rows, stopped before pass stopBefore:
// columns 0 and 1 move, the others stay.
QStringList literallySorted(const GridRows& g, int key, bool descending, bool trim,
                            int stopBefore = INT_MAX) {
    std::vector<QByteArray> keys;
    for (int r = 0; r < g.rows(); ++r)
        keys.push_back(literalKey(g, r, key, trim));
    const auto order = test::selectionSortOrder(
        g.rows(),
        [&](int a, int b) {
            const int c = key == 1 ? sizeOrder(keys[size_t(a)], keys[size_t(b)])
                                   : ordinal(keys[size_t(a)], keys[size_t(b)]);
            return descending ? -c : c;
        },
        !descending && key <= 1, stopBefore);
    QStringList all;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c)
            all << g.cell(c, c <= 1 ? order[size_t(r)] : r);
    return all;
}

std::unique_ptr<GridRows> copyOf(const GridRows& from) {
    auto to = std::make_unique<GridRows>(from.columns());
    to->setRows(from.rows());
    for (int r = 0; r < from.rows(); ++r)
        for (int c = 0; c < from.columns(); ++c)
            to->setCell(c, r, from.cell(c, r));
    return to;
}

// The same texts, each path but the first (a grid has one row at least) a stored head up to
// its last "/" and the rest.
void copyJoined(GridRows& joined, const GridRows& plain) {
    joined.setRows(1);
    for (int c = 0; c < 3; ++c)
        joined.setCell(c, 0, plain.cell(c, 0));
    for (int r = 1; r < plain.rows(); ++r) {
        const QByteArray path = plain.cell(0, r).toUtf8();
        const qsizetype slash = path.lastIndexOf('/');
        joined.appendRow(joined.addHead(path.first(slash + 1)),
                         {QByteArrayView(path).sliced(slash + 1), plain.cell(1, r).toUtf8(),
                          plain.cell(2, r).toUtf8()});
    }
}

// The pacer due at every step, so that a few rows see the hook as often as a machine's speed
// would let a million.
JobOutcome sortGrid(GridRows& g, int key, bool descending, bool trimmed, const Job* job = nullptr,
                    ProgressHook hook = {}) {
    WorkPacer pacer(std::move(hook), WorkPacer::Timing::everyStep());
    return SortGrid(g, SortKey(key), descending, trimmed, pacer, job);
}

QByteArray caseName(int round, int key, bool descending) {
    return QString("round %1 key %2 descending %3").arg(round).arg(key).arg(descending).toUtf8();
}

// Few distinct texts, so ties are everywhere; blanks, deleted rows, names without extension,
// dots in directories, padding that only the trimming variant removes, non-ASCII names.
void fillTieHeavy(GridRows& g, int n, QRandomGenerator& random) {
    static const QStringList names{
        "a",       "b",           "a.txt",         "b.txt",       "a.bat",      "x.exe",
        ".hidden", "readme",      "Deleted ",      " ",           "",           "dir.d/a",
        "dir.d/b", "dir.d/b.txt", "/home/u/a.txt", "/home/u.v/b", "/home/u.v/", " /a/b.txt ",
        "\tx.y",   "é.txt",       "z/é",           "a/b/c.d.e",   "a.txt ",     "/a.b/c.txt"};
    // Sizes of 1 TB and more outgrow the 12-character padding.
    static const QStringList sizes =
        QString("           5|        1000|         300| |        4096|"
                "|   123456789|        4096|999999999999|1000000000000|"
                "1000000000001|99999999999999|1000000000000|"
                "9223372036854775807|  ")
            .split('|');
    g.setRows(n);
    for (int r = 0; r < n; ++r) {
        g.setCell(0, r, names[int(random.bounded(qsizetype(names.size())))]);
        g.setCell(1, r, sizes[int(random.bounded(qsizetype(sizes.size())))]);
        g.setCell(2, r, QString::number(r + 1));
    }
}

QByteArray part(const char* text, SortKey key, bool trimmed = false) {
    return sortKeyPart(QByteArrayView(text), key, trimmed).toByteArray();
}

} // namespace

class GridSortTest : public QObject {
    Q_OBJECT
private slots:
    // Each random grid sorts as the literal selection sort has it, and so does the same grid
    // with its paths stored as a shared head up to the last "/" and the rest.
    void matchesTheSelectionSortOnRandomGrids() {
        QRandomGenerator random(20240607);
        for (int round = 0; round < 300; ++round) {
            const int n = round % 50 == 0 ? 300 : int(random.bounded(30));
            GridRows original(3);
            fillTieHeavy(original, n, random);
            for (int key = 0; key <= 4; ++key)
                for (bool descending : {false, true})
                    for (bool trimmed : {true, false}) {
                        const QByteArray what = caseName(round, key, descending);
                        const QStringList expected =
                            literallySorted(original, key, descending, trimmed);
                        const auto g = copyOf(original);
                        const Job job;
                        QVERIFY2(sortGrid(*g, key, descending, trimmed, &job) == JobOutcome::Done,
                                 what);
                        QVERIFY2(contents(*g) == expected, what);
                        if (trimmed)
                            continue;
                        GridRows joined(3);
                        copyJoined(joined, original);
                        QVERIFY2(contents(joined) == contents(original), what);
                        sortGrid(joined, key, descending, false);
                        QVERIFY2(contents(joined) == expected, what);
                    }
        }
    }

    // Readable examples, each on a fresh grid: rows as "name=size|...", a size that is no figure
    // stands as written. Names are unique, so each size must travel with its name while
    // column 2 stays put.
    void examplesSortAsShown() {
        struct Example {
            const char* what;
            bool trimmed;
            SortKey key;
            bool descending;
            const char *rows, *order;
        };
        const Example examples[]{
            {"sizes as right-aligned text", true, SortByColumn1, true, "a=5|b=1000|c=300", "b|c|a"},
            {"a terabyte and more by their figures", true, SortByColumn1, true,
             "small=5|big=1000000000000|blank= |below=999999999999|huge=100000000000000",
             "huge|big|below|small|blank"},
            {"a terabyte and more ascending", false, SortByColumn1, false,
             "huge=100000000000000|big=1000000000000|below=999999999999|small=5|blank= ",
             "blank|small|below|big|huge"},
            {"equal sizes ascending put the last first", true, SortByColumn1, false,
             "first=7|second=7|third=7", "third|first|second"},
            {"equal sizes descending keep the first first", true, SortByColumn1, true,
             "first=7|second=7|third=7", "first|second|third"},
            {"no extension comes first", true, SortByExtension, false,
             "x.txt=1|run.exe=2|makefile=3|go.bat=4|dir.d/readme=5",
             "makefile|dir.d/readme|go.bat|run.exe|x.txt"},
            {"name after the slash", false, SortByFileName, false, "/b/a.txt=1|/a/c.txt=2|/c/b=3",
             "/b/a.txt|/c/b|/a/c.txt"},
            {"path up to the slash", false, SortByPath, true, "/b/a.txt=1|/c/b=3|/a/c.txt=2",
             "/c/b|/b/a.txt|/a/c.txt"},
            {"a deleted row sinks by size descending", true, SortByColumn1, true,
             "a.txt=10|Deleted = |c.txt=0", "a.txt|c.txt|Deleted "},
            {"capital D before lower-case names", true, SortByColumn0, false,
             "a.txt=10|c.txt=0|Deleted = ", "Deleted |a.txt|c.txt"},
        };
        for (const Example& e : examples) {
            QHash<QString, QString> sizeOf;
            const QStringList rows = QString(e.rows).split('|');
            GridRows g(3);
            g.setRows(int(rows.size()));
            for (int r = 0; r < g.rows(); ++r) {
                const QString name = rows[r].section('=', 0, 0), text = rows[r].section('=', 1);
                bool figure = false;
                const qint64 bytes = text.toLongLong(&figure);
                sizeOf[name] = figure ? SizeCellText(bytes) : text;
                g.setCell(0, r, name);
                g.setCell(1, r, sizeOf[name]);
                g.setCell(2, r, QString::number(r + 1));
            }
            sortGrid(g, e.key, e.descending, e.trimmed);
            QVERIFY2(column(g, 0) == QString(e.order).split('|'), e.what);
            for (int r = 0; r < g.rows(); ++r) {
                QVERIFY2(g.cell(1, r) == sizeOf.value(g.cell(0, r)), e.what);
                QVERIFY2(g.cell(2, r) == QString::number(r + 1), e.what);
            }
        }
    }

    // Esc let through by the hook at any of its runs stops the sort before the next pass: the
    // rows are then as the selection sort leaves them after the passes before. The hook runs for
    // each key read (the request then comes before the first pass) and before each pass.
    void escFromTheHookStopsTheSortAtAnyPoint() {
        QRandomGenerator random(3);
        GridRows original(3);
        const int n = 40;
        fillTieHeavy(original, n, random);
        for (int key : {0, 1, 3})
            for (bool descending : {false, true}) {
                const QByteArray what = caseName(0, key, descending);
                QList<QStringList> after; // after[p]: the passes before p done
                for (int p = 0; p <= n; ++p)
                    after << literallySorted(original, key, descending, false, p);
                int runs = 0;
                sortGrid(*copyOf(original), key, descending, false, nullptr, [&] { ++runs; });
                int last = 0, beforeTheFirstPass = 0;
                QSet<int> reached;
                for (int k = 0; k <= runs; ++k) {
                    const auto g = copyOf(original);
                    Job job;
                    JobOutcome outcome = JobOutcome::Done;
                    {
                        Job::Run run(job);
                        int calls = 0;
                        if (k == 0)
                            job.requestCancel();
                        outcome = sortGrid(*g, key, descending, false, &job, [&] {
                            if (++calls == k)
                                job.requestCancel();
                        });
                    }
                    QVERIFY2(!job.busy() && !job.cancelRequested(), what);
                    const int p = int(after.indexOf(contents(*g)));
                    QVERIFY2(p >= 0, what + " at run " + QByteArray::number(k));
                    if (outcome == JobOutcome::Done)
                        QVERIFY2(contents(*g) == after[n], what);
                    QVERIFY2(p >= last, what); // a later Esc never stops earlier
                    last = p;
                    reached << p;
                    beforeTheFirstPass += p == 0;
                }
                QVERIFY2(beforeTheFirstPass > n, what);
                for (int p = 0; p < n - 1; ++p) // passes that change nothing look alike
                    QVERIFY2(reached.contains(int(after.indexOf(after[p]))),
                             what + " pass " + QByteArray::number(p));
            }
    }

    void anErrorFromTheHookLeavesTheGridWholeAndTheJobIdle() {
        QRandomGenerator random(5);
        GridRows g(3);
        fillTieHeavy(g, 30, random);
        const QStringList before = contents(g);
        Job job;
        QVERIFY_THROWS_EXCEPTION(VokError, [&] {
            Job::Run run(job);
            sortGrid(g, SortByColumn0, false, false, &job,
                     [] { throw VokError("Cannot load USER.EXE"); });
        }());
        QVERIFY(!job.busy());
        QCOMPARE(contents(g), before);
    }

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
                const std::set<std::uint32_t> distinct(ranks.begin(), ranks.end());
                QCOMPARE(*distinct.rbegin() + 1, std::uint32_t(distinct.size())); // dense
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

QTEST_MAIN(GridSortTest)
#include "grid_sort_test.moc"
