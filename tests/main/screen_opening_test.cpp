#include "controls/SharedState.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit4.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
#include "support/TestServices.h"
#include <QAction>
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

} // namespace

class ScreenOpeningTest : public QObject {
    Q_OBJECT
private slots:
    void directoryScreenIsCreatedOnceAndShownModally() {
        TestServices t;
        t.directories.addDirectory("/data");
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.Kilobytes1Click();
        QVERIFY(!shared().created(Screen::DirectorySpace));

        Closer closer{&fm};
        closer.arm();
        fm.DirectorySearch1->trigger();
        QVERIFY(closer.mainHiddenMeanwhile);
        QCOMPARE(closer.screen, fm.dirScreen());
        QVERIFY(shared().created(Screen::DirectorySpace));
        QVERIFY(fm.isVisible());
        // Back in the main window: activated again, so Mb and Total.
        QTRY_VERIFY(fm.Megabytes1->isChecked());
        QVERIFY(fm.Total1->isChecked());

        TFmDir* first = fm.dirScreen();
        closer.arm();
        fm.DirectorySearch1Click();
        QCOMPARE(fm.dirScreen(), first);
        QCOMPARE(closer.screen, first);
    }

    void fileSearchScreenToo() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        Closer closer{&fm};
        closer.arm();
        fm.FileSearch1->trigger();
        QVERIFY(closer.mainHiddenMeanwhile);
        QCOMPARE(closer.screen, static_cast<QDialog*>(fm.filesScreen()));
        QVERIFY(shared().created(Screen::FileSearch));
        QVERIFY(!shared().created(Screen::DirectorySpace));
        QVERIFY(fm.isVisible());
    }

    // A fresh tree at every opening, with the directory font of that moment.
    void processTreeIsFreshEachTime() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        Closer closer{&fm};
        closer.arm();
        fm.MemoryMap1->trigger();
        QPointer<TFmMemTree> first = fm.memTreeScreen();
        QVERIFY(first);
        QCOMPARE(closer.screen, static_cast<QDialog*>(first));
        QVERIFY(closer.mainHiddenMeanwhile);
        QVERIFY(first->windowState() & Qt::WindowMaximized);
        QCOMPARE(first->TreeView1->font().pointSize(), 8);
        QVERIFY(!shared().created(Screen::ProcessTree));

        shared().display.DirFont = FontSetting{0xFF0000, 9, "Arial"};
        closer.arm();
        fm.MemoryMap1Click();
        QVERIFY(!first); // the earlier one is released
        QCOMPARE(closer.screen, static_cast<QDialog*>(fm.memTreeScreen()));
        QCOMPARE(fm.memTreeScreen()->TreeView1->font().pointSize(), 9);
        QVERIFY(!shared().created(Screen::ProcessTree));
        QVERIFY(fm.isVisible());
        shared().display.DirFont = FontSetting{};
    }
};

QTEST_MAIN(ScreenOpeningTest)
#include "screen_opening_test.moc"
