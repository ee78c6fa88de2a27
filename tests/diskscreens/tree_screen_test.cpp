#include "controls/DirectoryListBox.h"
#include "controls/DriveInfo.h"
#include "controls/Panel.h"
#include "controls/StringGrid.h"
#include "diskscreens/TreeNodes.h"
#include "diskscreens/unfiletest.h"
#include "support/ManyFiles.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace vok;

namespace {

constexpr qint64 kMb = 1048576;

// Every node's text in display order, children indented by two blanks a level.
QStringList nodeTexts(const QTreeWidget* tree) {
    QStringList texts;
    std::function<void(const QTreeWidgetItem*, int)> visit = [&](const QTreeWidgetItem* n,
                                                                 int level) {
        texts << QString(level * 2, ' ') + n->text(0);
        for (int i = 0; i < n->childCount(); ++i)
            visit(n->child(i), level + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        visit(tree->topLevelItem(i), 0);
    return texts;
}

QTreeWidgetItem* childNamed(QTreeWidget* tree, const QString& dir) {
    const QTreeWidgetItem* top = tree->topLevelItem(0);
    for (int i = 0; top && i < top->childCount(); ++i)
        if (top->child(i)->text(0).endsWith(" Mb " + dir))
            return top->child(i);
    return nullptr;
}

void execute(TfmTree& f, const QString& dir) {
    f.DirectoryListBox1->setDirectory(dir);
    f.Button1Click();
}

// The tree screen on the fake services.
struct Tree {
    TestServices t;
    TestScreenContext context;
    TfmTree f{t.services, context};
};

} // namespace

class TreeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void nodeTextsAndTheLevelRule() {
        QCOMPARE(TreeFigureText(3 * kMb), QString("     3 Mb "));
        QCOMPARE(TreeFigureText(kMb / 2), QString("     0 Mb ")); // half: to the even 0
        QCOMPARE(TreeFigureText(kMb * 3 / 2), QString("     2 Mb "));
        QCOMPARE(TreeFigureText(1234567 * kMb), QString("1234567 Mb ")); // not cut
        QCOMPARE(NodeDirectory("     3 Mb /data/"), QString("/data"));
        QCOMPARE(NodeDirectory("/data/"), QString("/data"));
        QCOMPARE(NodeDirectory("    12 Mb /"), QString("/"));
        QCOMPARE(NodeDirectory("     1 Mb /a b/x Mb y:z/"), QString("/a b/x Mb y:z"));
        QCOMPARE(NodeDirectory("    12 Mb "), QString());
        QCOMPARE(NodeDirectory("c:\\windows\\"), QString());
        QTreeWidget tree;
        AddTreeNode(&tree, 2, "first");  // empty tree: a top-level node
        AddTreeNode(&tree, 2, "a");      // child of it
        AddTreeNode(&tree, 3, "a1");     // child of "a"
        AddTreeNode(&tree, 2, "b");      // back up to the top-level ancestor
        AddTreeNode(&tree, 1, "second"); // level 1: always top level
        AddTreeNode(&tree, 2, "c");
        QCOMPARE(nodeTexts(&tree), (QStringList{"first", "  a", "    a1", "  b", "second", "  c"}));
    }

    // A start without files of its own, directories under half a megabyte, an empty tree; then
    // the example directory: three files of 1 Mb, and a subdirectory with one of 2 Mb; each
    // node sums its directory's own files. Names with blanks, " Mb " and ":" lead to the right
    // directory when selected.
    void nodesSumEachDirectoryOnItsOwnSmallOnesAndEmptyTrees() {
        Tree tree;
        auto& f = tree.f;
        tree.t.directories.addFile("/s/sub/tiny.txt", kMb / 2 - 1);
        tree.t.directories.addFile("/s/sub/deeper/half.txt", kMb / 2);
        tree.t.directories.addDirectory("/s/nothing/here");
        execute(f, "/s");
        QCOMPARE(nodeTexts(f.TreeView1),
                 (QStringList{"/s/sub/", "       0 Mb /s/sub/", "       0 Mb /s/sub/deeper/"}));
        QCOMPARE(f.treeDirCount(), 2);
        QCOMPARE(f.treeGrandTotal(), kMb - 1);
        QCOMPARE(f.Panel1->text(), QString(" Total space 1 Mb, Number of Files = 2"));
        execute(f, "/s/nothing");
        QCOMPARE(f.TreeView1->topLevelItemCount(), 0);
        QCOMPARE(f.Panel1->text(), QString(" Total space 0 Mb, Number of Files = 0"));
        // Execute removed every node: no selection is left, nothing is listed.
        QVERIFY(f.StringGrid1->isHidden());
        const QString data = "/tmp/da ta: 7 Mb x";
        tree.t.directories.addFile(data + "/old/big.dat", 2 * kMb);
        for (const char* name : {"a.dat", "b.dat", "c.dat"})
            tree.t.directories.addFile(data + "/" + name, kMb);
        execute(f, data);
        const QStringList expected{data + "/", "       3 Mb " + data + "/",
                                   "       2 Mb " + data + "/old/"};
        QCOMPARE(nodeTexts(f.TreeView1), expected);
        QCOMPARE(f.Panel1->text(), QString(" Total space 5 Mb, Number of Files = 4"));
        QCOMPARE(f.treeDirCount(), 2);
        QCOMPARE(f.treeGrandTotal(), 5 * kMb);
        QVERIFY(!f.TreeView1->isHidden() && f.TreeView1->topLevelItem(0)->isExpanded());
        // The same directory again: the same tree.
        f.Button1Click();
        QCOMPARE(nodeTexts(f.TreeView1), expected);
        QCOMPARE(f.Panel1->text(), QString(" Total space 5 Mb, Number of Files = 4"));
        f.TreeView1->setCurrentItem(childNamed(f.TreeView1, data + "/old/"));
        QCOMPARE(f.windowTitle(), "Directory " + data + "/old");
        QCOMPARE(f.DirectoryListBox1->directory(), data + "/old");
        QCOMPARE(f.StringGrid1->cell(0, 0), QString("big.dat"));
        QCOMPARE(f.Panel1->text(), QString("2 Mb 1 Files"));
        QVERIFY(f.TreeView1->isHidden() && !f.StringGrid1->isHidden());
        QCOMPARE(f.scan().ScanByteTotal, 0);
        // The top-level node names the start directory itself.
        f.Panel1Click();
        f.TreeView1->setCurrentItem(f.TreeView1->topLevelItem(0));
        QCOMPARE(f.windowTitle(), "Directory " + data);
        QCOMPARE(f.Panel1->text(), QString("3 Mb 3 Files"));
    }

    void selectionPanelTrashSortFontAndResize() {
        Tree tree;
        auto& [t, context, f] = tree;
        t.directories.addFile("/d/one/small.txt", 10);
        t.directories.addFile("/d/one/large.txt", 3000);
        t.directories.addFile("/d/two/small.txt", 20);
        execute(f, "/d");
        f.TreeView1->setCurrentItem(childNamed(f.TreeView1, "/d/one/"));
        QCOMPARE(f.windowTitle(), QString("Directory /d/one"));
        QCOMPARE(f.StringGrid1->cell(0, 0), QString("large.txt")); // largest first
        QCOMPARE(f.StringGrid1->cell(1, 1), QString("          10"));
        QCOMPARE(f.Panel1->text(), QString("0 Mb 2 Files"));
        // The panel toggles between the grid and the tree; twice brings the grid back.
        f.Panel1Click();
        QVERIFY(!f.TreeView1->isHidden() && f.StringGrid1->isHidden());
        f.Panel1Click();
        QVERIFY(f.TreeView1->isHidden() && !f.StringGrid1->isHidden());
        // The directory list moves elsewhere; a click still names the file of the listed one.
        f.DirectoryListBox1->setDirectory("/d/two");
        emit f.StringGrid1->selectCell(1, 1);
        emit f.StringGrid1->clicked();
        QCOMPARE(t.trash.moved, QStringList{"/d/one/small.txt"});
        QCOMPARE(f.StringGrid1->cell(0, 1), QString("Deleted "));
        QCOMPARE(f.Panel1->text(), QString("File Sent to the recycle bin "));
        QVERIFY(t.directories.fileExists("/d/two/small.txt"));
        // A node whose text names no directory lists nothing and changes nothing.
        auto* odd = new QTreeWidgetItem(QStringList{"    12 Mb "});
        f.TreeView1->topLevelItem(0)->addChild(odd);
        f.TreeView1->setCurrentItem(odd);
        QCOMPARE(f.windowTitle(), QString("Directory /d/one"));
        QCOMPARE(f.DirectoryListBox1->directory(), QString("/d/two"));
        // Sort, font and resize.
        for (const char* path : {"/r/b/x", "/r/a/x", "/r/c/x"})
            t.directories.addFile(path, 2 * kMb);
        t.directories.addFile("/r/big/x", 12 * kMb);
        execute(f, "/r");
        f.Button2Click();
        // Blanks come before digits: the padded figures sort by size, then the paths.
        QCOMPARE(nodeTexts(f.TreeView1),
                 (QStringList{"/r/b/", "       2 Mb /r/a/", "       2 Mb /r/b/",
                              "       2 Mb /r/c/", "      12 Mb /r/big/"}));
        QVERIFY(f.TreeView1->topLevelItem(0)->isExpanded());
        t.dialogs.fonts << FontChoice{QFont("DejaVu Sans", 15), 255};
        f.Button3Click();
        for (QWidget* w :
             std::initializer_list<QWidget*>{f.DirectoryListBox1, f.StringGrid1, f.TreeView1}) {
            QCOMPARE(w->font().pointSize(), 15);
            QCOMPARE(w->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        f.Button3Click(); // cancelled: nothing changes
        QCOMPARE(f.TreeView1->font().pointSize(), 15);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.resize(600, 420);
        QTRY_COMPARE(f.TreeView1->size(), QSize(571, 220));
        QCOMPARE(f.Panel1->width(), 571);
        QCOMPARE(f.DirectoryListBox1->width(), 395);
        QCOMPARE(f.StringGrid1->size(), QSize(565, 220));
    }

    // Esc stops the walk: the directories met so far stay with their totals, and the panel
    // says so. Meanwhile the panel counts, Execute and Sort are disabled, and the screen stays.
    void escStopsTheWalkKeepingWhatWasFound() {
        Tree tree;
        auto& [t, context, f] = tree;
        const int many = 100;
        test::addManyFiles(t.directories, many);
        f.setPacing(WorkPacer::Timing::everyStep());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        bool commandsDisabled = false;
        QString statusMeanwhile;
        // Pressed once the walk has met 30 entries, seen when it next lets input through.
        int entries = 0;
        t.directories.afterEntry = [&] {
            if (++entries == 30)
                QTimer::singleShot(0, &f, [&] {
                    statusMeanwhile = f.Panel1->text();
                    commandsDisabled = !f.Button1->isEnabled() && !f.Button2->isEnabled();
                    f.Button1Click(); // refused: one walk at a time
                    f.close();        // refused while the walk runs
                    QTest::keyClick(f.TreeView1, Qt::Key_Escape);
                });
        };
        execute(f, "/big");
        QVERIFY(f.isVisible() && commandsDisabled);
        QVERIFY(f.Button1->isEnabled() && f.Button2->isEnabled());
        QVERIFY2(statusMeanwhile.startsWith(" Reading: "), qPrintable(statusMeanwhile));
        QVERIFY(f.scan().ScanFileCount > 0 && f.scan().ScanFileCount < many);
        QCOMPARE(f.Panel1->text(),
                 QString(" Total space %1 Mb, Number of Files = %2, stopped by Esc")
                     .arg(roundHalfEven(double(f.treeGrandTotal()) / kMb))
                     .arg(f.scan().ScanFileCount));
        // One node per directory met, the last one included.
        const QTreeWidgetItem* top = f.TreeView1->topLevelItem(0);
        QVERIFY(top);
        QCOMPARE(top->childCount(), f.treeDirCount());
        QVERIFY(f.treeDirCount() > 0 && f.treeDirCount() < 25);
        // A late Esc stops nothing: the next walk is whole.
        t.directories.afterEntry = {};
        QTest::keyClick(f.TreeView1, Qt::Key_Escape);
        QVERIFY(f.isVisible());
        t.directories.addFile("/small/x/f", 5);
        execute(f, "/small");
        QCOMPARE(f.Panel1->text(), QString(" Total space 0 Mb, Number of Files = 1"));
    }
};

QTEST_MAIN(TreeScreenTest)
#include "tree_screen_test.moc"
