#include "controls/DirectoryListBox.h"
#include "controls/Panel.h"
#include "controls/StringGrid.h"
#include "diskscreens/ScanCells.h"
#include "diskscreens/Unit4.h"
#include "platform/linux/LinuxDirectoryReader.h"
#include "support/AddressSpaceLimit.h"
#include "support/RemoveTree.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vok;

namespace {

const QString kWholeDrive =
    "Doing an entire Drive may take a few minutes do you still wish to Continue?";
const qint64 kMb = 1048576;

QStringList column(const TfmFiles& f, int c) {
    QStringList texts;
    for (int r = 0; r < f.StringGrid1->rowCount(); ++r)
        texts << f.StringGrid1->cell(c, r);
    return texts;
}

void search(TfmFiles& f, const QString& dir, const QString& mask = {}) {
    f.DirectoryListBox1->setDirectory(dir);
    f.Edit1->setText(mask);
    f.Button1Click();
}

// Enough files that the walk runs well past its first progress hook: 300000 in 2500
// directories of two levels, none of them crowded (the fake finds a name by looking at each).
constexpr int kManyFiles = 300000;
void addManyFiles(FakeDirectoryReader& fs) {
    for (int i = 0; i < kManyFiles; ++i)
        fs.addFile(QString("/big/d%1/e%2/f%3.dat").arg(i % 50).arg(i / 50 % 50).arg(i / 2500),
                   1 + i % 977);
}

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
    void opensWithItsMenusAndGrid() {
        TestServices t;
        TestScreenContext context;
        TfmFiles f(context);
        QCOMPARE(f.windowTitle(), QString("Vok Search by Filename or Extension"));
        QCOMPARE(f.StringGrid1->model()->columnCount(), 4);
        QCOMPARE(f.StringGrid1->defaultRowHeight(), 24);
        QCOMPARE(f.StringGrid1->colWidth(0), 350);
        QCOMPARE(f.StringGrid1->colWidth(3), 100);
        QVERIFY(f.StringGrid1->isRightAligned(1) && !f.StringGrid1->isRightAligned(0));
        for (QAction* a : {f.FileName1, f.FileSize1, f.FileName2, f.FileExtension1, f.FilePath1})
            QVERIFY2(!a->isChecked(), qPrintable(a->text()));
        QVERIFY(f.ZADescending1->isChecked());
        QVERIFY(!f.AZAscending1->isChecked());
        // Font is a command on the bar itself, not a menu.
        QVERIFY(!f.Font1->menu());
        QVERIFY(f.findChild<QMenuBar*>()->actions().contains(f.Font1));
        QVERIFY(f.Panel1->text().isEmpty());
        QVERIFY(f.Edit1->text().isEmpty());
    }

    void resizeSharesTheGridWidthWithTiesToEven() {
        TestServices t;
        TestScreenContext context;
        TfmFiles f(context);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.resize(570, 400); // grid 530: 311.76, 132.5, 88.33
        QTRY_COMPARE(f.StringGrid1->width(), 530);
        QCOMPARE(f.StringGrid1->colWidth(0), 312);
        QCOMPARE(f.StringGrid1->colWidth(1), 132);
        QCOMPARE(f.StringGrid1->colWidth(2), 88);
        f.resize(571, 400); // grid 531: 312.35, 132.75, 88.5
        QTRY_COMPARE(f.StringGrid1->width(), 531);
        QCOMPARE(f.StringGrid1->colWidth(1), 133);
        QCOMPARE(f.StringGrid1->colWidth(2), 88);
        QCOMPARE(f.StringGrid1->colWidth(3), 100);
    }

