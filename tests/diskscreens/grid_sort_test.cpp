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

QString size(int bytes) {
    return QString::number(bytes).rightJustified(12, QChar(' '));
}

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
            for (int key = 0; key <= 4; ++key) {
                for (bool descending : {false, true}) {
                    const QByteArray what = QString("round %1 n %2 key %3 descending %4")
                                                .arg(round)
                                                .arg(n)
                                                .arg(key)
                                                .arg(descending)
                                                .toUtf8();
                    GridRows expected(3), dir(3), search(3);
                    copyInto(expected, original);
                    literalSort(expected, expected.rows(), key, descending, true);
                    copyInto(dir, original);
                    SortGrid(dir, SortKey(key), descending);
                    QVERIFY2(contents(dir) == contents(expected), what);

                    copyInto(expected, original);
                    literalSort(expected, expected.rows(), key, descending, false);
                    copyInto(search, original);
                    const Job job;
                    QVERIFY(SortSearchGrid(search, SortKey(key), descending, job) ==
                            JobOutcome::Done);
                    QVERIFY2(contents(search) == contents(expected), what);
                }
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
            // The same texts, each path a stored head up to its last "/" and the rest.
            const auto joinedCopy = [&](GridRows& joined) {
                joined.setRows(1);
                for (int c = 0; c < 3; ++c)
                    joined.setCell(c, 0, plain.cell(c, 0));
                for (int r = 1; r < n; ++r) {
                    const QByteArray path = plain.cell(0, r).toUtf8();
                    const qsizetype slash = path.lastIndexOf('/');
                    const GridRows::Head head = joined.addHead(path.first(slash + 1));
                    joined.appendRow(head, {QByteArrayView(path).sliced(slash + 1),
                                            plain.cell(1, r).toUtf8(), plain.cell(2, r).toUtf8()});
                }
            };
            for (int key = 0; key <= 4; ++key) {
                for (bool descending : {false, true}) {
                    const QByteArray what = QString("round %1 key %2 descending %3")
                                                .arg(round)
                                                .arg(key)
                                                .arg(descending)
                                                .toUtf8();
                    GridRows expected(3), joined(3);
                    copyInto(expected, plain);
                    literalSort(expected, expected.rows(), key, descending, false);
                    joinedCopy(joined);
                    QVERIFY2(contents(joined) == contents(plain), what);
                    const Job job;
                    QVERIFY(SortSearchGrid(joined, SortKey(key), descending, job) ==
                            JobOutcome::Done);
                    QVERIFY2(contents(joined) == contents(expected), what);
                }
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
            for (int key : {0, 1})
                for (bool descending : {false, true}) {
                    GridRows expected(2), tree(2);
                    copyInto(expected, original);
                    literalSort(expected, std::min(count, expected.rows()), key, descending, false);
                    copyInto(tree, original);
                    SortTreeGrid(tree, count, SortKey(key), descending);
                    QCOMPARE(contents(tree), contents(expected));
                }
            GridRows tree(2);
            copyInto(tree, original);
            SortTreeGrid(tree, count, SortByExtension, false);
            QCOMPARE(contents(tree), contents(original));
        }
    }

    void sizesCompareAsRightAlignedText() {
        GridRows g(3);
        fillGrid(g, {{"a", size(5)}, {"b", size(1000)}, {"c", size(300)}});
        SortGrid(g, SortByColumn1, true);
        QCOMPARE(column(g, 1), (QStringList{size(1000), size(300), size(5)}));
        QCOMPARE(column(g, 0), (QStringList{"b", "c", "a"}));
        QCOMPARE(column(g, 2), (QStringList{"1", "2", "3"})); // positions stay put
    }

    void sizesOfATerabyteAndMoreSortByTheirFigures() {
        const qint64 tb = 1000000000000;
        GridRows g(3);
        fillGrid(g, {{"small", SizeCellText(5)},
                     {"big", SizeCellText(tb)},
                     {"blank", " "},
                     {"just below", SizeCellText(tb - 1)},
                     {"huge", SizeCellText(100 * tb)}});
        SortGrid(g, SortByColumn1, true);
        QCOMPARE(column(g, 0), (QStringList{"huge", "big", "just below", "small", "blank"}));
        const Job job;
        SortSearchGrid(g, SortByColumn1, false, job);
        QCOMPARE(column(g, 0), (QStringList{"blank", "small", "just below", "big", "huge"}));
        // Equal figures still tie as the selection sort has them: the last met first.
        GridRows t(2);
        fillGrid(t, {{"first", SizeCellText(tb)}, {"second", SizeCellText(tb)}});
        SortTreeGrid(t, 2, SortByColumn1, false);
        QCOMPARE(column(t, 0), (QStringList{"second", "first"}));
    }

    void equalSizesAscendingPutTheLastFirst() {
        GridRows g(3);
        fillGrid(g, {{"first", size(7)}, {"second", size(7)}, {"third", size(7)}});
        SortGrid(g, SortByColumn1, false);
        QCOMPARE(column(g, 0).first(), QString("third"));
        // Descending keeps the first met first.
        GridRows d(3);
        fillGrid(d, {{"first", size(7)}, {"second", size(7)}, {"third", size(7)}});
        SortGrid(d, SortByColumn1, true);
        QCOMPARE(column(d, 0), (QStringList{"first", "second", "third"}));
    }

    void noExtensionComesFirst() {
        GridRows g(3);
        fillGrid(g, {{"x.txt", size(1)},
                     {"run.exe", size(2)},
                     {"makefile", size(3)},
                     {"go.bat", size(4)},
                     {"dir.d/readme", size(5)}});
        SortGrid(g, SortByExtension, false);
        QCOMPARE(column(g, 0),
                 (QStringList{"makefile", "dir.d/readme", "go.bat", "run.exe", "x.txt"}));
    }

    void pathAndNameUseTheSlash() {
        GridRows g(3);
        fillGrid(g, {{"/b/a.txt", size(1)}, {"/a/c.txt", size(2)}, {"/c/b", size(3)}});
        const Job job;
        SortSearchGrid(g, SortByFileName, false, job);
        QCOMPARE(column(g, 0), (QStringList{"/b/a.txt", "/c/b", "/a/c.txt"}));
        SortSearchGrid(g, SortByPath, true, job);
        QCOMPARE(column(g, 0), (QStringList{"/c/b", "/b/a.txt", "/a/c.txt"}));
    }

    void oneRowIsLeftAlone() {
        TestServices services;
        GridRows g(3);
        fillGrid(g, {{"only", size(1)}});
        const Job job;
        QVERIFY(SortSearchGrid(g, SortByColumn0, true, job) == JobOutcome::Done);
        QCOMPARE(contents(g), (QStringList{"only", size(1), "1"}));
        QVERIFY(services.dialogs.messages.isEmpty());
    }

    void cancelBeforeTheFirstPassChangesNothing() {
        TestServices services;
        GridRows g(3);
        fillGrid(g, {{"a", size(1)}, {"b", size(3)}, {"c", size(2)}});
        const QStringList before = contents(g);
        Job job;
        Job::Run run(job);
        job.requestCancel();
        QVERIFY(SortSearchGrid(g, SortByColumn1, true, job) == JobOutcome::Cancelled);
        QCOMPARE(contents(g), before);
        QVERIFY(services.dialogs.messages.isEmpty()); // the screen shows it
    }

    void deletedRowSinksWhenSortedBySizeDescending() {
        GridRows g(3);
        fillGrid(g, {{"a.txt", size(10)}, {"Deleted ", " "}, {"c.txt", size(0)}});
        SortGrid(g, SortByColumn1, true);
        QCOMPARE(column(g, 0).last(), QString("Deleted "));
        QCOMPARE(column(g, 1).last(), QString(" "));
        // Ascending by name the capital D comes before every lower-case name.
        SortGrid(g, SortByColumn0, false);
        QCOMPARE(column(g, 0).first(), QString("Deleted "));
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
