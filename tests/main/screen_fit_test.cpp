#include "controls/DriveComboBox.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QAction>
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
        TfmVok fm(t.services);
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        verifyInside(fm, "start");
        for (QAction* preset : {fm.Small1, fm.Medium1, fm.Large1, fm.Small1}) {
            preset->trigger();
            verifyInside(fm, qPrintable(preset->text()));
        }
    }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
