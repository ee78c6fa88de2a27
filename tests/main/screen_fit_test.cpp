#include "controls/DriveComboBox.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QLayout>
#include <QScreen>
#include <QtTest>

using namespace vok;

// Run once per screen size: CTest gives the offscreen platform one screen of each size.
class ScreenFitTest : public QObject {
    Q_OBJECT
private:
    // Every shown control lies inside the client area, and the read-out's text inside the
    // read-out.
    static void verifyInside(TfmVok& fm, const char* preset) {
        fm.layout()->activate();
        QWidget* client = fm.centralWidget();
        const QString where = QString("%1 on %2x%3")
                                  .arg(preset)
                                  .arg(fm.screen()->size().width())
                                  .arg(fm.screen()->size().height());
        QVERIFY2(fm.rect().contains(client->geometry()), qPrintable(where));
        for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isHidden())
                continue;
            const QString what = QString("%1: %2 at %3,%4 %5x%6 in %7x%8")
                                     .arg(where, w->objectName())
                                     .arg(w->x())
                                     .arg(w->y())
                                     .arg(w->width())
                                     .arg(w->height())
                                     .arg(client->width())
                                     .arg(client->height());
            QVERIFY2(client->rect().contains(w->geometry()), qPrintable(what));
        }
        const int textHeight = QFontMetrics(fm.Panel1->font()).height();
        QVERIFY2(textHeight <= fm.Panel1->contentsRect().height(), qPrintable(where));
        const QSize screen = fm.screen()->size();
        QVERIFY2(fm.width() <= screen.width() && fm.height() <= screen.height(), qPrintable(where));
    }

private slots:
    void everyControlInsideTheWindowAtEveryPreset() {
        TestServices t;
        TfmVok fm;
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        verifyInside(fm, "start");
        fm.Small1Click();
        verifyInside(fm, "Small Vok");
        fm.Medium1Click();
        verifyInside(fm, "Medium Vok");
        fm.Large1Click();
        verifyInside(fm, "Large Vok");
        fm.Small1Click();
        verifyInside(fm, "Small Vok again");
    }

    void designFiguresOnA640Screen() {
        if (QGuiApplication::primaryScreen()->size() != QSize(640, 480))
            QSKIP("the design figures hold on a 640 x 480 screen only");
        TestServices t;
        TfmVok fm;
        QCOMPARE(fm.size(), QSize(320, 188));
        QCOMPARE(fm.PieGraf1->geometry(), QRect(112, 0, 100, 100));
        QCOMPARE(fm.Panel1->geometry(), QRect(8, 104, 289, 33));
        QCOMPARE(fm.Panel1->font().pixelSize(), 16);
        fm.Large1Click();
        QCOMPARE(fm.size(), QSize(560, 320));
        QCOMPARE(fm.Panel1->geometry(), QRect(8, 204, 400, 50));
        QCOMPARE(fm.DriveComboBox1->geometry(), QRect(416, 0, 136, 22));
        QCOMPARE(fm.Panel1->fontSize(), 12);
    }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
