#include "controls/GridRows.h"
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace vok;

class GridRowsTest : public QObject {
    Q_OBJECT
private slots:
    void rowsBoundsSwapAndFill() {
        GridRows g(3);
        QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(g.rows(), 1);
        QCOMPARE(g.columns(), 3);
        g.setRows(0);
        QCOMPARE(g.rows(), 1);
        g.setRows(-5);
        QCOMPARE(g.rowCount(), 1);
        g.setRows(4);
        g.setCell(2, 3, "x");
        QCOMPARE(g.cell(2, 3), QString("x"));
        QCOMPARE(g.cell(0, 3), QString()); // grown rows are blank
        g.setRows(2);
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(g.cell(2, 3), QString()); // cut away
        g.setRows(4);
        QCOMPARE(g.cell(2, 3), QString()); // and does not come back
        g.setCell(3, 0, "nope");
        g.setCell(0, 4, "nope");
        g.swapCells(0, 0, 7); // must not touch memory outside
        QCOMPARE(g.cell(3, 0), QString());
        QCOMPARE(g.cell(0, -1), QString());
        // Swapping and filling a column.
        g.setCell(0, 0, "x");
        g.setCell(0, 2, "z");
        g.swapCells(0, 0, 2);
        QCOMPARE(g.cell(0, 0), QString("z"));
        QCOMPARE(g.cell(0, 2), QString("x"));
        QCOMPARE(g.cell(1, 0), QString());
        QSignalSpy changed(&g, &QAbstractItemModel::dataChanged);
        g.fillColumn(0, " ");
        QCOMPARE(changed.count(), 1);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(g.cell(0, r), QString(" "));
    }

    void textsSurviveTheRoundTrip() {
        GridRows g(2);
        const QStringList texts{" ",
                                "",
                                "Deleted ",
                                "/home/me/Bücher/résumé.pdf",
                                "\U0001F600 emoji",
                                QString(300, QChar('x')),
                                QString(1 << 21, QChar('y'))}; // larger than a text block
        g.setRows(int(texts.size()));
        for (int r = 0; r < texts.size(); ++r)
            g.setCell(1, r, texts[r]);
        for (int r = 0; r < texts.size(); ++r) {
            QCOMPARE(g.cell(1, r), texts[r]);
            QCOMPARE(g.cellUtf8(1, r), QByteArrayView(texts[r].toUtf8()));
        }
        QCOMPARE(g.data(g.index(3, 1)).toString(), texts[3]);
        QVERIFY(!g.data(g.index(3, 1), Qt::EditRole).isValid());
        QVERIFY(!(g.flags(g.index(0, 0)) & Qt::ItemIsEditable));
    }

    void appendedRowsReachViewsInOneBatchAtFlush() {
        GridRows g(3);
        QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&g, &QAbstractItemModel::rowsInserted);
        g.setCell(0, 0, "first");
        for (int i = 0; i < 1000; ++i)
            g.appendRow({QString("row %1").arg(i), "size"}); // fewer texts than columns
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(g.rowCount(), 1);
        QCOMPARE(g.rows(), 1001);
        g.setCell(0, 500, "changed before the views know the row");
        g.flush();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted[0][1].toInt(), 1);
        QCOMPARE(inserted[0][2].toInt(), 1000);
        QCOMPARE(g.rowCount(), 1001);
        QCOMPARE(g.cell(0, 500), QString("changed before the views know the row"));
        QCOMPARE(g.cell(2, 1000), QString());
        g.flush();
        QCOMPARE(inserted.count(), 1);
        // Resizing first tells the views about unflushed rows, so counts never disagree.
        g.appendRow({"late"});
        g.setRows(3);
        QCOMPARE(g.rowCount(), 3);
    }

    void reorderMovesOnlyTheListedColumns() {
        GridRows g(3);
        QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::QtTest);
        g.setRows(4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                g.setCell(c, r, QString("%1%2").arg(QChar('a' + c)).arg(r));
        QSignalSpy changed(&g, &QAbstractItemModel::dataChanged);
        QVERIFY(g.reorderRows({0, 1}, {2, 0, 1}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(g.cell(0, 0), QString("a2"));
        QCOMPARE(g.cell(1, 0), QString("b2"));
        QCOMPARE(g.cell(0, 2), QString("a1"));
        QCOMPARE(g.cell(2, 0), QString("c0"));
        QCOMPARE(g.cell(0, 3), QString("a3")); // beyond the order
        QVERIFY(!g.reorderRows({0}, {0, 0, 1}));
        QVERIFY(!g.reorderRows({0}, {0, 1, 2, 3, 4}));
        QVERIFY(!g.reorderRows({3}, {0}));
        QCOMPARE(g.cell(0, 0), QString("a2"));
    }

    // Rewriting cells again and again must neither lose texts nor let memory grow without bound.
    void rewritesAreReclaimed() {
        GridRows g(2);
        g.setRows(1000);
        for (int round = 0; round < 60; ++round)
            for (int r = 0; r < 1000; ++r)
                g.setCell(
                    0, r,
                    QString("/some/long/directory/name/round%1/file%2.txt").arg(round).arg(r));
        for (int r = 0; r < 1000; r += 97)
            QCOMPARE(g.cell(0, r), QString("/some/long/directory/name/round59/file%1.txt").arg(r));
        QVERIFY2(g.bytesUsed() < 8u << 20, QByteArray::number(qulonglong(g.bytesUsed())));
    }

    void pinnedTextsStayWhileCellsChange() {
        GridRows g(1);
        g.setRows(2000);
        for (int r = 0; r < 2000; ++r)
            g.setCell(0, r, QString("text number %1 with some padding to fill blocks").arg(r));
        QByteArrayView seen;
        {
            GridRows::TextPin pin(g);
            seen = g.cellUtf8(0, 7);
            for (int round = 0; round < 40; ++round)
                for (int r = 0; r < 2000; ++r)
                    g.setCell(0, r,
                              QString("replacement %1 %2 and some more padding").arg(round).arg(r));
            QCOMPARE(seen, QByteArrayView("text number 7 with some padding to fill blocks"));
        }
        QCOMPARE(g.cell(0, 7), QString("replacement 39 7 and some more padding"));
    }

    void aMillionPathsFitInFewBytesARow() {
        GridRows g(3);
        const int n = 200000;
        for (int r = 1; r < n; ++r)
            g.appendRow({QString("/home/someone/documents/projects/vok/build/tests/%1/file%2.txt")
                             .arg(r % 97, 8, 10, QChar('0'))
                             .arg(r),
                         QString::number(r).rightJustified(12), QString::number(r)});
        g.flush();
        const double perRow = double(g.bytesUsed()) / n;
        QVERIFY2(perRow < 140, QByteArray::number(perRow));
        QCOMPARE(g.cell(1, 12345), QString("       12345"));
    }
};

QTEST_MAIN(GridRowsTest)
#include "grid_rows_test.moc"
