#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/DriveInfo.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "controls/StringGrid.h"
#include "diskscreens/TreeNodes.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "support/GridColumn.h"
#include "support/ManyFiles.h"
#include "support/TestFiles.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QAction>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace vok;

namespace {

// The main window's picker, which the screen reads its drive from, and a directory of files.
struct DirSpace {
    explicit DirSpace(const QList<QPair<QString, qint64>>& files) {
        t.directories.addDirectory("/data");
        t.directories.addDirectory("/data/sub");
        for (const auto& f : files)
            t.directories.addFile("/data/" + f.first, f.second);
        t.drives.changeDirectory("/data");
        picker = std::make_unique<TDriveComboBox>(t.drives);
        context.picker = picker.get();
        screen = std::make_unique<TFmDir>(t.services, context);
        screen->FormActivate();
    }
    QStringList names() const { return test::column(screen->StringGrid1->cells(), 0); }
    TestServices t;
    std::unique_ptr<TDriveComboBox> picker;
    TestScreenContext context;
    std::unique_ptr<TFmDir> screen;
};

const QList<QPair<QString, qint64>> kFiles = {
    {"notes.txt", 300}, {"Makefile", 1000}, {"run.bat", 5}, {"a.exe", 700}, {"README", 40}};

// Drives with the letters given, each 100 Mb free of 400 Mb; C replaces the default one.
void addDrives(TestServices& t, const QString& letters) {
    for (QChar l : letters)
        t.drives.add(l, l == 'C' ? QString("/") : "/mnt/" + QString(l.toLower()), DriveType::Fixed,
                     100 * kMb, 400 * kMb);
}

QStringList shownCaptions(const TfmAlldisk& f) {
    QStringList captions;
    for (const TPieGraf* pie : f.PieGraf)
        if (!pie->isHidden())
            captions << pie->caption();
    return captions;
}

// Every node's text in display order, children indented by two blanks a level.
QStringList nodeTexts(QTreeWidget* tree) {
    QStringList texts;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        QString indent;
        for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
            indent += "  ";
        texts << indent + (*it)->text(0);
    }
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

class DiskSpaceScreensTest : public QObject {
    Q_OBJECT
private slots:
    void openingListsTheDriveCurrentDirectory() {
        QList<QPair<QString, qint64>> many;
        for (int i = 0; i < 40; ++i)
            many << qMakePair(QString("f%1.dat").arg(i), qint64(314572));
        DirSpace f(many); // 40 files, 12 Mb
        QCOMPARE(f.screen->windowTitle(), QString("Directory /data"));
        QCOMPARE(f.screen->Panel1->text(), QString("12 Mb 40 Files"));
        QVERIFY(f.screen->StringGrid1->isHidden() && !f.screen->DirectoryListBox1->isHidden());
        // An empty directory: nothing to show in bytes, the caption stays.
        f.screen->DirectoryListBox1->setDirectory("/data/sub");
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 0 Files"));
        f.screen->Bytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 0 Files"));
    }

    void firstListingIsLargestFirst() {
        DirSpace f(kFiles);
        QCOMPARE(f.names(), (QStringList{"Makefile", "a.exe", "notes.txt", "README", "run.bat"}));
        QVERIFY(f.screen->StringGrid1->isRightAligned(1) &&
                !f.screen->StringGrid1->isRightAligned(0));
        // The panel toggles between the list of directories and the grid.
        f.screen->Panel1Click();
        QVERIFY(!f.screen->StringGrid1->isHidden() && f.screen->DirectoryListBox1->isHidden());
        QVERIFY(f.screen->Files1->isChecked() && !f.screen->Directories1->isChecked());
        f.screen->Panel1Click();
        QVERIFY(f.screen->StringGrid1->isHidden() && !f.screen->DirectoryListBox1->isHidden());
        QVERIFY(f.screen->Directories1->isChecked());
    }

