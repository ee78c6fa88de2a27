#include "controls/DirectoryListBox.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

class DirectoryListBoxTest : public QObject {
    Q_OBJECT
private slots:
    void linksToDirectoriesAreListedAndLeadToTheirTarget() {
        TestServices t;
        t.directories.addDirectory("/usr/bin");
        t.directories.addDirectory("/data");
        t.directories.addFile("/notes", 1);
        t.directories.addDirectoryLink("/bin", "/usr/bin");
        t.directories.addDirectoryLink("/.hidden", "/data");
        TDirectoryListBox box;
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
};

QTEST_MAIN(DirectoryListBoxTest)
#include "directory_list_box_test.moc"
