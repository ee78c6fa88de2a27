#include "controls/SharedState.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QAction>
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

    void treeAndAllDisksScreensAreCreatedOnce() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        Closer closer{&fm};
        closer.arm();
        fm.DirectoryTree1->trigger();
        QVERIFY(closer.mainHiddenMeanwhile);
        QVERIFY(fm.treeScreen());
        QCOMPARE(closer.screen, static_cast<QDialog*>(fm.treeScreen()));
        QVERIFY(shared().created(Screen::DirectoryTree));
        TfmTree* tree = fm.treeScreen();
        closer.arm();
        fm.DirectoryTree1Click();
        QCOMPARE(fm.treeScreen(), tree);

        closer.arm();
        fm.AllDisks1->trigger();
        QVERIFY(closer.mainHiddenMeanwhile);
        QCOMPARE(closer.screen, static_cast<QDialog*>(fm.allDisksScreen()));
        QVERIFY(shared().created(Screen::AllDisks));
        QVERIFY(fm.isVisible());
        QTRY_VERIFY(fm.Megabytes1->isChecked());
    }
};

QTEST_MAIN(ScreenOpeningTest)
#include "screen_opening_test.moc"
