#include "controls/GridRows.h"
#include "controls/StringGrid.h"
#include "diskscreens/GridSort.h"
#include "diskscreens/ScanCells.h"
#include "platform/VokError.h"
#include "support/RandomGrid.h"
#include "support/TestServices.h"
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <climits>
#include <optional>

using namespace vok;

namespace {

// The sort as first written: a selection sort reading both cells afresh on every comparison.
int ordinal(const QByteArray& a, const QByteArray& b) {
    for (int i = 0; i < a.size() && i < b.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
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

void literalSort(GridRows& g, int n, int key, bool descending, bool trim,
                 int stopBefore = INT_MAX) {
    if (n < 2)
        return;
    for (int i = 0; i < n; ++i) {
        if (i == stopBefore)
            return;
        int pick = i;
        for (int j = descending ? i + 1 : i; j < n; ++j) {
            const QByteArray kj = literalKey(g, j, key, trim), kp = literalKey(g, pick, key, trim);
            const int c = key == 1 ? sizeOrder(kj, kp) : ordinal(kj, kp);
            if (descending ? c > 0 : (key <= 1 ? c <= 0 : c < 0))
                pick = j;
        }
        if (pick != i) {
            g.swapCells(0, i, pick);
            g.swapCells(1, i, pick);
        }
    }
}

QStringList contents(const GridRows& g) {
    QStringList all;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c)
            all << g.cell(c, r);
    return all;
}

void copyInto(GridRows& to, const GridRows& from) {
    to.setRows(from.rows());
    for (int r = 0; r < from.rows(); ++r)
        for (int c = 0; c < from.columns(); ++c)
            to.setCell(c, r, from.cell(c, r));
}

// The grid's contents after the literal sort of its first n rows.
QStringList literallySorted(const GridRows& from, int n, int key, bool descending, bool trim) {
    GridRows g(from.columns());
    copyInto(g, from);
    literalSort(g, n, key, descending, trim);
    return contents(g);
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
    static const QStringList sizes{"           5",
                                   "        1000",
                                   "         300",
                                   " ",
                                   "        4096",
                                   "",
                                   "   123456789",
                                   "        4096",
                                   "999999999999",
                                   "1000000000000",
                                   "1000000000001",
                                   "99999999999999",
                                   "1000000000000",
                                   "9223372036854775807",
                                   "  "};
    g.setRows(n);
    for (int r = 0; r < n; ++r) {
        g.setCell(0, r, names[int(random.bounded(qsizetype(names.size())))]);
        g.setCell(1, r, sizes[int(random.bounded(qsizetype(sizes.size())))]);
        g.setCell(2, r, QString::number(r + 1));
    }
}

void fillGrid(GridRows& g, const QList<QPair<QString, QString>>& rows) {
    g.setRows(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        g.setCell(0, r, rows[r].first);
        g.setCell(1, r, rows[r].second);
        g.setCell(2, r, QString::number(r + 1));
    }
}

enum Variant { Dir, Search, Tree };

QStringList column(const GridRows& g, int c) {
    QStringList texts;
    for (int r = 0; r < g.rows(); ++r)
        texts << g.cell(c, r);
    return texts;
}

} // namespace

class GridSortTest : public QObject {
    Q_OBJECT
private slots:
    void matchesTheSelectionSortOnRandomGrids() {
        TestServices services;
        QRandomGenerator random(20240607);
        for (int round = 0; round < 300; ++round) {
            const int n = round % 50 == 0 ? 300 : int(random.bounded(30));
            GridRows original(3);
            fillTieHeavy(original, n, random);
            for (int key = 0; key <= 4; ++key)
                for (bool descending : {false, true}) {
                    const QByteArray what = caseName(round, key, descending);
                    GridRows dir(3), search(3);
                    copyInto(dir, original);
                    SortGrid(dir, SortKey(key), descending);
                    QVERIFY2(contents(dir) == literallySorted(original, n, key, descending, true),
                             what);
                    copyInto(search, original);
                    const Job job;
                    QVERIFY2(SortSearchGrid(search, SortKey(key), descending, job) ==
                                 JobOutcome::Done,
                             what);
                    QVERIFY2(contents(search) ==
                                 literallySorted(original, n, key, descending, false),
                             what);
                }
        }
        QVERIFY(services.dialogs.messages.isEmpty());
    }

