#include "controls/DirectoryListBox.h"
#include "controls/Panel.h"
#include "controls/StringGrid.h"
#include "diskscreens/SizeCellText.h"
#include "diskscreens/Unit4.h"
#include "support/AddressSpaceLimit.h"
#include "support/GridColumn.h"
#include "support/ManyFiles.h"
#include "support/TestFiles.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace vok;

namespace {

const QString kWholeDrive =
    "Doing an entire Drive may take a few minutes do you still wish to Continue?";

QStringList column(const TfmFiles& f, int c) {
    return test::column(f.StringGrid1->cells(), c);
}

void search(TfmFiles& f, const QString& dir, const QString& mask = {}) {
    f.DirectoryListBox1->setDirectory(dir);
    f.Edit1->setText(mask);
    f.Button1Click();
}

// Enough files for a walk that meets many directories; the screens' pacer is due at every step.
constexpr int kManyFiles = 100;

// The screen shown over many files, its pacer due at every step of a walk or sort.
struct Busy {
    Busy() {
        test::addManyFiles(t.directories, kManyFiles);
        f.setPacing(WorkPacer::Timing::everyStep());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
    }
    TestServices t;
    TestScreenContext context;
    TfmFiles f{t.services, context};
};

QStringList extensions(const TfmFiles& f) {
    QStringList parts;
    for (const QString& path : column(f, 0)) {
        const QString name = path.mid(path.lastIndexOf('/') + 1);
        parts << (name.contains('.') ? name.mid(name.lastIndexOf('.')) : QString());
    }
    return parts;
}

bool sizesDescend(const TfmFiles& f) {
    const QStringList sizes = column(f, 1);
    for (int r = 1; r < sizes.size(); ++r)
        if (sizes[r].trimmed().toLongLong() > sizes[r - 1].trimmed().toLongLong())
            return false;
    return true;
}

} // namespace

class FileSearchScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Real allocations failing under a limit on the address space, in a child process: the walk
    // that fills the memory, then a sort that finds no room. Each ends with the message through
    // the dialog service, which finds room to run and to read the grid, and the screen goes on.
    // The first case of all: the limit counts only growth, and memory that earlier cases freed
    // but the heap kept would let the walk finish within it.
    void searchAndSortUnderAnAddressSpaceLimit() {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("AddressSanitizer's own allocator fails, rather than reports, under this limit");
#endif
        TestServices t;
        const int many = 300000; // more than the grid's first room holds
        test::addManyFiles(t.directories, many, 50);
        struct ReadingDialogs : FakeDialogService {
            void error(const QString& text) override {
                FakeDialogService::error(text);
                // What a screen reader does meanwhile: it reads the grid's cells.
                QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(screen);
                QAccessibleTableInterface* table = grid ? grid->tableInterface() : nullptr;
                cellsToRead = table ? std::min(20, screen->model()->rowCount()) : -1;
                for (int r = 0; r < cellsToRead; ++r) {
                    QAccessibleInterface* cell = table->cellAt(r, 0);
                    cellsRead += cell && cell->text(QAccessible::Name) == screen->cell(0, r);
                }
                roomForTheMessage =
                    std::unique_ptr<char[]>(new (std::nothrow) char[4 << 20]) != nullptr;
            }
            StringGrid* screen = nullptr;
            int cellsToRead = 0, cellsRead = 0;
            bool roomForTheMessage = false;
        } dialogs;
        Services s = t.services;
        s.dialogs = &dialogs;
        TestScreenContext context;
        TfmFiles f(s, context);
        f.DirectoryListBox1->setDirectory("/big");
        dialogs.screen = f.StringGrid1;
        const int status = inChildProcess([&] {
            limitAddressSpace(48 << 20); // the grid's first room for rows, and some more
            f.Button1->click();
            const int found = f.StringGrid1->rowCount() - 1;
            qint64 bytes = 0;
            for (int r = 0; r < f.StringGrid1->rowCount(); ++r)
                bytes += f.StringGrid1->cell(1, r).trimmed().toLongLong();
            if (dialogs.errors != QStringList{"Out of memory"} || found <= 0 || found >= many)
                return 1;
            if (!dialogs.roomForTheMessage || dialogs.cellsToRead < 1 ||
                dialogs.cellsRead != dialogs.cellsToRead)
                return 2;
            if (f.Panel1->text() !=
                " Total space " + QString::number(qRound(bytes / double(kMb))) + " Mb")
                return 3;
            liftAddressSpaceLimit();
            f.Button1->click();
            if (f.StringGrid1->rowCount() != many + 1)
                return 4;
            const QStringList before = column(f, 0);
            limitAddressSpace(1 << 20);
            f.FileName1->trigger(); // the keys of 300000 rows do not fit
            liftAddressSpaceLimit();
            if (dialogs.errors.size() != 2 || dialogs.errors.last() != "Out of memory")
                return 5;
            if (column(f, 0) != before || !sizesDescend(f) || f.working())
                return 6; // the grid as it was, whole
            f.FileName1->trigger();
            return f.StringGrid1->cell(0, 1) < f.StringGrid1->cell(0, 0) ? 0 : 7;
        });
        QCOMPARE(status, 0);
    }

    void opensWithItsMenusGridAndFont() {
        TestServices t;
        TestScreenContext context;
        context.settings.FilesFont = {0x00FF00, 9, "Courier"};
        TfmFiles f(t.services, context);
        QCOMPARE(f.windowTitle(), QString("Vok Search by Filename or Extension"));
        QVERIFY(f.StringGrid1->isRightAligned(1) && !f.StringGrid1->isRightAligned(0));
        for (QAction* a :
             {f.FileName1, f.FileSize1, f.FileName2, f.FileExtension1, f.FilePath1, f.AZAscending1})
            QVERIFY2(!a->isChecked(), qPrintable(a->text()));
        QVERIFY(f.ZADescending1->isChecked());
        // Font is a command on the bar itself, not a menu.
        QVERIFY(!f.Font1->menu() && f.findChild<QMenuBar*>()->actions().contains(f.Font1));
        QVERIFY(f.Panel1->text().isEmpty() && f.Edit1->text().isEmpty());
        // The design's figures: four columns of 24-pixel rows, then a resize shares the grid's
        // width (the window's less 40) 10/17, 1/4 and 1/6 with ties to even.
        // Each row: the window's width (0: as opened), then the four columns' widths.
        const int figures[][5]{{0, 350, 100, 100, 100},
                               {570, 312, 132, 88, 100},  // 311.76, 132.5, 88.33
                               {571, 312, 133, 88, 100}}; // 312.35, 132.75, 88.5
        QCOMPARE(f.StringGrid1->font().pointSize(), 9);
        QCOMPARE(f.StringGrid1->model()->columnCount(), 4);
        QCOMPARE(f.StringGrid1->defaultRowHeight(), 24);
        for (const auto& shown : figures) {
            if (shown[0]) {
                f.show();
                QVERIFY(QTest::qWaitForWindowExposed(&f));
                f.resize(shown[0], 400);
                QTRY_COMPARE(f.StringGrid1->width(), shown[0] - 40);
            }
            for (int c = 0; c < 4; ++c)
                QCOMPARE(f.StringGrid1->colWidth(c), shown[c + 1]);
        }
        // The font dialog starts from the shared colour; its choice writes colour and size back.
        t.dialogs.fonts = {FontChoice{QFont("Arial", 14), 255}};
        f.Font1->trigger();
        QCOMPARE(t.dialogs.fontInitials.size(), 1);
        QCOMPARE(t.dialogs.fontInitials.first().color, quint32(0x00FF00));
        QCOMPARE(context.settings.FilesFont.color, quint32(255));
        QCOMPARE(context.settings.FilesFont.size, 14);
        QCOMPARE(context.settings.FilesFont.name, QString("Courier"));
        QCOMPARE(f.StringGrid1->font().pointSize(), 14);
        f.Font1->trigger(); // cancelled: nothing changes
        QCOMPARE(context.settings.FilesFont.size, 14);
    }

    void wholeDriveQuestionOnlyForARootWithAShortMask() {
        TestServices t;
        t.drives.add('D', "/home", DriveType::Fixed, kMb, 2 * kMb);
        t.directories.addFile("/data/x.sys", 3 * kMb);
        t.directories.addFile("/home/u/y", 1);
        struct Case {
            QString dir, mask;
            bool asks;
        };
        const QList<Case> cases{{"/", "", true},          {"/", "*.*", true},
                                {"/", "*.sys", false},    {"/data", "", false},
                                {"/home", "*", true},     {"/home/u", "", false},
                                {"/home", "*.txt", false}};
        TestScreenContext context;
        TfmFiles f(t.services, context);
        search(f, "/data");
        const QStringList listed = column(f, 0) + column(f, 1) + column(f, 2);
        for (const Case& c : cases) {
            t.dialogs.confirmations.clear(), t.dialogs.confirmButtons.clear();
            t.dialogs.confirmedAsInformation.clear(), t.dialogs.answers = {Answer::No};
            f.DirectoryListBox1->setDirectory(c.dir);
            f.Edit1->setText(c.mask);
            t.directories.walkedPaths.clear(); // the list's own reading is no search
            f.Button1Click();
            const QByteArray what = (c.dir + " " + c.mask).toUtf8();
            QCOMPARE(t.dialogs.confirmations, c.asks ? QStringList{kWholeDrive} : QStringList{});
            QVERIFY2(t.directories.walkedPaths.isEmpty() == c.asks, what);
            if (c.asks) { // No keeps the list, the status and the cursor
                QCOMPARE(t.dialogs.confirmButtons, QList<Buttons>{Buttons::YesNo});
                QCOMPARE(t.dialogs.confirmedAsInformation, QList<bool>{true});
                QCOMPARE(column(f, 0) + column(f, 1) + column(f, 2), listed);
                QCOMPARE(f.Panel1->text(), QString(" Total space 3 Mb"));
                QVERIFY(!QApplication::overrideCursor() && f.Button1->isEnabled());
            }
        }
        // Yes searches the whole drive.
        t.dialogs.answers = {Answer::Yes};
        f.DirectoryListBox1->setDirectory("/");
        f.Edit1->clear();
        t.directories.walkedPaths.clear();
        f.Button1Click();
        QCOMPARE(t.directories.walkedPaths, QStringList{"/"});
        QVERIFY(column(f, 0).contains("/data/x.sys"));
    }

    void searchListsFullPathsSortsByTheMenusAndTotals() {
        TestServices t;
        auto& fs = t.directories;
        fs.addFile("/docs/README.TXT", 1234);
        fs.addFile("/docs/sub/big.bin", 5000);
        fs.addFile("/docs/ spaced ", 10);
        fs.addFile("/docs/.hidden/never", 99999);
        TestScreenContext context;
        TfmFiles f(t.services, context);
        search(f, "/docs");
        QCOMPARE(column(f, 0),
                 (QStringList{"/docs/sub/big.bin", "/docs/README.TXT", "/docs/ spaced ", " "}));
        QCOMPARE(column(f, 1),
                 (QStringList{SizeCellText(5000), "        1234", SizeCellText(10), " "}));
        QCOMPARE(column(f, 2), (QStringList{"0", "1", "2", "3"}));
        QCOMPARE(column(f, 3), (QStringList{"", "", "", ""}));
        QCOMPARE(f.Panel1->text(), QString(" Total space 0 Mb"));
        QVERIFY(!f.job().busy() && !QApplication::overrideCursor());
        // With no key checked, ascending is by full path: the blank placeholder first.
        f.AZAscending1->trigger();
        QCOMPARE(column(f, 0),
                 (QStringList{" ", "/docs/ spaced ", "/docs/README.TXT", "/docs/sub/big.bin"}));
        QVERIFY(f.AZAscending1->isChecked() && !f.ZADescending1->isChecked());
        // A new search replaces the list in full, however long the last one was.
        search(f, "/docs/sub");
        QCOMPARE(column(f, 0), (QStringList{"/docs/sub/big.bin", " "}));
        QCOMPARE(column(f, 2), (QStringList{"0", "1"}));
        // The sort menus keep one check each and sort by it.
        for (const char* p : {"/s/b.txt", "/s/a/zz", "/s/c.bat", "/s/x/a.exe", "/s/d.txt"})
            t.directories.addFile(p, 100);
        f.ZADescending1->trigger();
        search(f, "/s");
        f.FilePath1->trigger();
        f.FileExtension1->trigger();
        for (QAction* a : {f.FileName1, f.FileSize1, f.FileName2, f.FilePath1})
            QVERIFY2(!a->isChecked(), qPrintable(a->text()));
        QVERIFY(f.FileExtension1->isChecked());
        QVERIFY(f.ZADescending1->isChecked()); // choosing a key leaves the order alone
        f.AZAscending1->trigger();
        QCOMPARE(extensions(f), (QStringList{"", "", ".bat", ".exe", ".txt", ".txt"}));
        QCOMPARE(column(f, 2), (QStringList{"0", "1", "2", "3", "4", "5"}));
        f.ZADescending1->trigger();
        QCOMPARE(extensions(f), (QStringList{".txt", ".txt", ".exe", ".bat", "", ""}));
        f.FileName2->trigger();
        QCOMPARE(column(f, 0).first(), QString("/s/a/zz"));
        QVERIFY(!f.FileExtension1->isChecked());
        // Totals round halves to even.
        for (const auto& [bytes, shown] : QList<QPair<qint64, QString>>{{kMb + kMb / 2, "2"},
                                                                        {2 * kMb + kMb / 2, "2"},
                                                                        {3 * kMb + kMb / 2, "4"},
                                                                        {kMb / 2, "0"}}) {
            const QString dir = "/t" + QString::number(bytes);
            t.directories.addFile(dir + "/a", bytes - 1000);
            t.directories.addFile(dir + "/b/c", 1000);
            search(f, dir);
            QCOMPARE(f.Panel1->text(), " Total space " + shown + " Mb");
        }
    }

    void escDuringTheSearchCancelsOnce() {
        Busy busy;
        auto& [t, context, f] = busy;
        QString statusMeanwhile;
        test::inputAfterEntries(t.directories, 30, &f, [&] {
            statusMeanwhile = f.Panel1->text();
            QTest::keyClick(f.StringGrid1, Qt::Key_Escape);
        });
        search(f, "/big");
        QCOMPARE(t.dialogs.messages, QStringList{"Vok File Seach Cancelled"});
        QVERIFY(statusMeanwhile.startsWith("Scanning for files. "));
        QVERIFY(statusMeanwhile.endsWith(" found"));
        const int found = f.StringGrid1->rowCount() - 1;
        QVERIFY(found > 0 && found < kManyFiles);
        // The rows found so far are sorted and totalled.
        QVERIFY(sizesDescend(f));
        qint64 sum = 0;
        for (const QString& size : column(f, 1))
            sum += size.trimmed().toLongLong();
        QCOMPARE(f.searchTotalBytes(), sum);
        QCOMPARE(f.Panel1->text(), QString(" Total space %1 Mb").arg(qRound64(double(sum) / kMb)));
        QVERIFY(!f.job().busy() && !f.job().cancelRequested());
        // The next search starts afresh and runs to its end.
        t.directories.afterEntry = {};
        t.dialogs.messages.clear();
        search(f, "/big/d3/e4");
        QVERIFY(t.dialogs.messages.isEmpty());
        QCOMPARE(f.StringGrid1->rowCount(), kManyFiles / 25 + 1);
    }

    // The sort gives the grid the focus, so that Esc pressed meanwhile reaches it.
    void escDuringTheSortCancelsIt() {
        Busy busy;
        auto& [t, context, f] = busy;
        search(f, "/big");
        QStringList before = column(f, 0);
        f.Edit1->setFocus();
        QTimer::singleShot(0, &f, [&] { QTest::keyClick(f.focusWidget(), Qt::Key_Escape); });
        f.FileName1->trigger();
        QCOMPARE(t.dialogs.messages, QStringList{"Vok File Sort has been Cancelled"});
        QStringList after = column(f, 0);
        after.sort();
        before.sort();
        QCOMPARE(after, before); // nothing lost or doubled
        QVERIFY(!f.working());
    }

    void commandsAreDisabledWhileTheSearchRuns() {
        Busy busy;
        auto& [t, context, f] = busy;
        QList<QAction*> commands{f.Sort1->menuAction(), f.SortOrder1->menuAction(), f.Font1};
        commands += f.Sort1->actions() + f.SortOrder1->actions();
        bool ran = false, anyEnabled = false, busyCursor = false;
        QTimer::singleShot(0, &f, [&] {
            ran = true;
            anyEnabled = f.Button1->isEnabled() || !f.working();
            for (QAction* a : commands)
                anyEnabled = anyEnabled || a->isEnabled();
            busyCursor = QApplication::overrideCursor() != nullptr;
            // None of these may start a second operation or pull the screen away.
            f.Button1Click();
            f.FileSize1->trigger();
            f.AZAscending1->trigger();
            f.Font1->trigger();
            f.close();
        });
        f.DirectoryListBox1->setDirectory("/big");
        t.directories.walkedPaths.clear();
        f.Button1Click();
        QVERIFY(ran && !anyEnabled && busyCursor);
        QCOMPARE(t.directories.walkedPaths, QStringList{"/big/"});
        QVERIFY(t.dialogs.fontInitials.isEmpty());
        QVERIFY(!f.FileSize1->isChecked() && f.ZADescending1->isChecked() && f.isVisible());
        QCOMPARE(f.StringGrid1->rowCount(), kManyFiles + 1);
        QVERIFY(sizesDescend(f));
        for (QAction* a : commands)
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
        QVERIFY(f.Button1->isEnabled() && !QApplication::overrideCursor());
        f.close();
        QVERIFY(!f.isVisible()); // once idle the screen closes as usual
    }

    void searchThatRunsOutOfMemoryEndsWithAMessage() {
        TestServices t;
        for (int i = 0; i < 10; ++i)
            t.directories.addFile(QString("/m/f%1").arg(i), (i + 1) * kMb);
        TestScreenContext context;
        TfmFiles f(t.services, context);
        f.DirectoryListBox1->setDirectory("/m");
        t.directories.entriesUntilOutOfMemory = 5;
        f.Button1->click();
        QCOMPARE(t.dialogs.errors, QStringList{"Out of memory"});
        // What was found before the walk stopped is listed and counted, as after a cancel.
        QCOMPARE(f.StringGrid1->rowCount(), 6);
        QCOMPARE(f.Panel1->text(), QString(" Total space 15 Mb"));
        QVERIFY(!f.working() && f.Button1->isEnabled() && f.Sort1->menuAction()->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        f.Button1->click(); // the screen and its grid are whole: the next search runs as usual
        QCOMPARE(f.StringGrid1->rowCount(), 11);
        QVERIFY(sizesDescend(f));
    }

    // A click on any cell of a row deletes the row's file, as Delete does.
    void clickOnAnyCellOfARowDeletesItsFile() {
        TestServices t;
        t.directories.addFile("/c/Keep.txt", 10);
        for (int col : {0, 1, 2})
            t.directories.addFile(QString("/c/sub/Target %1.bin").arg(col), 500 - col);
        TestScreenContext context;
        TfmFiles f(t.services, context);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        search(f, "/c");
        for (int col : {0, 1, 2}) {
            const QModelIndex cell = f.StringGrid1->model()->index(col, col);
            QTest::mouseClick(f.StringGrid1->viewport(), Qt::LeftButton, {},
                              f.StringGrid1->visualRect(cell).center());
            QCOMPARE(t.trash.moved.last(), QString("/c/sub/Target %1.bin").arg(col));
            QCOMPARE(column(f, 0)[col], QString("Deleted "));
            QCOMPARE(column(f, 1)[col], QString(" "));
            QCOMPARE(f.Panel1->text(), QString("File Sent to the recycle bin "));
            QVERIFY(f.StringGrid1->isEnabled());
        }
        // Delete on the selected file goes the way of a click.
        f.StringGrid1->setFocus();
        f.StringGrid1->setCurrentIndex(f.StringGrid1->model()->index(3, 1));
        QTest::keyClick(f.StringGrid1, Qt::Key_Delete);
        QCOMPARE(t.trash.moved.last(), QString("/c/Keep.txt"));
        QCOMPARE(column(f, 0)[3], QString("Deleted "));
        QCOMPARE(t.trash.moved.size(), 4);
    }
};

QTEST_MAIN(FileSearchScreenTest)
#include "file_search_screen_test.moc"
