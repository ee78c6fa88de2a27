#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "main/Unit1.h"
#include "memscreens/UtMem.h"
#include "support/TestServices.h"
#include <QAction>
#include <QListWidget>
#include <QtTest>

using namespace vok;

namespace {

// The test services with a machine of the test's own.
struct WindowServices : TestServices {
    WindowServices() { memory.figures.totalPhys = 33067008; }
};

} // namespace

class RunningWindowsOpeningTest : public QObject {
    Q_OBJECT
private slots:
    void openedBesideTheMainWindowOnceRefreshedAndBackAfterClosing() {
        WindowServices t;
        t.windows.desktop = {{5, "Vok 97 v2.4"}, {6, ""}, {7, "Terminal"}};
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));

        fm.WhatsRunning1->trigger();
        TfmMem* screen = fm.memScreen();
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
        QVERIFY(!screen->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(fm.isVisible());
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
};

QTEST_MAIN(RunningWindowsOpeningTest)
#include "running_windows_opening_test.moc"