    void wholeDriveQuestionOnlyForARootWithAShortMask() {
        TestServices t;
        t.drives.add('D', "/home", DriveType::Fixed, kMb, 2 * kMb);
        t.directories.addFile("/data/x.sys", 1);
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
        TfmFiles f(context);
        for (const Case& c : cases) {
            t.dialogs.confirmations.clear();
            t.dialogs.confirmButtons.clear();
            t.dialogs.confirmedAsInformation.clear();
            t.dialogs.answers = {Answer::No};
            f.DirectoryListBox1->setDirectory(c.dir);
            f.Edit1->setText(c.mask);
            t.directories.walkedPaths.clear(); // the list's own reading is no search
            f.Button1Click();
            const QByteArray what = (c.dir + " " + c.mask).toUtf8();
            QCOMPARE(t.dialogs.confirmations, c.asks ? QStringList{kWholeDrive} : QStringList{});
            if (c.asks) {
                QCOMPARE(t.dialogs.confirmButtons, QList<Buttons>{Buttons::YesNo});
                QCOMPARE(t.dialogs.confirmedAsInformation, QList<bool>{true});
            }
            QVERIFY2(t.directories.walkedPaths.isEmpty() == c.asks, what);
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

    void answeringNoKeepsListStatusAndCursor() {
        TestServices t;
        t.directories.addFile("/data/a.txt", 3 * kMb);
        TestScreenContext context;
        TfmFiles f(context);
        search(f, "/data");
        const QStringList before = column(f, 0) + column(f, 1) + column(f, 2);
        const QString status = f.Panel1->text();
        QCOMPARE(status, QString(" Total space 3 Mb"));
        t.dialogs.answers = {Answer::No};
        search(f, "/", "*.*");
        QCOMPARE(t.dialogs.confirmations.size(), 1);
        QCOMPARE(column(f, 0) + column(f, 1) + column(f, 2), before);
        QCOMPARE(f.Panel1->text(), status);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(f.Button1->isEnabled());
    }

    void searchListsFullPathsLargestFirstPlaceholderLast() {
        TestServices t;
        auto& fs = t.directories;
        fs.addFile("/docs/README.TXT", 1234);
        fs.addFile("/docs/sub/big.bin", 5000);
        fs.addFile("/docs/ spaced ", 10);
        fs.addFile("/docs/.hidden/never", 99999);
        TestScreenContext context;
        TfmFiles f(context);
        search(f, "/docs");
        QCOMPARE(column(f, 0),
                 (QStringList{"/docs/sub/big.bin", "/docs/README.TXT", "/docs/ spaced ", " "}));
        QCOMPARE(column(f, 1),
                 (QStringList{SizeCellText(5000), "        1234", SizeCellText(10), " "}));
        QCOMPARE(column(f, 2), (QStringList{"0", "1", "2", "3"}));
        QCOMPARE(column(f, 3), (QStringList{"", "", "", ""}));
        QCOMPARE(f.Panel1->text(), QString(" Total space 0 Mb"));
        QVERIFY(!f.job().busy());
        QVERIFY(!QApplication::overrideCursor());
        // With no key checked, ascending is by full path: the blank placeholder first.
        f.AZAscending1->trigger();
        QCOMPARE(column(f, 0),
                 (QStringList{" ", "/docs/ spaced ", "/docs/README.TXT", "/docs/sub/big.bin"}));
        QVERIFY(f.AZAscending1->isChecked());
        QVERIFY(!f.ZADescending1->isChecked());
        // A new search replaces the list in full, however long the last one was.
        search(f, "/docs/sub");
        QCOMPARE(column(f, 0), (QStringList{"/docs/sub/big.bin", " "}));
        QCOMPARE(column(f, 2), (QStringList{"0", "1"}));
    }

    void totalsRoundHalvesToEven() {
        for (const auto& [bytes, shown] : QList<QPair<qint64, QString>>{{kMb + kMb / 2, "2"},
                                                                        {2 * kMb + kMb / 2, "2"},
                                                                        {3 * kMb + kMb / 2, "4"},
                                                                        {kMb / 2, "0"}}) {
            TestServices t;
            t.directories.addFile("/t/a", bytes - 1000);
            t.directories.addFile("/t/b/c", 1000);
            TestScreenContext context;
            TfmFiles f(context);
            search(f, "/t");
            QCOMPARE(f.Panel1->text(), " Total space " + shown + " Mb");
        }
    }

    void sortMenusKeepOneCheckAndSortByIt() {
        TestServices t;
        for (const char* p : {"/s/b.txt", "/s/a/zz", "/s/c.bat", "/s/x/a.exe", "/s/d.txt"})
            t.directories.addFile(p, 100);
        TestScreenContext context;
        TfmFiles f(context);
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
    }

    void escDuringTheSearchCancelsOnce() {
        TestServices t;
        addManyFiles(t.directories);
        TestScreenContext context;
        TfmFiles f(context);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        bool pressed = false;
        QString statusMeanwhile;
        // Runs in the first moment the walk lets input through.
        QTimer::singleShot(0, &f, [&] {
            pressed = true;
            statusMeanwhile = f.Panel1->text();
            QTest::keyClick(f.StringGrid1, Qt::Key_Escape);
        });
        search(f, "/big");
        if (!pressed)
            QSKIP("this machine walks too fast for the progress hook to be due");
        QCOMPARE(t.dialogs.messages, QStringList{"Vok File Seach Cancelled"});
        QVERIFY(statusMeanwhile.startsWith("Scanning for files. "));
        QVERIFY(statusMeanwhile.endsWith(" found"));
        const int found = f.StringGrid1->rowCount() - 1;
        QVERIFY(found > 0 && found < kManyFiles);
        // The rows found so far are sorted and totalled.
        QVERIFY(sizesDescend(f));
        qint64 sum = 0;
        for (const QString& s : column(f, 1))
            sum += s.trimmed().toLongLong();
        QCOMPARE(f.SearchTotalBytes, sum);
        QCOMPARE(f.Panel1->text(), QString(" Total space %1 Mb").arg(qRound64(double(sum) / kMb)));
        QVERIFY(!f.job().busy() && !f.job().cancelRequested());
        // The next search starts afresh and runs to its end.
        t.dialogs.messages.clear();
        search(f, "/big/d3/e4");
        QVERIFY(t.dialogs.messages.isEmpty());
        QCOMPARE(f.StringGrid1->rowCount(), kManyFiles / 2500 + 1);
    }

    void commandsAreDisabledWhileTheSearchRuns() {
        TestServices t;
        addManyFiles(t.directories);
        TestScreenContext context;
        TfmFiles f(context);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
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
        if (!ran)
            QSKIP("this machine walks too fast for the progress hook to be due");
        QVERIFY(!anyEnabled);
        QVERIFY(busyCursor);
        QCOMPARE(t.directories.walkedPaths, QStringList{"/big/"});
        QVERIFY(t.dialogs.fontInitials.isEmpty());
        QVERIFY(!f.FileSize1->isChecked() && f.ZADescending1->isChecked());
        QVERIFY(f.isVisible());
        QCOMPARE(f.StringGrid1->rowCount(), kManyFiles + 1);
        QVERIFY(sizesDescend(f));
        for (QAction* a : commands)
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
        QVERIFY(f.Button1->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        f.close();
        QVERIFY(!f.isVisible()); // once idle the screen closes as usual
    }

    void searchThatRunsOutOfMemoryEndsWithAMessage() {
        TestServices t;
        for (int i = 0; i < 10; ++i)
            t.directories.addFile(QString("/m/f%1").arg(i), (i + 1) * kMb);
        TestScreenContext context;
        TfmFiles f(context);
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

    // Real allocations failing under a limit on the address space, in a child process: the walk
    // that fills the memory, then a sort that finds no room. Each ends with the message through
    // the dialog service, which finds room to run and to read the grid, and the screen goes on.
    void searchAndSortUnderAnAddressSpaceLimit() {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("AddressSanitizer's own allocator fails, rather than reports, under this limit");
#endif
        TestServices t;
        addManyFiles(t.directories);
        TestScreenContext context;
        TfmFiles f(context);
        f.DirectoryListBox1->setDirectory("/big");
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
        dialogs.screen = f.StringGrid1;
        Services s = services();
        s.dialogs = &dialogs;
        ScopedServices scope(s);
        const int status = inChildProcess([&] {
            limitAddressSpace(48 << 20); // the grid's first room for rows, and some more
            f.Button1->click();
            const int found = f.StringGrid1->rowCount() - 1;
            qint64 bytes = 0;
            for (int r = 0; r < f.StringGrid1->rowCount(); ++r)
                bytes += f.StringGrid1->cell(1, r).trimmed().toLongLong();
            if (dialogs.errors != QStringList{"Out of memory"} || found <= 0 || found >= kManyFiles)
                return 1;
            if (!dialogs.roomForTheMessage || dialogs.cellsToRead < 1 ||
                dialogs.cellsRead != dialogs.cellsToRead)
                return 2;
            if (f.Panel1->text() !=
                " Total space " + QString::number(qRound(bytes / double(kMb))) + " Mb")
                return 3;
            liftAddressSpaceLimit();
            f.Button1->click();
            if (f.StringGrid1->rowCount() != kManyFiles + 1)
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

    void clickOnAnyCellOfARowDeletesItsFile() {
        for (int col : {0, 1, 2}) {
            TestServices t;
            t.directories.addFile("/c/Keep.txt", 10);
            t.directories.addFile("/c/sub/Target File.bin", 500);
            TestScreenContext context;
            TfmFiles f(context);
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            search(f, "/c");
            const QModelIndex cell = f.StringGrid1->model()->index(0, col);
            QTest::mouseClick(f.StringGrid1->viewport(), Qt::LeftButton, {},
                              f.StringGrid1->visualRect(cell).center());
            QCOMPARE(t.trash.moved, QStringList{"/c/sub/Target File.bin"});
            QCOMPARE(column(f, 0).first(), QString("Deleted "));
            QCOMPARE(column(f, 1).first(), QString(" "));
            QCOMPARE(f.Panel1->text(), QString("File Sent to the recycle bin "));
            QVERIFY(f.StringGrid1->isEnabled());
        }
    }

    void fontWritesColourAndSizeBack() {
        TestServices t;
        TestScreenContext context;
        context.settings.FilesFont = {0x00FF00, 9, "Courier"};
        TfmFiles f(context);
        QCOMPARE(f.StringGrid1->font().pointSize(), 9);
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

    // The whole search against the real file system, checked with find(1).
    void realTreeMatchesFind() {
        TestServices t;
        LinuxDirectoryReader reader;
        Services real = services();
        real.directories = &reader;
        ScopedServices scope(real);
        QTemporaryDir tmp;
        const QString base = tmp.path();
        auto write = [&](const QString& rel, qint64 size) {
            QDir(base).mkpath(QFileInfo(rel).path());
            QFile file(base + "/" + rel);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
        };
        write("Upper.TXT", 10);
        write(" lead and trail ", 1536 * 1024);
        write("sub/deeper/\u00fc.dat", 2000);
        write("sub/.hidden_file", 7);
        write(".hidden_dir/secret", 99);
        write("empty", 0);
        write("sub/same1", 4096);
        write("sub/deeper/same2", 4096);
        write("big.sparse", 3LL * 1024 * kMb); // past 32 bits
        QVERIFY(QFile::link("Upper.TXT", base + "/link"));

        TestScreenContext context;
        TfmFiles f(context);
        search(f, base, "*.*");

        QProcess find;
        find.start("find", {base, "-type", "d", "-name", ".*", "-prune", "-o", "!", "-type", "d",
                            "-printf", "%s %p\\n"});
        QVERIFY(find.waitForFinished(30000));
        QCOMPARE(find.exitCode(), 0);
        QStringList expected = QString::fromUtf8(find.readAllStandardOutput()).split('\n');
        expected.removeAll(QString());
        qint64 sum = 0;
        for (const QString& line : expected)
            sum += line.section(' ', 0, 0).toLongLong();

        QStringList listed;
        for (int r = 0; r + 1 < f.StringGrid1->rowCount(); ++r)
            listed << f.StringGrid1->cell(1, r).trimmed() + ' ' + f.StringGrid1->cell(0, r);
        QCOMPARE(f.StringGrid1->cell(0, f.StringGrid1->rowCount() - 1), QString(" "));
        QVERIFY(sizesDescend(f));
        QCOMPARE(listed.first(), "3221225472 " + base + "/big.sparse");
        QCOMPARE(listed.size(), expected.size());
        std::sort(listed.begin(), listed.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(listed, expected);
        QCOMPARE(f.SearchTotalBytes, sum);
        QCOMPARE(f.Panel1->text(), QString(" Total space %1 Mb").arg(qRound64(double(sum) / kMb)));
        QVERIFY(removeTree(base));
    }
};

QTEST_MAIN(FileSearchScreenTest)
#include "file_search_screen_test.moc"
