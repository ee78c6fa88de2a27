#include "controls/DriveComboBox.h"
#include "support/TestServices.h"
#include <QAbstractItemView>
#include <QtTest>

using namespace vok;

class DriveComboBoxTest : public QObject {
    Q_OBJECT
private slots:
    void longMountPointsShowWholeInTheListAndElidedInTheBox() {
        TestServices t;
        const QString mount = "/tmp/h1/nested/mounts/of/a/long/name/end";
        t.drives.add('H', mount, DriveType::Fixed, 1, 2);
        TDriveComboBox box;
        box.setGeometry(0, 0, 81, 22);
        QVERIFY(box.setDrive('h'));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        const QString whole = "h: " + mount;
        QCOMPARE(box.currentText(), whole);
        QCOMPARE(box.toolTip(), whole);
        const QString shown = box.shownText();
        QVERIFY2(shown.startsWith("h:") && shown.contains(QChar(0x2026)) && shown.endsWith("d"),
                 qPrintable(shown));

        box.showPopup();
        QAbstractItemView* list = box.view();
        QTRY_VERIFY(list->isVisible());
        QVERIFY2(list->viewport()->width() >= list->fontMetrics().horizontalAdvance(whole),
                 qPrintable(QString::number(list->viewport()->width())));
        box.hidePopup();

        QVERIFY(box.setDrive('c'));
        QCOMPARE(box.toolTip(), QString("c: /"));
        QCOMPARE(box.shownText(), QString("c: /"));
    }
};

QTEST_MAIN(DriveComboBoxTest)
#include "drive_combo_box_test.moc"
