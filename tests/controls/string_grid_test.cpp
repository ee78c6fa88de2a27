#include "controls/StringGrid.h"
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

using namespace vok;

namespace {
QPoint centreOf(StringGrid& g, int col, int row) {
    return g.visualRect(g.cells().index(row, col)).center();
}
bool shown(StringGrid& g, int rows) {
    g.setRowCount(rows);
    g.resize(400, 300);
    g.show();
    return QTest::qWaitForWindowExposed(&g);
}
} // namespace

class StringGridTest : public QObject {
    Q_OBJECT
private slots:
    void looksLikeAPlainGrid() {
        StringGrid g(3);
        QVERIFY(g.horizontalHeader()->isHidden());
        QVERIFY(g.verticalHeader()->isHidden());
        QVERIFY(g.showGrid());
        QCOMPARE(g.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(g.rowCount(), 1);
        g.setRowCount(0);
        QCOMPARE(g.rowCount(), 1);
        g.setColWidth(0, 160);
        g.setColWidth(1, 100);
        QCOMPARE(g.colWidth(0), 160);
        QCOMPARE(g.columnWidth(1), 100);
        g.setDefaultRowHeight(30); // above what the font needs
        g.setRowCount(3);
        QCOMPARE(g.defaultRowHeight(), 30);
        QCOMPARE(g.rowHeight(2), 30);
    }

    void rightAlignedColumnLinesFiguresUp() {
        StringGrid g(2);
        g.setColWidth(0, 60);
        g.setColWidth(1, 240);
        g.setRowCount(2);
        const QString small = QString("5").rightJustified(12, ' ');
        const QString large = QString("1234").rightJustified(12, ' ');
        g.setCell(1, 0, small);
        g.setCell(1, 1, large);
        g.setRightAligned(1);
        g.resize(340, 120);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.cell(1, 0), small); // texts stay padded
        const QImage img = g.viewport()->grab().toImage();
        // The rightmost dark pixel of each cell of column 1.
        auto inkEnd = [&](int row) {
            const QRect cell = g.visualRect(g.cells().index(row, 1)).adjusted(1, 1, -2, -2);
            int last = -1;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (qGray(img.pixel(x, y)) < 100)
                        last = qMax(last, x);
            return last;
        };
        const int right = g.visualRect(g.cells().index(0, 1)).right();
        QVERIFY(inkEnd(0) > 0 && inkEnd(1) > 0);
        QVERIFY2(qAbs(inkEnd(0) - inkEnd(1)) <= 1,
                 qPrintable(QString("%1 %2").arg(inkEnd(0)).arg(inkEnd(1))));
        QVERIFY2(right - inkEnd(0) < 16, qPrintable(QString("%1 %2").arg(right).arg(inkEnd(0))));
    }

    // Home and End go to the first and last row; Delete on a cell asks for what a click does.
    void homeEndAndDeleteKeys() {
        StringGrid g(2);
        g.setRowCount(50);
        g.resize(200, 200);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QSignalSpy deletes(&g, &StringGrid::deletePressed);
        g.setCurrentIndex(g.cells().index(20, 1));
        const struct {
            Qt::Key key;
            int row;
        } moves[] = {{Qt::Key_End, 49}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, -1}};
        for (const auto& m : moves) {
            QTest::keyClick(&g, m.key);
            if (m.row >= 0)
                QCOMPARE(g.currentIndex(), g.cells().index(m.row, 1));
        }
        QVERIFY(g.currentIndex().row() > 1 && g.currentIndex().column() == 1);
        QTest::keyClick(&g, Qt::Key_Delete);
        QCOMPARE(deletes.count(), 1);
    }

    // A figure column fits its widest figure; a sort keeps the width unless a cell changed
    // since, when the column shrinks back to the figures it holds.
    void figureColumnFollowsItsFiguresThroughSorts() {
        StringGrid g(2);
        g.setRightAligned(1);
        g.setColWidth(1, 4);
        g.setRowCount(3);
        for (int r = 0; r < 3; ++r)
            g.setCell(1, r, r == 1 ? QString("123456789012") : QString("7"));
        const int wide = g.columnWidth(1);
        QVERIFY(g.cells().reorderRows({0, 1}, {2, 1, 0}));
        QCOMPARE(g.columnWidth(1), wide);
        g.setCell(1, 1, QStringLiteral(" "));
        QCOMPARE(g.columnWidth(1), wide); // one cell alone never narrows it
        QVERIFY(g.cells().reorderRows({0, 1}, {1, 0, 2}));
        QVERIFY(g.columnWidth(1) < wide);
    }

    // The click handler reads the row the selection event stored, so the order is the contract.
    void cellIsReportedBeforeTheClick() {
        StringGrid g(2);
        QVERIFY(shown(g, 5));
        QStringList events;
        connect(&g, &StringGrid::selectCell, this,
                [&](int col, int row) { events << QString("select %1 %2").arg(col).arg(row); });
        connect(&g, &StringGrid::clicked, this, [&] { events << "click"; });
        // Clicking the cell that is already current still names it before the click.
        for (const QPoint cell : {QPoint(1, 3), QPoint(1, 3), QPoint(0, 0)}) {
            events.clear();
            QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centreOf(g, cell.x(), cell.y()));
            QCOMPARE(events,
                     (QStringList{QString("select %1 %2").arg(cell.x()).arg(cell.y()), "click"}));
        }
    }

    void arrowsMoveTheCurrentCellKeysAreReportedAndNoCellReportsNothing() {
        StringGrid g(3);
        QVERIFY(shown(g, 4));
        g.setCurrentIndex(g.cells().index(1, 1));
        QSignalSpy selected(&g, &StringGrid::selectCell);
        QSignalSpy keys(&g, &StringGrid::keyPressed);
        QTest::keyClick(&g, Qt::Key_Down);
        QCOMPARE(g.currentIndex().row(), 2);
        QTest::keyClick(&g, Qt::Key_Right);
        QCOMPARE(g.currentIndex().column(), 2);
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected.last()[0].toInt(), 2);
        QCOMPARE(selected.last()[1].toInt(), 2);
        QTest::keyClick(&g, Qt::Key_Escape);
        QCOMPARE(keys.count(), 3);
        QCOMPARE(keys.last()[0].toInt(), int(Qt::Key_Escape));
        // No cell, or a disabled grid, reports nothing.
        selected.clear();
        keys.clear();
        QSignalSpy clicked(&g, &StringGrid::clicked);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(10, 250)); // below the rows
        g.setEnabled(false);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centreOf(g, 0, 1));
        QTest::keyClick(&g, Qt::Key_Escape);
        QCOMPARE(selected.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(keys.count(), 0);
    }

    void aMillionRowsScrollToTheEnd() {
        StringGrid g(2);
        for (int r = 1; r < 1000000; ++r)
            g.cells().appendRow({QString("row %1").arg(r)});
        g.cells().flush();
        g.resize(300, 200);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.model()->rowCount(), 1000000);
        g.scrollToBottom();
        QCoreApplication::processEvents();
        const QModelIndex last = g.indexAt(QPoint(5, g.viewport()->height() - 3));
        QCOMPARE(last.row(), 999999);
        QCOMPARE(last.data().toString(), QString("row 999999"));
    }
};

QTEST_MAIN(StringGridTest)
#include "string_grid_test.moc"