    // Rows whose paths share a stored directory sort exactly as the literal sort has them.
    void joinedPathsMatchTheSelectionSort() {
        TestServices services;
        QRandomGenerator random(20261209);
        for (int round = 0; round < 60; ++round) {
            const int n = int(random.bounded(40)) + 2;
            GridRows plain(3);
            fillTieHeavy(plain, n, random);
            for (int key = 0; key <= 4; ++key)
                for (bool descending : {false, true}) {
                    const QByteArray what = caseName(round, key, descending);
                    // The same texts, each path a stored head up to its last "/" and the rest.
                    GridRows joined(3);
                    joined.setRows(1);
                    for (int c = 0; c < 3; ++c)
                        joined.setCell(c, 0, plain.cell(c, 0));
                    for (int r = 1; r < n; ++r) {
                        const QByteArray path = plain.cell(0, r).toUtf8();
                        const qsizetype slash = path.lastIndexOf('/');
                        joined.appendRow(joined.addHead(path.first(slash + 1)),
                                         {QByteArrayView(path).sliced(slash + 1),
                                          plain.cell(1, r).toUtf8(), plain.cell(2, r).toUtf8()});
                    }
                    QVERIFY2(contents(joined) == contents(plain), what);
                    const Job job;
                    QVERIFY2(SortSearchGrid(joined, SortKey(key), descending, job) ==
                                 JobOutcome::Done,
                             what);
                    QVERIFY2(contents(joined) == literallySorted(plain, n, key, descending, false),
                             what);
                }
        }
    }

