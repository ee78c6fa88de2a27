#include "controls/Panel.h"
#include "memscreens/UtMem.h"
#include "support/DesignFigures.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QListWidget>
#include <QtTest>

using namespace vok;
using vok::test::panelFigures;
using vok::test::wrongFigures;

namespace {

struct Machine : TestServices {
    Machine() { memory.figures.totalPhys = 33067008; }
    TestScreenContext context;
};

QStringList listed(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class RunningWindowsScreenTest : public QObject {
    Q_OBJECT
private slots:
    void fillsWithCaptionedWindowsOnEachActivation() {
        Machine m;
        m.windows.desktop = {{7, "Editor"}, {3, ""}, {9, "Terminal"}, {4, "Editor"}};
        TfmMem fm(m.services, m.context);
        const int L = int(Bevel::Lowered), none = int(Bevel::None), raised = int(Bevel::Raised);
        // clang-format off
        QCOMPARE(wrongFigures({
            {"window", QVariantList{fm.windowTitle(), fm.size()},
                       QVariantList{"Memory Screen", QSize(349, 226)}},
            {"Panel2", panelFigures(fm.Panel2),
                       QVariantList{QRect(24, 16, 273, 41), 0, 0x00FFFF, 13, none, raised, 1}},
            {"Panel1", panelFigures(fm.Panel1),
                       QVariantList{QRect(24, 56, 273, 41), 0, 0x00FFFF, 12, L, L, 2}},
            {"Panel1 caption", fm.Panel1->text(), "Windows 95  Currently running"},
            {"ListBox1", QVariantList{fm.ListBox1->geometry(), fm.ListBox1->font().pixelSize(),
                                      fm.ListBox1->palette().color(QPalette::Text)},
                         QVariantList{QRect(24, 96, 273, 97), 15, QColor(0, 0, 0xA0)}},
        }), QString());
        // clang-format on
        fm.FormActivate();
        QCOMPARE(listed(fm.ListBox1), (QStringList{"Editor", "Terminal", "Editor"}));
        QCOMPARE(fm.Panel2->text(), QString("32292 KB/ 3 Windows"));

        fm.FormActivate();
        QCOMPARE(fm.ListBox1->count(), 3);
        QCOMPARE(fm.Panel2->text(), QString("32292 KB/ 3 Windows"));

        m.windows.desktop.removeFirst();
        fm.FormActivate();
        QCOMPARE(listed(fm.ListBox1), (QStringList{"Terminal", "Editor"}));
        QCOMPARE(fm.Panel1->text(), QString("Windows 95  Currently running"));
        m.windows.desktop = {{1, ""}, {2, ""}}; // no captions at all
        fm.FormActivate();
        QCOMPARE(fm.ListBox1->count(), 0);
        QCOMPARE(fm.Panel2->text(), QString("32292 KB/ 0 Windows"));
    }

    // Shown, the screen lists, and lists again whenever the desktop restacks until it is hidden.
    void showingListsAndResizingFollowsTheWindow() {
        Machine m;
        m.windows.desktop = {{1, "Only"}};
        TfmMem fm(m.services, m.context);
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        QTRY_COMPARE(fm.ListBox1->count(), 1);
        m.windows.restack({{2, "Raised"}, {1, "Only"}});
        QTRY_COMPARE(listed(fm.ListBox1), (QStringList{"Raised", "Only"}));
        fm.hide();
        QVERIFY(m.windows.watches.isEmpty());
        fm.show();
        fm.resize(500, 400);
        QCOMPARE(fm.ListBox1->geometry(), QRect(24, 96, 460, 298));
        QCOMPARE(fm.Panel1->width(), 460);
        QCOMPARE(fm.Panel2->width(), 460);
    }

    void panelClicksClose() {
        Machine m;
        for (int panel = 0; panel < 2; ++panel) {
            TfmMem fm(m.services, m.context);
            fm.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fm));
            QTest::mouseClick(panel ? fm.Panel1 : fm.Panel2, Qt::LeftButton);
            QVERIFY(!fm.isVisible());
        }
    }

    void listClickAsksForAFont() {
        Machine m;
        m.windows.desktop = {{1, "Only"}};
        TfmMem fm(m.services, m.context);
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        QTRY_COMPARE(fm.ListBox1->count(), 1);
        const QFont before = fm.ListBox1->font();
        const QColor beforeColour = fm.ListBox1->palette().color(QPalette::Text);
        const QPoint onItem = fm.ListBox1->visualItemRect(fm.ListBox1->item(0)).center();

        QTest::mouseClick(fm.ListBox1->viewport(), Qt::LeftButton, {}, onItem);
        QCOMPARE(m.dialogs.fontInitials.size(), 1);
        QCOMPARE(m.dialogs.fontInitials[0].color, 0xA00000u);
        QCOMPARE(fm.ListBox1->font(), before);
        QCOMPARE(fm.ListBox1->palette().color(QPalette::Text), beforeColour);

        QFont chosen("Liberation Serif");
        chosen.setPointSize(14);
        m.dialogs.fonts << FontChoice{chosen, 0x0000FF};
        QTest::mouseClick(fm.ListBox1->viewport(), Qt::LeftButton, {}, onItem);
        QCOMPARE(m.dialogs.fontInitials.size(), 2);
        QCOMPARE(fm.ListBox1->font().pointSize(), 14);
        QCOMPARE(fm.ListBox1->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(fm.isVisible());
    }
};

QTEST_MAIN(RunningWindowsScreenTest)
#include "running_windows_screen_test.moc"
