#include "controls/Application.h"
#include "controls/Dice.h"
#include "controls/DriveComboBox.h"
#include "controls/PieGraf.h"
#include "diskscreens/Unit2.h"
#include "main/Unit1.h"
#include "platform/QtDialogService.h"
#include "support/DesktopTitle.h"
#include "support/TestServices.h"
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace vok;

namespace {

constexpr quint64 kGiB = 1024ull * 1024 * 1024;

// The test services with a machine of 16 GiB at a load of 37 %, virtual share 75 %.
struct WithMemory : TestServices {
    WithMemory() {
        memory.figures.memoryLoad = 37;
        memory.figures.totalPhys = 16 * kGiB;
        memory.figures.availPhys = 10 * kGiB;
        memory.figures.totalVirtual = 128ull * 1024 * kGiB;
        memory.figures.availVirtual = 96ull * 1024 * kGiB;
    }
};

// A menu bar's or menu's captions, those of each submenu indented under it.
QStringList captions(const QWidget* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        out << a->text();
        if (a->menu())
            out << captions(a->menu()).replaceInStrings(QRegularExpression("^"), "  ");
    }
    return out;
}

// A desktop that does not activate the window (focus-stealing prevention, no seat).
struct WithheldActivation : QObject {
    explicit WithheldActivation(QWidget* w) : window(w) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        return o == window &&
               (e->type() == QEvent::ActivationChange || e->type() == QEvent::WindowActivate);
    }
    QWidget* window;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void designLayoutOn640Screen() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        QCOMPARE(fm.size(), QSize(320, 188));
        QCOMPARE(fm.windowTitle(), QString("Vok 97"));
        QCOMPARE(fm.PieGraf2->geometry(), QRect(8, 0, 100, 100));
        QCOMPARE(fm.PieGraf1->geometry(), QRect(112, 0, 100, 100));
        QCOMPARE(fm.DriveComboBox1->geometry(), QRect(216, 0, 81, 22));
        QCOMPARE(fm.Panel1->geometry(), QRect(8, 104, 289, 33));
        QCOMPARE(fm.PieGraf2->caption(), QString("Memory"));
        QCOMPARE(fm.PieGraf2->mainColor(), quint32(65535));
        QCOMPARE(fm.PieGraf2->sliceColor(), quint32(16711680));
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(8454016));
        QCOMPARE(fm.PieGraf1->sliceColor(), quint32(255));
        QCOMPARE(fm.Timer1->interval(), 6000);
        QVERIFY(fm.Timer1->isActive());
        QVERIFY(fm.Dice1->isHidden() && fm.Dice2->isHidden());
    }

    void scalesOnceToOtherScreens() {
        TestServices t;
        TfmVok fm(QSize(1280, 960));
        QCOMPARE(fm.size(), QSize(640, 376));
        QCOMPARE(fm.PieGraf1->geometry(), QRect(224, 0, 200, 200));
        QCOMPARE(fm.Panel1->geometry(), QRect(16, 208, 578, 66));
        QCOMPARE(fm.Panel1->font().pixelSize(), 32);
        TfmVok small(QSize(800, 600));
        QCOMPARE(small.size(), QSize(400, 235));
        QCOMPARE(small.PieGraf2->geometry(), QRect(10, 0, 125, 125));
    }

    void menuCaptionsAndMarks() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        const QString pies = "|  Pie Graph Colors|    Free Space|    Used Space|    Text Font|"
                             "    Set to Default";
        const QStringList expected =
            ("Memory|  Whats running . Window Names. |  Memory Tree. Processes and Modules.|"
             "  Total|  Virtual|  Real|  Page File|  GDI|  System|  User" +
             pies +
             "|Disk|  All Disks|  Megabytes|  Kilobytes|  Bytes|  Directory Search|"
             "  Directory Tree|  File Search" +
             pies +
             "|Options|  Small Vok|  Medium Vok|  Large Vok|  Craps Game|  Reset Settings|"
             "  3D Pie Not Fully Functional|Help")
                .split('|');
        QCOMPARE(captions(fm.menuBar()), expected);
        QVERIFY(fm.Total1->isChecked());
        QVERIFY(fm.Megabytes1->isChecked());
        QVERIFY(!fm.N3D1->isChecked());
        QVERIFY(!fm.GDI2->isCheckable());
    }

    void activationShowsDriveAndMemory() {
        WithMemory t;
        TfmVok fm(QSize(640, 480));
        fm.Kilobytes1Click();
        fm.Real1Click();
        fm.FormActivate();
        QCOMPARE(fm.windowTitle(), QString("Vok 97 v2.4"));
        QCOMPARE(fm.PieGraf1->hint(), QString("500 Free Mb / 1023 Mb Total Type is Hard drive"));
        QCOMPARE(fm.PieGraf1->percent(), 49); // 500.5 of 1023.9
        QCOMPARE(fm.PieGraf2->percent(), 37); // Total mode shows the load
        QCOMPARE(fm.Panel1->text(), QString("Free Total Memory is 37 %"));
        QCOMPARE(fm.Panel1->fontSize(), 12);
        QVERIFY(fm.Megabytes1->isChecked() && !fm.Kilobytes1->isChecked());
        QVERIFY(fm.Total1->isChecked() && !fm.Real1->isChecked());
        QVERIFY(fm.diskUnit() == SpaceUnit::Mb);
        QCOMPARE(applicationTitle(), QString("Free Memory 37 %"));
    }

    void timerTickSetsTheTitleOnly() {
        WithMemory t;
        TfmVok fm(QSize(640, 480));
        fm.FormActivate();
        const QString panel = fm.Panel1->text();
        t.memory.figures.memoryLoad = 81;
        fm.Timer1Timer();
        QCOMPARE(applicationTitle(), QString("Free Memory 81 %"));
        QCOMPARE(fm.Panel1->text(), panel);
        QCOMPARE(fm.PieGraf2->percent(), 37);
    }

    // Shown, the window is filled once, whether the desktop activates it or not; a message box
    // closing over it is no new activation.
    void showingTheWindowFillsItOnce() {
        for (const bool activated : {true, false}) {
            WithMemory t;
            TfmVok fm(QSize(640, 480));
            std::optional<WithheldActivation> withheld;
            if (!activated)
                withheld.emplace(&fm);
            QCOMPARE(fm.activations(), 0);
            fm.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fm));
            QTRY_COMPARE(fm.activations(), 1);
            QCOMPARE(fm.windowTitle(), QString("Vok 97 v2.4"));
            QCOMPARE(fm.PieGraf1->percent(), 49);
            QCOMPARE(fm.PieGraf2->percent(), 37);
            QCOMPARE(fm.Panel1->text(), QString("Free Total Memory is 37 %"));
            QMessageBox box(QMessageBox::Information, "x", "x", QMessageBox::Ok, &fm);
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            box.close();
            QTest::qWait(50);
            QCOMPARE(fm.activations(), 1);
        }
    }

    // The six-second refresh with a question open: every window names the title once.
    void aBoxOpenOverTwoRefreshesNamesTheTitleOnce() {
        WithMemory t;
        t.memory.figures.memoryLoad = 9;
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.Timer1Timer();
        fm.Timer1->setInterval(1); // the refresh at once rather than in 6 s
        QStringList shown;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            const DesktopTitle boxTitle(box), mainTitle(&fm);
            t.memory.figures.memoryLoad = 7;
            QObject counting;
            int ticks = 0;
            connect(fm.Timer1, &QTimer::timeout, &counting, [&ticks] { ++ticks; });
            const bool ticked = QTest::qWaitFor([&ticks] { return ticks >= 2; });
            shown << QString::number(ticked) << boxTitle.text() << mainTitle.text();
            box->close();
        });
        QtDialogService().confirm("Delete it?", Buttons::YesNo);
        QCOMPARE(shown, (QStringList{"1", "Free Memory 7 %", "Vok 97 v2.4 — Free Memory 7 %"}));
    }

    void activationPaintsTheMemoryPieOnce() {
        WithMemory t;
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.Real1Click();
        const int before = fm.PieGraf2->drawCount();
        fm.FormActivate();
        QCOMPARE(fm.PieGraf2->percent(), 37);
        QCOMPARE(fm.PieGraf2->drawCount() - before, 1);
    }

    void returningFromAScreenShowsTheCurrentTitle() {
        WithMemory t;
        t.memory.figures.memoryLoad = 18;
        t.directories.addDirectory("/data");
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        QTRY_COMPARE(fm.activations(), 1);
        const DesktopTitle shown(&fm);
        QCOMPARE(applicationTitle(), QString("Free Memory 18 %"));

        // The load drops while a modal screen is open and the main window hidden.
        QTimer::singleShot(0, [&] {
            t.memory.figures.memoryLoad = 7;
            fm.Timer1Timer();
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                d->reject();
        });
        fm.DirectorySearch1Click();
        QTRY_COMPARE(fm.activations(), 2);
        QVERIFY(fm.isVisible());
        QCOMPARE(applicationTitle(), QString("Free Memory 7 %"));
        QCOMPARE(shown.text(), QString("Vok 97 v2.4 — Free Memory 7 %"));
    }

    void activationWithoutTheDriveStillRuns() {
        WithMemory t;
        TfmVok fm(QSize(640, 480));
        fm.FormActivate();
        // A drive table without C: the picker has nothing; activation still works.
        t.drives.remove('C');
        fm.FormActivate();
        QCOMPARE(fm.Panel1->text(), QString("Free Total Memory is 37 %"));
        QCOMPARE(fm.PieGraf1->hint(), QString("Not found Drive C Type is does not exist"));
        QCOMPARE(fm.PieGraf1->percent(), 0);
        QVERIFY(t.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
