#include "controls/Application.h"
#include "controls/Dice.h"
#include "controls/DriveComboBox.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "controls/QtDialogService.h"
#include "diskscreens/Unit2.h"
#include "main/MemoryText.h"
#include "main/Unit1.h"
#include "support/DesignFigures.h"
#include "support/DesktopTitle.h"
#include "support/TestServices.h"
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <utility>
#include <vector>

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

// A menu bar's or menu's captions as shown (mnemonic marks left out), those of each submenu
// indented under it.
QStringList captions(const QWidget* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        out << QString(a->text()).remove('&');
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

// The gauges of a main window over a floppy drive without a disk, a drive D and 16 GiB.
struct Gauges {
    Gauges() {
        t.drives.add('A', "/media/floppy", DriveType::Removable, -1, -1);
        t.drives.add('D', "/home", DriveType::Fixed, 3 * kGiB, 4 * kGiB);
        t.memory.figures = {37, 16 * kGiB, 4 * kGiB, 0, 0, 128 * kGiB, 96 * kGiB};
        fm.FormActivate();
    }
    void pick(QChar letter) {
        QVERIFY(fm.DriveComboBox1->setDrive(letter));
        fm.DriveComboBox1Change();
    }
    // The checked marks, "x" for checked: of Mb, Kb and Bytes; of Total, Virtual, Real, Page File.
    QString units() const { return marks({fm.Megabytes1, fm.Kilobytes1, fm.Bytes1}); }
    QString measures() const { return marks({fm.Total1, fm.Virtual1, fm.Real1, fm.PageFile1}); }
    static QString marks(std::initializer_list<QAction*> items) {
        QString out;
        for (QAction* a : items)
            out += a->isChecked() ? 'x' : '-';
        return out;
    }
    TestServices t;
    TfmVok fm{t.services, QSize(640, 480)};
};

using Throw = std::pair<int, int>;

// The game's generator written out from its definition: seed := seed × 134775813 + 1 modulo
// 2^32, and a die is 1 + the high 32 bits of seed × 6.
int nextDie(quint64& seed) {
    seed = (seed * 134775813ull + 1ull) % 4294967296ull;
    return 1 + int((seed * 6ull) / 4294967296ull);
}

// The first seed whose dice come up as given, throw after throw.
quint32 seedFor(const std::vector<Throw>& throws) {
    for (quint64 start = 0;; ++start) {
        quint64 seed = start;
        if (std::all_of(throws.begin(), throws.end(), [&seed](const Throw& t) {
                const int d1 = nextDie(seed);
                return d1 == t.first && nextDie(seed) == t.second;
            }))
            return quint32(start);
    }
}

// A main window whose game starts with the bank given and its dice thrown as scripted.
struct Table {
    explicit Table(const std::vector<Throw>& throws, const QString& bank = "1000") {
        if (!bank.isEmpty())
            t.settings.write("Bet", "Total", bank);
        fm = std::make_unique<TfmVok>(t.services, QSize(640, 480));
        const quint32 seed = seedFor(throws);
        fm->setDiceSeedSource([seed] { return seed; });
        fm->FormActivate();
        fm->Craps1Click();
    }
    // Rolls as a click on the die does, and gives the message panel.
    QString roll(int die = 1) {
        emit(die == 1 ? fm->Dice1 : fm->Dice2)->clicked();
        return fm->Panel1->text();
    }
    QString status() const { return fm->Panel2->text(); }
    qint32 bank() const { return fm->game().bank; }

    TestServices t;
    std::unique_ptr<TfmVok> fm;
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
        QCOMPARE(Gauges::marks({fm.Megabytes1, fm.Kilobytes1, fm.Total1, fm.Real1}),
                 QString("x-x-"));
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

    void threeDModeHidesThePiesAndPaintsItsOwn() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.N3D1->trigger();
        QVERIFY(fm.N3D1->isChecked());
        QVERIFY(fm.PieGraf1->isHidden() && fm.PieGraf2->isHidden());
        // A repaint of the whole window keeps the 3D pies: red faces where the pies stood.
        fm.repaint();
        const QImage img = fm.centralWidget()->grab().toImage();
        int red = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 220; ++x)
                red += img.pixelColor(x, y) == QColor(255, 0, 0);
        QVERIFY2(red > 1000, qPrintable(QString::number(red)));
        fm.N3D1Click();
        QVERIFY(!fm.N3D1->isChecked());
        QVERIFY(fm.PieGraf1->isVisible() && fm.PieGraf2->isVisible());
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

    // A drive picked shows in each unit alone checked, with its text and size; a drive not
    // ready changes nothing but the message. Activation's return to Mb and Total:
    // activationShowsDriveAndMemory.
    void pickingADriveShowsIt() {
        Gauges f;
        f.pick('d');
        QCOMPARE(f.fm.currentDrive(), 4);
        for (const auto& [unit, text, size, marks] :
             {std::tuple<QAction*, QString, int, QString>{
                  f.fm.Bytes1, QString("%1/%2 Free/Total Bytes").arg(3 * kGiB).arg(4 * kGiB), 10,
                  "--x"},
              {f.fm.Kilobytes1, "3145728 Kb Free / 4194304 Kb Total", 11, "-x-"},
              {f.fm.Megabytes1, "3072 Free Mb / 4096 Mb Total", 12, "x--"}}) {
            unit->trigger(); // through the menu, as the user chooses it
            QCOMPARE(f.fm.Panel1->text(), text);
            QCOMPARE(f.fm.Panel1->fontSize(), size);
            QCOMPARE(f.units(), marks);
        }
        const QString hint = "3072 Free Mb / 4096 Mb Total Type is Hard drive";
        QCOMPARE(f.fm.PieGraf1->hint(), hint);
        f.pick('a');
        QCOMPARE(f.t.dialogs.messages, QStringList{"No Disk Available in Drive A"});
        QCOMPARE(f.fm.PieGraf1->caption(), QString("Drive D"));
        QCOMPARE(f.fm.PieGraf1->percent(), 75);
        QCOMPARE(f.fm.PieGraf1->hint(), hint);
        QCOMPARE(f.fm.Panel1->text(), QString("3072 Free Mb / 4096 Mb Total"));
        QCOMPARE(f.fm.currentDrive(), 1);
    }

    void memoryMeasures() {
        Gauges f;
        f.fm.Real1->trigger();
        QCOMPARE(f.measures(), QString("--x-"));
        QCOMPARE(f.fm.PieGraf2->percent(), 25);
        QCOMPARE(f.fm.Panel1->text(), QString("12582912/4194304/16777216Kb Used/free/total"));
        QCOMPARE(f.fm.Panel1->fontSize(), 11);
        QCOMPARE(f.fm.PieGraf2->hint(), f.fm.Panel1->text());
        f.fm.Virtual1Click();
        QCOMPARE(f.fm.PieGraf2->percent(), 75);
        QCOMPARE(f.fm.Panel1->text(), QString("33554432/134217728Kb Used/total"));
        // No swap: 0 per cent and a readable text, no failure.
        f.fm.PageFile1Click();
        QCOMPARE(f.fm.PieGraf2->percent(), 0);
        QCOMPARE(f.fm.Panel1->text(), QString("0/0/0Kb Used/free/total"));
        QCOMPARE(f.fm.Panel1->fontSize(), 12);
        QVERIFY(f.t.dialogs.errors.isEmpty());
    }

    // The read-out's figures themselves.
    void kbCutsOnlyTheFraction_data() {
        QTest::addColumn<double>("kb");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing point kept") << 5000.5 << 5 << "5000.";
        QTest::newRow("short fits") << 12.75 << 5 << "12.75";
        QTest::newRow("total cut") << 1234.56 << 6 << "1234.5";
        QTest::newRow("long whole part shown whole") << 123456.5 << 5 << "123456";
        QTest::newRow("16 GiB") << 16777216.0 << 6 << "16777216";
        QTest::newRow("whole fits exactly") << 12345.5 << 5 << "12345";
        QTest::newRow("integer") << 512.0 << 5 << "512";
        QTest::newRow("zero") << 0.0 << 5 << "0";
    }
    void kbCutsOnlyTheFraction() {
        QFETCH(double, kb);
        QFETCH(int, width);
        QFETCH(QString, text);
        QCOMPARE(kbText(kb * 1024, width), text);
    }

    void percentagesTieToEven() {
        QCOMPARE(freePercent(200, 1), 0); // 0.5
        QCOMPARE(freePercent(200, 3), 2); // 1.5
        QCOMPARE(freePercent(200, 5), 2); // 2.5
        QCOMPARE(freePercent(1000, 125), 12);
        QCOMPARE(freePercent(0, 0), 0); // no page file
        QCOMPARE(freePercent(100, 100), 100);
    }

    void generatorFollowsItsFormula() {
        DiceRandom r;
        for (quint32 start : {0u, 1u, 49507250u, 4294967295u}) {
            r.seed(start);
            quint64 mine = start;
            for (int i = 0; i < 20; ++i) {
                QCOMPARE(r.die(), nextDie(mine));
                mine = (mine * 134775813ull + 1ull) % 4294967296ull;
                QCOMPARE(quint64(r.below(1000000)), (mine * 1000000ull) >> 32);
            }
            QCOMPARE(quint64(r.currentSeed()), mine);
        }
        QCOMPARE(clockSeed(QTime(13, 45, 7, 250)), 49507250u);
        QCOMPARE(clockSeed(QTime(23, 59, 59, 999)), 86399999u);
    }

    void showingAndHidingTheGame() {
        Table g({{3, 4}}, "");
        QCOMPARE(g.bank(), 500); // nothing stored: an empty bank gets 500
        QCOMPARE(g.fm->game().bet, 100);
        QVERIFY(g.fm->Craps1->isChecked() && g.fm->gameShown());
        QVERIFY(!g.fm->Dice1->isHidden() && !g.fm->Dice2->isHidden() && !g.fm->Panel2->isHidden());
        QCOMPARE(g.status(), QString(" Total 500"));
        QCOMPARE(g.fm->Dice1->value(), 6);
        g.fm->Craps1Click();
        QVERIFY(!g.fm->Craps1->isChecked() && !g.fm->gameShown());
        QVERIFY(g.fm->Dice1->isHidden() && g.fm->Dice2->isHidden() && g.fm->Panel2->isHidden());
    }

    // Throw after throw: what the panel says, then the bank, the point and the status at the end.
    void turns() {
        const struct {
            int bank, point, rollNumber;
            QString status; // empty: not looked at
            std::vector<Throw> throws;
            QStringList said;
        } rows[] = {
            // clang-format off
            {900, 0, 0, "Total 900", {{1, 1}}, {"Hard 2"}},
            {1000, 4, 1, "", {{2, 2}}, {"Little Joe Hard 4"}},
            {1100, 0, 0, "Total 1100", {{5, 6}}, {"Yo 11!"}},
            {1000, 6, 1, "", {{3, 3}}, {"Hard 6"}},
            {1000, 8, 1, "", {{4, 3}, {6, 6}, {5, 3}},
             {"You Win Point is 7", "Hard 12", "Roll Again Point is 8"}},
            // The next turn's come-out starts a new point.
            {900, 6, 1, "", {{2, 4}, {3, 4}, {1, 5}},
             {"Roll Again Point is 6", "You Lose", "Roll Again Point is 6"}},
            {1000, 9, 2, "Total 1000", {{4, 5}, {2, 3}},
             {"Roll Again Point is 9", "Roll Number 2 Point is 9"}},
            // A 2 means nothing once the point is set.
            {1100, 0, 0, "Total 1100", {{4, 5}, {2, 3}, {1, 1}, {6, 3}},
             {"Roll Again Point is 9", "Roll Number 2 Point is 9", "Roll Number 3 Point is 9",
              "You Win"}},
            // clang-format on
        };
        for (const auto& r : rows) {
            const QByteArray name = r.said.join(", ").toUtf8();
            Table g(r.throws);
            QStringList said;
            for (int i = 0; i < r.said.size(); ++i)
                said << g.roll(2 - i % 2); // either die throws
            QCOMPARE(said, r.said);
            QVERIFY2(g.bank() == r.bank, name);
            QVERIFY2(g.fm->game().rollNumber == r.rollNumber, name);
            if (r.point)
                QVERIFY2(g.fm->game().point == r.point, name);
            if (!r.status.isEmpty())
                QVERIFY2(g.status() == r.status, name);
            QVERIFY2(g.fm->Dice1->value() == r.throws.back().first &&
                         g.fm->Dice2->value() == r.throws.back().second,
                     name);
        }
    }

    // Hiding the game keeps the turn; activation drops it and keeps the money.
    void activationDropsTheTurn() {
        Table g({{4, 4}, {4, 4}});
        g.roll();
        g.fm->Craps1Click();
        g.fm->Craps1Click();
        QCOMPARE(g.fm->game().rollNumber, 1);
        g.fm->FormActivate();
        QCOMPARE(g.fm->game().rollNumber, 0);
        QVERIFY(!g.fm->Craps1->isChecked() && g.fm->Dice1->isHidden());
        g.fm->Craps1Click();
        QCOMPARE(g.roll(), QString("Hard 8")); // a come-out again: the same seed, the same dice
    }

    void goingBroke() {
        {
            Table g({{1, 2}}, "50");
            QCOMPARE(g.roll(), QString("You Lose Point is 3"));
            QCOMPARE(g.status(), QString("Total -50"));
            QCOMPARE(g.t.dialogs.messages,
                     QStringList{"You went broke. Fortunately there is a pawn shop nearby and "
                                 "you sell your watch"});
            QCOMPARE(g.bank(), 500);
        }
        {
            Table g({{6, 6}}, "100");
            g.roll();
            QCOMPARE(g.bank(), 0);
            QVERIFY(g.t.dialogs.messages.isEmpty());
            g.fm->FormActivate();
            QCOMPARE(g.bank(), 500);
        }
        {
            // A stored bank at the top of the range is not turned negative by a win.
            Table g({{5, 6}}, "2147483600");
            g.roll();
            QCOMPARE(g.bank(), 2147483647);
            // The bank and the bet are saved at closing.
            g.fm->FormClose();
            QCOMPARE(g.t.settings.read("Bet", "Total"), QString("2147483647"));
            QCOMPARE(g.t.settings.read("Bet", "Bet"), QString("100"));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
