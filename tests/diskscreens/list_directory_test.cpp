#include "controls/GridRows.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/ScanCells.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

namespace {

QStringList column(const GridRows& g, int c) {
    QStringList out;
    for (int r = 0; r < g.rows(); ++r)
        out << g.cell(c, r);
    return out;
}

} // namespace

class ListDirectoryTest : public QObject {
    Q_OBJECT
private slots:
    void sizeCells() {
        QCOMPARE(SizeCellText(1234), QString(8, ' ') + "1234");
        QCOMPARE(SizeCellText(0), QString(11, ' ') + "0");
        QCOMPARE(SizeCellText(999'999'999'999), QString("999999999999"));
        QCOMPARE(SizeCellText(5'000'000'000'000), QString("5000000000000")); // grows, not cut
        QCOMPARE(SizeCellText(5'000'000'000), QString("  5000000000"));      // no 32-bit wrap
    }
    void driveRootListedWithoutDoubledSeparator() {
        TestServices t;
        t.directories.addFile("/only.txt", 10);
        GridRows grid(3);
        ScanState s;
        QString caption;
        ListDirectory(s, grid, "/", ListingVariant::DirectorySpace, {},
                      [&](const QString& c) { caption = c; });
        QCOMPARE(t.directories.walkedPaths, QStringList{"/"});
        QCOMPARE(caption, QString("Directory /"));
        QCOMPARE(s.LastListedDir, QString("/"));
        // One file alone is listed as a row of its own.
        QCOMPARE(grid.rows(), 1);
        QCOMPARE(s.ScanFileCount, 1);
        QCOMPARE(s.ScanByteTotal, 10);
        QCOMPARE(grid.cell(0, 0) + grid.cell(1, 0) + grid.cell(2, 0),
                 "only.txt" + SizeCellText(10) + "1");
        ListDirectory(s, grid, "/home", ListingVariant::DirectorySpace);
        QCOMPARE(t.directories.walkedPaths.last(), QString("/home/"));
    }
    void namesKeptExactlyHiddenFilesListedDirectoriesNot() {
        TestServices t;
        qint64 bytes = 0;
        for (const char* name : {"README.TXT", "readme.txt", " padded name ", ".hidden"})
            t.directories.addFile(QString("/d/") + name, ++bytes);
        t.directories.addFile("/d/dev", 5, AttrSystem);
        t.directories.addDirectory("/d/subdir");
        t.directories.addFile("/d/subdir/inner", 6);
        GridRows grid(3);
        ScanState s;
        ListDirectory(s, grid, "/d", ListingVariant::DirectorySpace, {SortByColumn0, false});
        QCOMPARE(column(grid, 0),
                 QStringList({" padded name ", ".hidden", "README.TXT", "dev", "readme.txt"}));
        QCOMPARE(s.ScanByteTotal, 15);
    }
    void countsAndTotalsExactWhenListedTwice() {
        TestServices t;
        const qint64 sizes[] = {1, 4'294'967'296LL, 3'000'000'000LL, 0, 12345};
        qint64 sum = 0;
        for (int i = 0; i < 5; ++i) {
            t.directories.addFile(QString("/five/f%1").arg(i), sizes[i]);
            sum += sizes[i];
        }
        GridRows grid(3);
        grid.setRows(7); // stale rows from a longer listing go
        grid.setCell(0, 6, "stale");
        ScanState s;
        for (int round = 0; round < 2; ++round) {
            ListDirectory(s, grid, "/five", ListingVariant::DirectorySpace);
            QCOMPARE(s.ScanFileCount, 5);
            QCOMPARE(s.ScanByteTotal, sum);
            QCOMPARE(grid.rows(), 5);
        }
        // The first sort is by size, largest first; positions still count from the top.
        QCOMPARE(column(grid, 0), QStringList({"f1", "f2", "f4", "f0", "f3"}));
        QCOMPARE(column(grid, 1), QStringList({SizeCellText(sizes[1]), SizeCellText(sizes[2]),
                                               SizeCellText(sizes[4]), SizeCellText(sizes[0]),
                                               SizeCellText(sizes[3])}));
        QCOMPARE(column(grid, 2), QStringList({"1", "2", "3", "4", "5"}));
    }
    void emptyDirectoryLeavesBlankRows() {
        for (auto variant : {ListingVariant::DirectorySpace, ListingVariant::DirectoryTree}) {
            TestServices t;
            for (int i = 0; i < 4; ++i)
                t.directories.addFile(QString("/full/f%1").arg(i), i + 1);
            t.directories.addDirectory("/empty");
            GridRows grid(variant == ListingVariant::DirectorySpace ? 3 : 2);
            ScanState s;
            ListDirectory(s, grid, "/full", variant);
            ListDirectory(s, grid, "/empty", variant);
            QCOMPARE(grid.rows(), 4);
            for (int c = 0; c < grid.columns(); ++c)
                QCOMPARE(column(grid, c), QStringList(4, " "));
            QCOMPARE(s.ScanFileCount, 0);
            QCOMPARE(s.ScanByteTotal, 0);
            QCOMPARE(s.LastListedDir, QString("/empty"));
        }
    }
    void treeVariantSortsBySizeDescending() {
        TestServices t;
        t.directories.addFile("/t/small", 5);
        t.directories.addFile("/t/large", 1000);
        t.directories.addFile("/t/mid", 300);
        GridRows grid(2);
        ScanState s;
        ListDirectory(s, grid, "/t", ListingVariant::DirectoryTree, {SortByColumn0, false});
        QCOMPARE(column(grid, 0), QStringList({"large", "mid", "small"}));
        QCOMPARE(column(grid, 1),
                 QStringList({SizeCellText(1000), SizeCellText(300), SizeCellText(5)}));
    }
    void missingDirectoryGivesEmptyListing() {
        TestServices t;
        GridRows grid(3);
        ScanState s;
        s.ScanFileCount = 9;
        QString caption;
        ListDirectory(s, grid, "/nowhere", ListingVariant::DirectorySpace, {},
                      [&](const QString& c) { caption = c; });
        QCOMPARE(s.ScanFileCount, 0);
        QCOMPARE(caption, QString("Directory /nowhere"));
    }
};

QTEST_MAIN(ListDirectoryTest)
#include "list_directory_test.moc"
