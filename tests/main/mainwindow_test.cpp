#include "controls/Application.h"
#include "controls/Dice.h"
#include "controls/DriveComboBox.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "controls/QtDialogService.h"
#include "diskscreens/Unit2.h"
#include "main/Unit1.h"
#include "support/DesignFigures.h"
#include "support/DesktopTitle.h"
#include "support/TestServices.h"
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace vok;
using vok::test::panelFigures;
using vok::test::wrongFigures;

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
    // The window as designed, on the 640-wide screen it keeps its design size on, and at each
    // size preset; the pie fonts are the first run's stored Arial 8.
    void designFigures() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        const QString pies = "|  Pie Graph Colors|    Free Space|    Used Space|    Text Font|"
                             "    Set to Default";
        const QString menu =
            "Memory|  Whats running . Window Names. |  Memory Tree. Processes and Modules.|"
            "  Total|  Virtual|  Real|  Page File|  GDI|  System|  User" +
            pies +
            "|Disk|  All Disks|  Megabytes|  Kilobytes|  Bytes|  Directory Search|"
            "  Directory Tree|  File Search" +
            pies +
            "|Options|  Small Vok|  Medium Vok|  Large Vok|  Craps Game|  Reset Settings|"
            "  3D Pie Not Fully Functional|Help";
        const auto pie = [](const TPieGraf* p) {
            return QVariantList{p->geometry(),   p->caption(),         p->mainColor(),
                                p->sliceColor(), p->fontColor(),       p->font().pointSize(),
                                p->bevelWidth(), int(p->bevelInner()), int(p->bevelOuter())};
        };
        const auto die = [](const TDice* d) {
            return QVariantList{d->geometry(), d->value(), d->toolTip(), d->isHidden()};
        };
        const int L = int(Bevel::Lowered), none = int(Bevel::None);
        const TDriveComboBox* picker = fm.DriveComboBox1;
        // clang-format off
        QCOMPARE(wrongFigures({
            {"window", QVariantList{fm.size(), fm.windowTitle()},
                       QVariantList{QSize(320, 188), "Vok 97"}},
            {"menu", captions(fm.menuBar()), menu.split('|')},
            {"checked", QVariantList{fm.Total1->isChecked(), fm.Megabytes1->isChecked(),
                                     fm.N3D1->isChecked(), fm.GDI2->isCheckable()},
                        QVariantList{true, true, false, false}},
            {"PieGraf2", pie(fm.PieGraf2), QVariantList{QRect(8, 0, 100, 100), "Memory", 65535,
                                                        16711680, 4194304, 8, 2, L, L}},
            {"PieGraf1", pie(fm.PieGraf1), QVariantList{QRect(112, 0, 100, 100), "Disk", 8454016,
                                                        255, 0, 8, 2, L, L}},
            {"DriveComboBox1", QVariantList{picker->geometry(), picker->font().pixelSize()},
                               QVariantList{QRect(216, 0, 81, 22), 13}},
            {"Panel1", panelFigures(fm.Panel1),
                       QVariantList{QRect(8, 104, 289, 33), 0, 0x00FFFF, 16, none, L, 2}},
            {"Panel2", QVariantList{fm.Panel2->geometry(), fm.Panel2->isHidden()},
                       QVariantList{QRect(216, 32, 81, 25), true}},
            {"Dice1", die(fm.Dice1), QVariantList{QRect(224, 72, 30, 30), 6, "Click to Roll ",
                                                  true}},
            {"Dice2", die(fm.Dice2), QVariantList{QRect(256, 72, 30, 30), 1, "Click to Roll",
                                                  true}},
            {"Timer1", QVariantList{fm.Timer1->interval(), fm.Timer1->isActive()},
                       QVariantList{6000, true}},
        }), QString());
        // clang-format on

        // Each size preset as designed, whatever preset came before; the dice follow it.
        fm.show();
        QVERIFY(QTest::qWaitForWindowActive(&fm));
        QTRY_COMPARE(fm.activations(), 1);
        fm.Craps1->trigger();
        const struct {
            QAction* preset;
            QSize form;
            int pie, pie1Left, fontSize;
            QRect panel1, picker;
            int die, dice1Left, dice2Left, diceTop, panel2Top;
        } rows[] = {
            // clang-format off
            {fm.Medium1, {455, 228}, 150, 200, 11, {8, 154, 350, 33}, {354, 0, 93, 22},
             3, 354, 399, 108, 63},
            {fm.Large1, {560, 320}, 200, 212, 12, {8, 204, 400, 50}, {416, 0, 136, 22},
             4, 416, 476, 143, 83},
            {fm.Small1, {315, 188}, 100, 112, 10, {8, 104, 289, 33}, {216, 0, 91, 22},
             2, 216, 246, 73, 43},
            // clang-format on
        };
        for (const auto& r : rows) {
            r.preset->trigger();
            const QPoint dice1(r.dice1Left, r.diceTop), dice2(r.dice2Left, r.diceTop);
            // clang-format off
            const QString wrong = wrongFigures({
                {"form", fm.size(), r.form},
                {"PieGraf2", fm.PieGraf2->geometry(), QRect(8, 0, r.pie, r.pie)},
                {"PieGraf1", fm.PieGraf1->geometry(), QRect(r.pie1Left, 0, r.pie, r.pie)},
                {"fonts", QVariantList{fm.PieGraf1->font().pointSize(), fm.Panel1->fontSize()},
                          QVariantList{r.fontSize, r.fontSize}},
                {"Panel1", fm.Panel1->geometry(), r.panel1},
                {"DriveComboBox1", picker->geometry(), r.picker},
                {"dice", QVariantList{fm.Dice1->diceSize(), fm.Dice2->diceSize(), fm.Dice1->pos(),
                                      fm.Dice2->pos()},
                         QVariantList{r.die, r.die, dice1, dice2}},
                {"Panel2", fm.Panel2->geometry(),
                           QRect(r.picker.x(), r.panel2Top, r.picker.width(), 25)},
            });
            // clang-format on
            QVERIFY2(wrong.isEmpty(), qPrintable(r.preset->text() + ": " + wrong));
            QTRY_COMPARE(fm.Dice1->size(), QSize(15 * r.die, 15 * r.die));
        }
    }

    // Rescaled once, not once per preset; the presets' figures on a 640-wide screen are the
    // design table's.
    void scalesOnceToOtherScreens() {
        TestServices t;
        TfmVok fm(t.services, QSize(1280, 960));
        QCOMPARE(fm.size(), QSize(640, 376));
        QCOMPARE(fm.PieGraf1->geometry(), QRect(224, 0, 200, 200));
        QCOMPARE(fm.Panel1->geometry(), QRect(16, 208, 578, 66));
        QCOMPARE(fm.Panel1->font().pixelSize(), 32);
        fm.Small1Click();
        QCOMPARE(fm.size(), QSize(630, 376));
        QCOMPARE(fm.PieGraf1->geometry(), QRect(224, 0, 200, 200));
        QCOMPARE(fm.Panel1->fontSize(), 20);
        fm.Medium1Click();
        fm.Small1Click();
        QCOMPARE(fm.DriveComboBox1->height(), 44);
        TfmVok small(t.services, QSize(800, 600));
        QCOMPARE(small.size(), QSize(400, 235));
        QCOMPARE(small.PieGraf2->geometry(), QRect(10, 0, 125, 125));
    }

    // Activation fills the gauges; the timer's tick sets the title only; without drive C
    // activation still runs.
    void activationShowsDriveAndMemory() {
        WithMemory t;
        TfmVok fm(t.services, QSize(640, 480));
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

        t.memory.figures.memoryLoad = 81;
        fm.Timer1Timer();
        QCOMPARE(applicationTitle(), QString("Free Memory 81 %"));
        QCOMPARE(fm.Panel1->text(), QString("Free Total Memory is 37 %"));
        QCOMPARE(fm.PieGraf2->percent(), 37);

        t.memory.figures.memoryLoad = 37;
        t.drives.remove('C'); // the picker has nothing
        fm.FormActivate();
        QCOMPARE(fm.Panel1->text(), QString("Free Total Memory is 37 %"));
        QCOMPARE(fm.PieGraf1->hint(), QString("Not found Drive C Type is does not exist"));
        QCOMPARE(fm.PieGraf1->percent(), 0);
        QVERIFY(t.dialogs.errors.isEmpty());
    }

    // Shown, the window is filled once, whether the desktop activates it or not; a message box
    // closing over it is no new activation.
    void showingTheWindowFillsItOnce() {
        for (const bool activated : {true, false}) {
            WithMemory t;
            TfmVok fm(t.services, QSize(640, 480));
            std::optional<WithheldActivation> withheld;
            if (!activated)
                withheld.emplace(&fm);
            QCOMPARE(fm.activations(), 0);
            fm.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fm));
            QTRY_COMPARE(fm.activations(), 1);
            QCOMPARE(fm.PieGraf1->percent(), 49);
            QCOMPARE(fm.Panel1->text(), QString("Free Total Memory is 37 %"));
            QMessageBox box(QMessageBox::Information, "x", "x", QMessageBox::Ok, &fm);
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            box.close();
            QTest::qWait(50);
            QCOMPARE(fm.activations(), 1);
            // A new activation paints the memory pie once.
            fm.Real1Click();
            const int before = fm.PieGraf2->drawCount();
            fm.FormActivate();
            QCOMPARE(fm.PieGraf2->percent(), 37);
            QCOMPARE(fm.PieGraf2->drawCount() - before, 1);
        }
    }

    // The six-second refresh with a question open: every window names the title once.
    void aBoxOpenOverTwoRefreshesNamesTheTitleOnce() {
        WithMemory t;
        t.memory.figures.memoryLoad = 9;
        TfmVok fm(t.services, QSize(640, 480));
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

    void returningFromAScreenShowsTheCurrentTitle() {
        WithMemory t;
        t.memory.figures.memoryLoad = 18;
        t.directories.addDirectory("/data");
        TfmVok fm(t.services, QSize(640, 480));
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
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
