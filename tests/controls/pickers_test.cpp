#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "support/TestServices.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QtTest>

using namespace vok;

// The directory list and the drive picker the screens share.
class PickersTest : public QObject {
    Q_OBJECT
private slots:
    void linksToDirectoriesAreListedAndLeadToTheirTarget() {
        TestServices t;
        t.directories.addDirectory("/usr/bin");
        t.directories.addDirectory("/data");
        t.directories.addFile("/notes", 1);
        t.directories.addDirectoryLink("/bin", "/usr/bin");
        t.directories.addDirectoryLink("/.hidden", "/data");
        TDirectoryListBox box(t.drives, t.directories, t.dialogs);
        box.setDirectory("/");
        QStringList texts;
        for (int i = 0; i < box.count(); ++i)
            texts << box.item(i)->text();
        QCOMPARE(texts, (QStringList{"/", "  bin", "  data", "  usr"}));

        box.setCurrentRow(1);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.directory(), QString("/usr/bin"));
        QCOMPARE(t.drives.workingDirectory, QString("/usr/bin"));
    }

    // Typing a name's first letters selects it, its indent aside; its first letter alone again
    // moves on to the next name that starts with it.
    void typingSelectsADirectoryByName() {
        TestServices t;
        for (const char* dir : {"/Music", "/data", "/docs", "/dump"})
            t.directories.addDirectory(dir);
        TDirectoryListBox box(t.drives, t.directories, t.dialogs);
        box.setDirectory("/");
        const int interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(60'000); // one name's keys, however slow the run
        QTest::keyClicks(&box, "do");
        QCOMPARE(box.currentItem()->text(), QString("  docs"));
        QApplication::setKeyboardInputInterval(0); // each key starts afresh
        for (const char* next : {"  dump", "  data", "  docs"}) {
            QTest::keyClick(&box, 'd');
            QCOMPARE(box.currentItem()->text(), QString(next));
        }
        QTest::keyClick(&box, 'M');
        QCOMPARE(box.currentItem()->text(), QString("  Music"));
        QApplication::setKeyboardInputInterval(interval);
    }

    void longMountPointsShowWholeInTheListAndElidedInTheBox() {
        TestServices t;
        const QString mount = "/tmp/h1/nested/mounts/of/a/long/name/end";
        t.drives.add('H', mount, DriveType::Fixed, 1, 2);
        TDriveComboBox box(t.drives);
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

QTEST_MAIN(PickersTest)
#include "pickers_test.moc"
