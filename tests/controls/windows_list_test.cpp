#include "controls/WindowsListUnit.h"
#include "platform/fake/FakeTopLevelWindows.h"
#include <QtTest>

using namespace vok;

class WindowsListTest : public QObject {
    Q_OBJECT
private slots:
    // Each refresh asks the desktop afresh and keeps its order, duplicates and handles.
    void keepsOrderDuplicatesAndHandles() {
        FakeTopLevelWindows desktop;
        desktop.desktop = {{0x400007, "Editor"},
                           {0x400001, ""},
                           {0x600003, "Terminal"},
                           {0x600004, "Editor"},
                           {0x200001, ""}};
        TWindowsList list(desktop);
        QVERIFY(list.AcceptEmptyNames());
        list.RefreshList();
        list.RefreshList();
        QCOMPARE(list.captions(), (QStringList{"Editor", "", "Terminal", "Editor", ""}));
        QCOMPARE(list.TheWindowsList()[1].info.Handle, 0x400001u);

        list.setAcceptEmptyNames(false);
        desktop.desktop.removeFirst();
        list.RefreshList();
        QCOMPARE(list.captions(), (QStringList{"Terminal", "Editor"}));
        QList<quint32> handles;
        for (const WindowListEntry& e : list.TheWindowsList())
            handles << e.info.Handle;
        QCOMPARE(handles, (QList<quint32>{0x600003, 0x600004}));
        QCOMPARE(desktop.queries, 3);
    }
};

QTEST_GUILESS_MAIN(WindowsListTest)
#include "windows_list_test.moc"