    void unitsAndActivation() {
        DirSpace f({{"x", 1000}, {"y", 536}});
        f.screen->Bytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("1536 bytes"));
        f.screen->Kilobytes1->trigger();
        QCOMPARE(f.screen->Panel1->text(), QString("2 Kb")); // 1.5 rounds to 2
        f.t.directories.addFile("/data/z", 1024);
        f.screen->FormActivate(); // coming back: Mb with the count, Kb still checked
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 3 Files"));
        QVERIFY(f.screen->Kilobytes1->isChecked() && !f.screen->Mb1->isChecked());
        f.screen->Kilobytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("2 Kb")); // 2.5 rounds to the even 2
    }

    void sortCommands() {
        DirSpace f(kFiles);
        f.screen->Ascending1Click();
        f.screen->FileExtension1Click();
        QCOMPARE(f.names(), (QStringList{"Makefile", "README", "run.bat", "a.exe", "notes.txt"}));
        QVERIFY(f.screen->FileExtension1->isChecked() && !f.screen->FileSize1->isChecked());
        f.screen->Name1Click();
        QCOMPARE(f.names(), (QStringList{"Makefile", "README", "a.exe", "notes.txt", "run.bat"}));
        const int walks = f.t.directories.walkedPaths.size();
        f.screen->ZA1Click(); // reverses without listing again
        QCOMPARE(f.names(), (QStringList{"run.bat", "notes.txt", "a.exe", "README", "Makefile"}));
        QCOMPARE(f.t.directories.walkedPaths.size(), walks);
        QCOMPARE(f.screen->StringGrid1->cell(2, 0), QString("1")); // positions stay in place
        // Sorting by size again and again keeps the total.
        for (int i = 0; i < 3; ++i)
            f.screen->FileSize1Click();
        f.screen->Bytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("2045 bytes"));
    }

    void clickTrashesTheRowsFileAndChangingDirectoryLists() {
        DirSpace f(kFiles);
        f.screen->Files1Click();
        for (int column : {1, 2}) {
            const QString name = f.screen->StringGrid1->cell(0, column);
            emit f.screen->StringGrid1->selectCell(column, column);
            emit f.screen->StringGrid1->clicked();
            QCOMPARE(f.t.trash.moved.last(), "/data/" + name);
            QCOMPARE(f.screen->StringGrid1->cell(0, column), QString("Deleted "));
            QCOMPARE(f.screen->Panel1->text(), QString("File Sent to the recycle bin "));
        }
        QCOMPARE(f.t.trash.moved.size(), 2);
        // Another directory is listed as soon as it is chosen.
        f.t.directories.addFile("/data/sub/one.txt", 10);
        f.screen->DirectoryListBox1->setDirectory("/data/sub");
        QCOMPARE(f.screen->windowTitle(), QString("Directory /data/sub"));
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 1 Files"));
        QCOMPARE(f.t.drives.workingDirectory, QString("/data/sub"));
        QCOMPARE(f.screen->StringGrid1->cell(0, 0), QString("one.txt"));
    }

    void threeDrivesAGapAndTheFreeShare() {
        TestServices t;
        addDrives(t, "CDE");
        TestScreenContext context;
        TfmAlldisk f(t.services, context);
        f.FormActivate();
        QCOMPARE(shownCaptions(f), (QStringList{"Drive C", "Drive D", "Drive E"}));
        QCOMPARE(f.height(), 130);
        QCOMPARE(f.PieGraf[1]->hint(), QString("100 Free Mb / 400 Mb Total Type is Hard drive"));
        QCOMPARE(f.PieGraf[0]->percent(), 25);
        QCOMPARE(f.windowTitle(), QString("900Mb /1200 Mb used/total"));
        t.drives.remove('D');
        t.drives.remove('E');
        addDrives(t, "F");
        t.drives.add('G', "/mnt/net", DriveType::Network, -1, -1); // does not answer
        t.drives.add('H', "/mnt/cd", DriveType::CdRom, 0, 0);      // no medium
        f.FormActivate();
        QCOMPARE(shownCaptions(f), (QStringList{"Drive C", "Drive F"}));
        QCOMPARE(f.PieGraf[1]->caption(), QString("Drive F"));
        QCOMPARE(f.PieGraf[0]->mainColor(), quint32(32768)); // the free share's colour
        // Halves to even: 12.5 % free shows 12, 37.5 % shows 38.
        for (const auto& [freeMb, shown] : {std::pair{100, 12}, std::pair{300, 38}}) {
            t.drives.add('C', "/", DriveType::Fixed, freeMb * kMb, 800 * kMb);
            f.FormActivate();
            QCOMPARE(f.PieGraf[0]->percent(), shown);
        }
    }

    void noDriveAnswersAndADriveAppears() {
        TestServices t;
        t.drives.setSpace('C', -1, -1);
        TestScreenContext context;
        TfmAlldisk f(t.services, context);
        f.FormActivate();
        QCOMPARE(shownCaptions(f), QStringList{});
        QCOMPARE(f.height(), 130);
        QCOMPARE(f.windowTitle(), QString("0Mb /0 Mb used/total"));
        // Shown again after a drive appeared: it is there, the height stays.
        addDrives(t, "D");
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_COMPARE(shownCaptions(f), QStringList{"Drive D"});
        QCOMPARE(f.height(), 130);
    }

    void slotsThirteenDrivesAndTheHeightRules() {
        TestServices t;
        addDrives(t, "CDEFGHIJKLMNO");
        TestScreenContext context;
        TfmAlldisk f(t.services, context);
        // Where the design puts the slots, before the first activation.
        QCOMPARE(f.PieGraf[0]->geometry(), QRect(24, 8, 60, 60));
        QCOMPARE(f.PieGraf[11]->pos(), QPoint(344, 80));
        QCOMPARE(f.PieGraf[12]->pos(), QPoint(344, 152)); // row 3 from the right
        QCOMPARE(f.PieGraf[17]->pos(), QPoint(24, 152));
        QCOMPARE(f.PieGraf[23]->pos(), QPoint(344, 224));
        QCOMPARE(f.PieGraf[0]->font().pixelSize(), 11);
        QCOMPARE(f.height(), 371);
        f.FormActivate();
        QCOMPARE(f.shownDrives(), 13);
        QCOMPARE(f.PieGraf[12]->caption(), QString("Drive O"));
        QVERIFY(!f.PieGraf[12]->isHidden());
        QCOMPARE(f.PieGraf[12]->pos(), QPoint(344, 152));
        QVERIFY(f.PieGraf[13]->isHidden());
        QCOMPARE(f.height(), 268);
        // 19 drives or more leave the height as it was; 18 give 355.
        addDrives(t, "PQRSTU");
        f.FormActivate();
        QCOMPARE(f.shownDrives(), 19);
        QCOMPARE(f.height(), 268);
        t.drives.remove('U');
        f.FormActivate();
        QCOMPARE(f.height(), 355);
    }

    void coloursAreSharedAndSavedTheFontIsNot() {
        TestServices t;
        addDrives(t, "CD");
        TfmVok main(t.services, QSize(640, 480));
        TfmAlldisk f(t.services, main);
        f.FormActivate();
        t.dialogs.colors << std::optional<quint32>(16711680) << std::optional<quint32>(65535);
        f.FreeSpace1Click();
        f.UsedSpace1Click();
        for (const TPieGraf* pie : f.PieGraf) {
            QCOMPARE(pie->mainColor(), quint32(16711680));
            QCOMPARE(pie->sliceColor(), quint32(65535));
        }
        f.FreeSpace1Click(); // cancelled: nothing changes
        QCOMPARE(main.display().AllColor, 16711680);
        f.FormActivate();
        QCOMPARE(f.PieGraf[1]->mainColor(), quint32(16711680));
        main.FormClose();
        QCOMPARE(t.settings.read("Settings", "AllColor"), std::optional<QString>("16711680"));
        QCOMPARE(t.settings.read("Settings", "AllSlice"), std::optional<QString>("65535"));
        t.dialogs.fonts << FontChoice{QFont("DejaVu Sans", 14), 0};
        f.TextFont1Click();
        QCOMPARE(f.PieGraf[23]->font().pointSize(), 14);
        QCOMPARE(f.PieGraf[0]->fontColor(), quint32(0));
        f.FormActivate();
        QCOMPARE(f.PieGraf[0]->font().pointSize(), 14); // kept for this run
    }

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
        test::inputAfterEntries(t.directories, 30, &f, [&] {
            statusMeanwhile = f.Panel1->text();
            commandsDisabled = !f.Button1->isEnabled() && !f.Button2->isEnabled();
            f.Button1Click(); // refused: one walk at a time
            f.close();        // refused while the walk runs
            QTest::keyClick(f.TreeView1, Qt::Key_Escape);
        });
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

QTEST_MAIN(DiskSpaceScreensTest)
#include "disk_space_screens_test.moc"