    // One pacer through ranking, the replay and the reordering: no stretch without a check
    // outlasts the interval by much, even for a million rows.
    void aLargeSortChecksForInputThroughout() {
        GridRows grid(3);
        fillRandomRows(grid, 300000, 7);
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longest = 0;
        WorkPacer pacer([&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        const Job job;
        SortSearchGrid(grid, SortByColumn1, true, job, pacer);
        longest = std::max(longest, clock.elapsed() - last);
        QVERIFY2(longest < 150, qPrintable(QString::number(longest)));
        QVERIFY(pacer.maxGapNs() >= longest * 1000000 - 1000000);
    }

    void treeVariantSortsItsFileCountOnly() {
        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            GridRows original(2);
            fillTieHeavy(original, 1 + int(random.bounded(25)), random);
            // The count may be stale and larger than the grid, as after a walk.
            const int count = int(random.bounded(original.rows() + 4));
            const int n = std::min(count, original.rows());
            for (int key : {0, 1, 3})
                for (bool descending : {false, true}) {
                    GridRows tree(2);
                    copyInto(tree, original);
                    SortTreeGrid(tree, count, SortKey(key), descending);
                    // By extension the tree grid is left alone.
                    QVERIFY2(contents(tree) ==
                                 (key == 3 ? contents(original)
                                           : literallySorted(original, n, key, descending, false)),
                             caseName(round, key, descending));
                }
        }
    }

    // Readable examples, each on a fresh grid: rows as "name=size|...", a size that is no figure
    // stands as written. Names are unique, so each size must travel with its name while
    // column 2 stays put.
    void examplesSortAsShown() {
        struct Example {
            const char* what;
            Variant variant;
            SortKey key;
            bool descending;
            const char *rows, *order;
        };
        const Example examples[]{
            {"sizes as right-aligned text", Dir, SortByColumn1, true, "a=5|b=1000|c=300", "b|c|a"},
            {"a terabyte and more by their figures", Dir, SortByColumn1, true,
             "small=5|big=1000000000000|blank= |below=999999999999|huge=100000000000000",
             "huge|big|below|small|blank"},
            {"a terabyte and more, search ascending", Search, SortByColumn1, false,
             "huge=100000000000000|big=1000000000000|below=999999999999|small=5|blank= ",
             "blank|small|below|big|huge"},
            {"tree: equal figures, the last met first", Tree, SortByColumn1, false,
             "first=1000000000000|second=1000000000000", "second|first"},
            {"equal sizes ascending put the last first", Dir, SortByColumn1, false,
             "first=7|second=7|third=7", "third|first|second"},
            {"equal sizes descending keep the first first", Dir, SortByColumn1, true,
             "first=7|second=7|third=7", "first|second|third"},
            {"no extension comes first", Dir, SortByExtension, false,
             "x.txt=1|run.exe=2|makefile=3|go.bat=4|dir.d/readme=5",
             "makefile|dir.d/readme|go.bat|run.exe|x.txt"},
            {"name after the slash", Search, SortByFileName, false, "/b/a.txt=1|/a/c.txt=2|/c/b=3",
             "/b/a.txt|/c/b|/a/c.txt"},
            {"path up to the slash", Search, SortByPath, true, "/b/a.txt=1|/c/b=3|/a/c.txt=2",
             "/c/b|/b/a.txt|/a/c.txt"},
            {"a deleted row sinks by size descending", Dir, SortByColumn1, true,
             "a.txt=10|Deleted = |c.txt=0", "a.txt|c.txt|Deleted "},
            {"capital D before lower-case names", Dir, SortByColumn0, false,
             "a.txt=10|c.txt=0|Deleted = ", "Deleted |a.txt|c.txt"},
        };
        for (const Example& e : examples) {
            QList<QPair<QString, QString>> rows;
            for (const QString& row : QString(e.rows).split('|')) {
                const QString text = row.section('=', 1);
                bool figure = false;
                const qint64 bytes = text.toLongLong(&figure);
                rows.append({row.section('=', 0, 0), figure ? SizeCellText(bytes) : text});
            }
            GridRows g(e.variant == Tree ? 2 : 3);
            fillGrid(g, rows);
            const Job job;
            if (e.variant == Dir)
                SortGrid(g, e.key, e.descending);
            else if (e.variant == Search)
                QVERIFY2(SortSearchGrid(g, e.key, e.descending, job) == JobOutcome::Done, e.what);
            else
                SortTreeGrid(g, g.rows(), e.key, e.descending);
            QVERIFY2(column(g, 0) == QString(e.order).split('|'), e.what);
            for (int r = 0; r < g.rows(); ++r) {
                const auto from = std::find_if(rows.begin(), rows.end(), [&](const auto& p) {
                    return p.first == g.cell(0, r);
                });
                QVERIFY2(g.cell(1, r) == from->second, e.what);
                if (e.variant != Tree)
                    QVERIFY2(g.cell(2, r) == QString::number(r + 1), e.what);
            }
        }
    }

    void cancelBeforeTheFirstPassChangesNothing() {
        TestServices services;
        GridRows g(3);
        fillGrid(g, {{"a", SizeCellText(1)}, {"b", SizeCellText(3)}, {"c", SizeCellText(2)}});
        const QStringList before = contents(g);
        Job job;
        Job::Run run(job);
        job.requestCancel();
        QVERIFY(SortSearchGrid(g, SortByColumn1, true, job) == JobOutcome::Cancelled);
        QCOMPARE(contents(g), before);
        QVERIFY(services.dialogs.messages.isEmpty()); // the screen shows it
    }

    void anErrorFromTheHookLeavesTheSearchNotBusy() {
        GridRows g(3);
        fillRandomRows(g, 300000, 5);
        Job job;
        bool thrown = false;
        try {
            Job::Run run(job);
            SortSearchGrid(g, SortByColumn0, false, job,
                           [] { throw VokError("Cannot load USER.EXE"); });
        } catch (const VokError&) {
            thrown = true;
        }
        if (!thrown)
            QSKIP("this machine sorts too fast for the hook to be due");
        QVERIFY(!job.busy());
        QCOMPARE(g.cell(2, 0), QString("0"));
    }

    void searchSortFocusesTheGrid() {
        StringGrid grid(3);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setRowCount(2);
        grid.setCell(0, 0, "b");
        grid.setCell(0, 1, "a");
        const Job job;
        SortSearchGrid(grid, SortByColumn0, false, job);
        QVERIFY(grid.hasFocus());
        QCOMPARE(grid.cell(0, 0), QString("a"));
    }

    // The hook lets input through while a long sort runs; an Esc it lets through cancels.
    void progressHookMayCancel() {
        TestServices services;
        GridRows g(3);
        fillRandomRows(g, 500000, 3);
        QList<QPair<QString, QString>> before;
        for (int r = 0; r < g.rows(); ++r)
            before.append({g.cell(0, r), g.cell(1, r)});
        Job job;
        int calls = 0;
        JobOutcome outcome = JobOutcome::Done;
        QElapsedTimer clock;
        clock.start();
        {
            Job::Run run(job);
            outcome = SortSearchGrid(g, SortByColumn1, true, job, [&] {
                ++calls;
                job.requestCancel();
            });
        }
        if (clock.elapsed() < 200)
            QSKIP("this machine sorts too fast for the hook to be due");
        QVERIFY(calls > 0);
        QVERIFY(outcome == JobOutcome::Cancelled);
        QVERIFY(services.dialogs.messages.isEmpty()); // the screen shows it
        QVERIFY(!job.busy());
        QVERIFY(!job.cancelRequested());
        QList<QPair<QString, QString>> after;
        for (int r = 0; r < g.rows(); ++r) {
            after.append({g.cell(0, r), g.cell(1, r)});
            QCOMPARE(g.cell(2, r), QString::number(r));
        }
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        QVERIFY(before == after); // partly sorted, nothing lost or doubled
    }
};

QTEST_MAIN(GridSortTest)
#include "grid_sort_test.moc"
