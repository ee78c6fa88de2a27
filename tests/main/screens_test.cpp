#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/HelpViewer.h"
#include "controls/Legibility.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "controls/QtDialogService.h"
#include "controls/StringGrid.h"
#include "diskscreens/UnFilever.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
#include "memscreens/UtMem.h"
#include "support/GridColumn.h"
#include "support/Screens.h"
#include "support/ShownColours.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QtTest>

using namespace vok;

namespace {

// Closes the modal screen once it is up, noting what the main window looked like meanwhile.
struct Closer {
    void arm() {
        QTimer::singleShot(0, [this] {
            QDialog* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            screen = d;
            mainHiddenMeanwhile = main && main->isHidden();
            if (d)
                d->reject();
        });
    }
    QWidget* main = nullptr;
    QDialog* screen = nullptr;
    bool mainHiddenMeanwhile = false;
};

// Triggers the command and closes what it opens, modal or not, handing each window to `visit`
// while open; gives how many it opened.
int openAndClose(QAction* command, const std::function<void(QWidget*)>& visit) {
    const QWidgetList before = QApplication::topLevelWidgets();
    int opened = 0;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++opened;
            visit(d);
            d->reject();
        }
    });
    command->trigger();
    QTest::qWait(20);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!before.contains(w) && w->isVisible()) {
            ++opened;
            visit(w);
            w->close();
        }
    return opened;
}

// Opens in turn every top-level window the user can meet: the main window, what each command
// opens, the file information window and a message box; each is handed to `visit` while open.
void visitEveryWindow(TestServices& t, const std::function<void(QWidget*)>& visit) {
    t.directories.addDirectory("/data");
    TfmVok fm(t.services, QSize(640, 480));
    fm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fm));
    visit(&fm);
    for (QAction* command : {fm.Help1, fm.WhatsRunning1, fm.MemoryMap1, fm.AllDisks1,
                             fm.DirectorySearch1, fm.DirectoryTree1, fm.FileSearch1}) {
        openAndClose(command, visit);
        QTRY_VERIFY(fm.isVisible());
    }
    TFileInfo info(t.services, fm, &fm);
    info.show();
    visit(&info);
    info.close();
    QAction done;
    QObject::connect(&done, &QAction::triggered, [] { QtDialogService().message("Done"); });
    openAndClose(&done, visit);
}

// Esc as the keyboard delivers it: to the focus window, which hands it on to its focus.
void pressEsc(QWidget* screen) {
    QTest::keyClick(screen->windowHandle(), Qt::Key_Escape);
}

