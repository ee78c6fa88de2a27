#include "controls/DirectoryListBox.h"
#include "controls/HelpViewer.h"
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
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
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

} // namespace

class ScreenOpeningTest : public QObject {
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
        const struct {
            QWidget* screen;
            std::function<void()> walk;
            std::function<QStringList()> found;
        } walking[] = {
            {&files,
             [&] {
                 files.DirectoryListBox1->setDirectory("/w");
                 files.Button1Click();
             },
             [&] {
                 QStringList rows{files.Panel1->text()};
                 for (int r = 0; r < files.StringGrid1->rowCount(); ++r)
                     rows << files.StringGrid1->cell(0, r);
                 return rows;
             }},
            {&tree,
             [&] {
                 tree.DirectoryListBox1->setDirectory("/w");
                 tree.Button1Click();
             },
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
};

QTEST_MAIN(ScreenOpeningTest)
#include "screen_opening_test.moc"
