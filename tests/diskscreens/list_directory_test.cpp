#include "controls/GridRows.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/SizeCellText.h"
#include "support/GridColumn.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;
using test::column;

namespace {

void list(TestServices& t, ScanState& s, GridRows& grid, const QString& dir, ListingVariant variant,
          ListingSort first = {}, const std::function<void(const QString&)>& setCaption = {}) {
    WorkPacer pacer({});
    ListDirectory(t.directories, s, grid, dir, variant, pacer, first, setCaption);
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
    void rootListedWithoutDoubledSeparatorAMissingDirectoryEmpty() {
        TestServices t;
        t.directories.addFile("/only.txt", 10);
        GridRows grid(3);
        ScanState s;
        QString caption;
        list(t, s, grid, "/", ListingVariant::DirectorySpace, {},
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
        // A missing directory gives an empty listing under its caption.
        list(t, s, grid, "/home", ListingVariant::DirectorySpace, {},
             [&](const QString& c) { caption = c; });
        QCOMPARE(t.directories.walkedPaths.last(), QString("/home/"));
        QCOMPARE(s.ScanFileCount, 0);
        QCOMPARE(caption, QString("Directory /home"));
    }
    void countsAndTotalsExactWhenListedTwiceNamesKeptExactly() {
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
            list(t, s, grid, "/five", ListingVariant::DirectorySpace);
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
        // Names kept exactly; hidden and system files listed, directories not.
        qint64 bytes = 0;
        for (const char* name : {"README.TXT", "readme.txt", " padded name ", ".hidden"})
            t.directories.addFile(QString("/d/") + name, ++bytes);
        t.directories.addFile("/d/dev", 5, AttrSystem);
        t.directories.addDirectory("/d/subdir");
        t.directories.addFile("/d/subdir/inner", 6);
        list(t, s, grid, "/d", ListingVariant::DirectorySpace, {SortByColumn0, false});
        QCOMPARE(column(grid, 0),
                 QStringList({" padded name ", ".hidden", "README.TXT", "dev", "readme.txt"}));
        QCOMPARE(s.ScanByteTotal, 15);
    }
    // The tree's listing sorts by size, largest first, whatever first sort is asked for; a
    // directory listed after a longer one leaves its rows blank.
    void treeSortsBySizeAndAnEmptyDirectoryLeavesBlankRows() {
        for (auto variant : {ListingVariant::DirectorySpace, ListingVariant::DirectoryTree}) {
            const bool tree = variant == ListingVariant::DirectoryTree;
            TestServices t;
            for (int i = 0; i < 4; ++i)
                t.directories.addFile(QString("/full/f%1").arg(i), i + 1);
            t.directories.addDirectory("/empty");
            GridRows grid(tree ? 2 : 3);
            ScanState s;
            list(t, s, grid, "/full", variant, {SortByColumn0, false});
            QStringList names, sizes; // the sizes travel with their names
            for (int i : tree ? QList<int>{3, 2, 1, 0} : QList<int>{0, 1, 2, 3}) {
                names << QString("f%1").arg(i);
                sizes << SizeCellText(i + 1);
            }
            QCOMPARE(column(grid, 0), names);
            QCOMPARE(column(grid, 1), sizes);
            list(t, s, grid, "/empty", variant);
            QCOMPARE(grid.rows(), 4);
            for (int c = 0; c < grid.columns(); ++c)
                QCOMPARE(column(grid, c), QStringList(4, " "));
            QCOMPARE(s.ScanFileCount, 0);
            QCOMPARE(s.ScanByteTotal, 0);
            QCOMPARE(s.LastListedDir, QString("/empty"));
        }
    }
};

QTEST_MAIN(ListDirectoryTest)
#include "list_directory_test.moc"