QStringList treeTexts(const QTreeWidget* tree) {
    QStringList texts;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

using Command = void (TfmVok::*)();

FontChoice fontOf(quint32 colour, int points = 8) {
    return {QFont("DejaVu Sans", points), colour};
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    // Each opens modally over the hidden main window, is made at its first opening only and
    // kept; back in the main window, activation returns it to Mb and Total.
    void screensAreCreatedOnceAndShownModally() {
        TestServices t;
        t.directories.addDirectory("/data");
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        const struct {
            QAction* command;
            std::function<QDialog*()> screen;
        } screens[] = {{fm.FileSearch1, [&] { return fm.filesScreen(); }},
                       {fm.DirectorySearch1, [&] { return fm.dirScreen(); }},
                       {fm.DirectoryTree1, [&] { return fm.treeScreen(); }},
                       {fm.AllDisks1, [&] { return fm.allDisksScreen(); }}};
        Closer closer{&fm};
        for (const auto& s : screens) {
            const QByteArray name = s.command->text().toUtf8();
            fm.Kilobytes1Click();
            QVERIFY2(!s.screen(), name);
            closer.arm();
            s.command->trigger();
            QVERIFY2(closer.mainHiddenMeanwhile, name);
            QDialog* const first = s.screen();
            QVERIFY2(first && closer.screen == first, name);
            QVERIFY2(fm.isVisible(), name);
            QTRY_VERIFY2(fm.Megabytes1->isChecked(), name);
            QVERIFY2(fm.Total1->isChecked(), name);
            closer.arm();
            s.command->trigger();
            QVERIFY2(s.screen() == first && closer.screen == first, name);
        }

        // The process tree is made fresh at every opening, with the directory font of then.
        closer.arm();
        fm.MemoryMap1->trigger();
        QPointer<TFmMemTree> first = fm.memTreeScreen();
        QVERIFY(first);
        QCOMPARE(closer.screen, static_cast<QDialog*>(first));
        QVERIFY(closer.mainHiddenMeanwhile);
        QVERIFY(first->windowState() & Qt::WindowMaximized);
        QCOMPARE(first->TreeView1->font().pointSize(), 8);
        fm.display().DirFont = FontSetting{0xFF0000, 9, "Arial"};
        closer.arm();
        fm.MemoryMap1Click();
        QVERIFY(!first); // the earlier one is released
        QCOMPARE(closer.screen, static_cast<QDialog*>(fm.memTreeScreen()));
        QCOMPARE(fm.memTreeScreen()->TreeView1->font().pointSize(), 9);
        QVERIFY(fm.isVisible());
    }

    // The running windows open beside the main window, not modally; refreshed at each opening.
    void runningWindowsOpenBesideTheMainWindowOnceAndAfterClosing() {
        TestServices t;
        t.memory.figures.totalPhys = 33067008;
        t.windows.desktop = {{5, "Vok 97 v2.4"}, {6, ""}, {7, "Terminal"}};
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.WhatsRunning1->trigger();
        TfmMem* screen = fm.memScreen();
        QVERIFY(screen && screen->isVisible() && !screen->isModal());
        QVERIFY(!QApplication::activeModalWidget() && fm.isVisible());
        QCOMPARE(screen->Panel2->text(), QString("32292 KB/ 2 Windows"));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(screen));
        // The pie opens the same screen, with what runs now.
        t.windows.desktop.prepend({8, "Calculator"});
        QTest::mouseClick(fm.PieGraf2, Qt::LeftButton);
        QCOMPARE(fm.memScreen(), screen);
        QCOMPARE(screen->ListBox1->item(0)->text(), QString("Calculator"));
        QCOMPARE(screen->Panel2->text(), QString("32292 KB/ 3 Windows"));
        QVERIFY(fm.isVisible());
        // Closed, it comes back.
        QTest::mouseClick(screen->Panel1, Qt::LeftButton);
        QVERIFY(!screen->isVisible());
        t.windows.desktop = {{1, "New"}};
        fm.PieGraf2Click();
        QCOMPARE(fm.memScreen(), screen);
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->Panel2->text(), QString("32292 KB/ 1 Windows"));
    }

    // Every window is announced as a window by its title, and names and paths that look like
    // markup read as they are, on screen and to a screen reader.
    void everyWindowIsAnnouncedByItsTitleAndShowsPlainText() {
        QAccessible::setActive(true);
        TestServices t;
        QStringList heard, wrong;
        int labels = 0;
        visitEveryWindow(t, [&](QWidget* w) {
            // A message box is an alert, which screen readers announce as a dialog, read whole;
            // it has no caption of its own (the desktop shows the application title), so its
            // name is its text.
            const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            const QAccessible::Role role = a ? a->role() : QAccessible::NoRole;
            const QString name = a ? a->text(QAccessible::Name) : QString();
            const auto* box = qobject_cast<QMessageBox*>(w);
            heard << w->windowTitle();
            if (box ? role != QAccessible::AlertMessage || name != box->text()
                    : w->windowTitle().isEmpty() || name != w->windowTitle() ||
                          !(role == QAccessible::Window || role == QAccessible::Dialog))
                wrong << QString("%1 as role %2 \"%3\"")
                             .arg(w->metaObject()->className())
                             .arg(int(role))
                             .arg(name);
            for (QLabel* l : w->findChildren<QLabel*>()) {
                if (qobject_cast<TPieGraf*>(l) || !l->pixmap().isNull())
                    continue;
                ++labels;
                for (const char* text : {"<h1>BIG", "<b>cat.jpg<!--", "a &amp; b"}) {
                    l->setText(text);
                    const QString read =
                        QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name);
                    if (read != text || l->textFormat() != Qt::PlainText)
                        wrong << w->windowTitle() + "/" + l->objectName() + ": " + read;
                }
            }
        });
        QCOMPARE(heard.size(), 10);
        QVERIFY(labels > 20);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    // Esc closes every screen but those with a walk: there it stops the walk and never closes,
    // idle or not, and a second press keeps what was found.
    void escClosesOrStopsTheWalk() {
        TestServices t;
        for (int i = 0; i < 40; ++i)
            t.directories.addFile(QString("/w/d%1/f%2").arg(i / 10).arg(i % 10), 100 + i);
        TestScreenContext c;
        std::unique_ptr<QWidget> closing[] = {
            std::make_unique<TFmDir>(t.services, c),    std::make_unique<TfmAlldisk>(t.services, c),
            std::make_unique<TfmMem>(t.services, c),    std::make_unique<TFmMemTree>(t.services, c),
            std::make_unique<TFileInfo>(t.services, c), std::make_unique<HelpViewer>(t.dialogs)};
        for (const auto& screen : closing) {
            screen->show();
            QVERIFY(QTest::qWaitForWindowActive(screen.get()));
            pressEsc(screen.get());
            QVERIFY2(!screen->isVisible(), screen->metaObject()->className());
        }
        TfmFiles files(t.services, c);
        TfmTree tree(t.services, c);
        const auto walkIn = [](auto& screen) {
            screen.DirectoryListBox1->setDirectory("/w");
            screen.Button1Click();
        };
        const struct {
            QWidget* screen;
            std::function<void()> walk;
            std::function<QStringList()> found;
        } walking[] = {
            {&files, [&] { walkIn(files); },
             [&] { return test::column(files.StringGrid1->cells(), 0) << files.Panel1->text(); }},
            {&tree, [&] { walkIn(tree); },
             [&] { return treeTexts(tree.TreeView1) << tree.Panel1->text(); }},
        };
        for (const auto& w : walking) {
            const char* name = w.screen->metaObject()->className();
            w.screen->show();
            QVERIFY(QTest::qWaitForWindowActive(w.screen));
            pressEsc(w.screen);
            QVERIFY2(w.screen->isVisible(), name);
            int reported = 0; // of 44 entries: 4 directories of 10 files
            t.directories.afterEntry = [&] {
                if (++reported == 20)
                    pressEsc(w.screen);
            };
            w.walk();
            // Stopped at once, and by this press only: the idle one left nothing pending.
            QVERIFY2(reported == 20, name);
            const QStringList found = w.found();
            pressEsc(w.screen);
            QVERIFY2(w.screen->isVisible(), name);
            QCOMPARE(w.found(), found);
            QVERIFY2(found.size() > 1, name);
        }
    }

    void everyFontSizeFollowsTheScreen() {
        TestServices t;
        TfmVok fm(t.services, QSize(1280, 1024)); // twice the design size
        fm.FormActivate();
        QCOMPARE(fm.Panel1->fontSize(), 24); // the read-out's 12 of Mb and Total
        const std::pair<Command, int> steps[] = {{&TfmVok::Bytes1Click, 20},
                                                 {&TfmVok::Kilobytes1Click, 22},
                                                 {&TfmVok::Real1Click, 22},
                                                 {&TfmVok::Large1Click, 24},
                                                 {&TfmVok::PageFile1Click, 24}};
        for (const auto& [command, size] : steps) {
            (fm.*command)();
            QCOMPARE(fm.Panel1->fontSize(), size);
        }
        fm.SettoDefault1Click();
        QCOMPARE(fm.PieGraf1->font().pointSize(), 16);
    }

    // Scaled fonts stay legible; the contrast of colour pairs.
    void fontsAndColoursStayLegible() {
        QFont pixels("Arial");
        pixels.setPixelSize(8);
        QCOMPARE(scaledFont(pixels, 800, 640).pixelSize(), 11);
        pixels.setPixelSize(16);
        QCOMPARE(scaledFont(pixels, 1280, 640).pixelSize(), 32);
        const QFont points("Arial", 10);
        QCOMPARE(scaledFont(points, 320, 640).pointSizeF(), 8.0);
        QCOMPARE(scaledFont(points, 960, 640).pointSizeF(), 15.0);
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::red, Qt::red), 1.0);
        QCOMPARE(qRound(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    }

    void longReadOutShrinksToFitItsPanel() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.Panel1->setFontSize(11);
        fm.Panel1->setText("12582912/4194304/16777216Kb Used/free/total");
        const QImage img = fm.Panel1->grab().toImage();
        // Yellow text reaches neither edge of the panel: it was fitted, not cut.
        auto yellowInColumn = [&img](int x) {
            for (int y = 0; y < img.height(); ++y)
                if (img.pixelColor(x, y).red() > 200 && img.pixelColor(x, y).green() > 200 &&
                    img.pixelColor(x, y).blue() < 80)
                    return true;
            return false;
        };
        QVERIFY(!yellowInColumn(3));
        QVERIFY(!yellowInColumn(img.width() - 4));
        bool any = false;
        for (int x = 0; x < img.width(); ++x)
            any = any || yellowInColumn(x);
        QVERIFY(any);
        QCOMPARE(fm.Panel1->fontSize(), 11); // the size the read-out asked for is kept
    }

    // Where a screen gives its texts a colour, the pair with their background stays legible
    // under any desktop scheme; elsewhere both come from the palette.
    void textsReadOnTheirBackgrounds_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<int>("colour"); // chosen on the screen; -1 for the screen's own
        for (const char* screen :
             {"main window", "directory space", "file search", "directory tree", "running windows",
              "process tree", "file information", "help"})
            QTest::newRow(screen) << QString(screen) << true << -1;
        QTest::newRow("black chosen, dark") << "directory tree" << true << 0;
        QTest::newRow("black stored, dark") << "process tree" << true << 0;
        QTest::newRow("yellow, dark") << "file search" << true << 0x00FFFF;
        QTest::newRow("white, light") << "directory space" << false << 0xFFFFFF;
        QTest::newRow("grey, light") << "running windows" << false << 0xB0B0B0;
    }
    void textsReadOnTheirBackgrounds() {
        QFETCH(QString, screen);
        QFETCH(bool, dark);
        QFETCH(int, colour);
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
        QApplication::setPalette(dark ? test::darkPalette()
                                      : QApplication::style()->standardPalette());
        Screens s;
        const std::unique_ptr<QWidget> w =
            s.make(screen, colour < 0 ? std::nullopt : std::optional(fontOf(quint32(colour))));
        const QList<test::ShownText> texts = test::shownTexts(*w);
        QVERIFY(!texts.isEmpty());
        for (const test::ShownText& t : texts)
            QVERIFY2(contrastRatio(t.text, t.background) >= 4.5,
                     qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                    .arg(t.where, t.text.name(), t.background.name())
                                    .arg(contrastRatio(t.text, t.background), 0, 'f', 2)));
    }

    // In a large font the grids' rows grow and the sizes keep every digit.
    void gridsFitALargeFont_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("afterListing"); // chosen with the Font command once listed
        QTest::newRow("directory tree") << "directory tree" << false;
        QTest::newRow("directory space") << "directory space" << false;
        QTest::newRow("directory space, chosen") << "directory space" << true;
        QTest::newRow("file search") << "file search" << false;
    }
    void gridsFitALargeFont() {
        QFETCH(QString, screen);
        QFETCH(bool, afterListing);
        Screens s;
        const std::unique_ptr<QWidget> w =
            s.make(screen, afterListing ? std::nullopt : std::optional(fontOf(0, 18)));
        if (afterListing) {
            s.t.dialogs.fonts << fontOf(0, 18);
            static_cast<TFmDir*>(w.get())->Files3Click();
        }
        const StringGrid* grid = w->findChild<StringGrid*>();
        QCOMPARE(grid->font().pointSize(), 18);
        const QFontMetrics fm(grid->font());
        QVERIFY(grid->rowHeight(0) >= fm.lineSpacing());
        QVERIFY(grid->cell(0, 0).endsWith("big_file.dat"));
        const QModelIndex size = grid->model()->index(0, 1);
        const auto* cells = qobject_cast<QStyledItemDelegate*>(grid->itemDelegateForIndex(size));
        const QString shown = cells->displayText(size.data(), QLocale());
        QCOMPARE(shown.trimmed(), QString("1000000"));
        const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid);
        const int room = grid->columnWidth(1) - 2 * (margin + 1) - 1; // text margins, grid line
        QVERIFY2(
            fm.horizontalAdvance(shown) <= room,
            qPrintable(QStringLiteral("%1 px in %2").arg(fm.horizontalAdvance(shown)).arg(room)));
    }

    void setToDefaultAndColourCommands() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        const auto looks = [](const TPieGraf* p) {
            return QVariantList{p->mainColor(), p->sliceColor(), p->fontColor(),
                                p->font().pointSize()};
        };
        fm.SettoDefault1Click();
        QCOMPARE(looks(fm.PieGraf1), (QVariantList{255u, 32768u, 0u, 8}));
        QCOMPARE(fm.PieGraf2->mainColor(), quint32(65535)); // the other pie is untouched
        t.dialogs.colors = {quint32(0xFF0000), std::nullopt, quint32(0x00FF00)};
        fm.Free1Click();
        fm.UsedSpace1Click(); // cancelled
        fm.PieSlice1Click();
        QCOMPARE(fm.PieGraf1->sliceColor(), quint32(0x00FF00));
        t.dialogs.fonts = {FontChoice{QFont("Liberation Serif", 11), 0x123456}};
        fm.TextFont2Click();
        QCOMPARE(looks(fm.PieGraf2), (QVariantList{0xFF0000u, 16711680u, 0x123456u, 11}));
        QCOMPARE(fm.PieGraf2->font().family(), QString("Liberation Serif"));
        QCOMPARE(t.dialogs.fontInitials.size(), 1);
    }
};

QTEST_MAIN(ScreensTest)
#include "screens_test.moc"
