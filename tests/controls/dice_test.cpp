#include "controls/Dice.h"
#include "support/DesignFigures.h"
#include "support/PaintCounter.h"
#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

using namespace vok;
using vok::test::wrongFigures;

namespace {

constexpr quint32 kBack = 0x0000FF; // red
constexpr quint32 kFace = 0x00FF00; // green

// Pip boxes in units, as the die's face is laid out.
struct Box {
    const char* name;
    int left, top;
};
constexpr Box kBoxes[] = {{"top-left", 2, 2},      {"top-right", 10, 2},    {"middle-left", 2, 6},
                          {"centre", 6, 6},        {"middle-right", 10, 6}, {"bottom-left", 2, 10},
                          {"bottom-right", 10, 10}};

// The boxes holding a pip for each value, by name.
const QList<QStringList> kExpected = {
    {},
    {"centre"},
    {"top-left", "bottom-right"},
    {"centre", "top-left", "bottom-right"},
    {"top-left", "bottom-right", "bottom-left", "top-right"},
    {"top-left", "bottom-right", "bottom-left", "top-right", "centre"},
    {"top-left", "bottom-right", "bottom-left", "top-right", "middle-left", "middle-right"},
};

// The rectangle covered by black pixels inside the area.
QRect blackExtent(const QImage& img, const QRect& area) {
    QRect r;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixelColor(x, y) == Qt::black)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

} // namespace

class DiceTest : public QObject {
    Q_OBJECT
private slots:
    void valuesAndSizesAreClampedAndTheSizeFollowsAtPaint() {
        TDice die;
        QCOMPARE(wrongFigures({{"Value", die.value(), 1},
                               {"DiceSize", die.diceSize(), 2},
                               {"BackColor", die.backColor(), 0xC0C0C0},
                               {"DiceColor", die.diceColor(), 0xFFFFFF},
                               {"size", die.size(), QSize(30, 30)}}),
                 QString());
        die.setValue(7);
        QCOMPARE(die.value(), 6);
        die.setValue(-1);
        QCOMPARE(die.value(), 0);

        die.show();
        QVERIFY(QTest::qWaitForWindowExposed(&die));
        die.setDiceSize(0);
        QCOMPARE(die.diceSize(), 1);
        QTRY_COMPARE(die.size(), QSize(15, 15));
        die.setDiceSize(9);
        QCOMPARE(die.diceSize(), 6);
        QTRY_COMPARE(die.size(), QSize(90, 90));
        QCOMPARE(die.face().size(), QSize(90, 90));
        // Every setter paints before it returns, also for the value the die already has.
        PaintCounter counter;
        die.installEventFilter(&counter);
        die.setValue(die.value());
        die.setDiceSize(die.diceSize());
        die.setBackColor(die.backColor());
        die.setDiceColor(die.diceColor());
        QCOMPARE(counter.paints, 4);
    }

    void faceOfSizeTwoHasSixBySixPipsInTheirBoxes() {
        TDice die;
        die.setBackColor(kBack);
        die.setDiceColor(kFace);
        for (int value = 0; value <= 6; ++value) {
            die.setValue(value);
            const QImage img = die.face().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(img.size(), QSize(30, 30));
            // Outside the rounded rim, the back colour; inside it the face, black outline.
            QCOMPARE(img.pixelColor(0, 0), QColor(Qt::red));
            QCOMPARE(img.pixelColor(15, 0), QColor(Qt::black));
            QCOMPARE(img.pixelColor(15, 29), QColor(Qt::black));
            QCOMPARE(img.pixelColor(2, 15), QColor(Qt::green));
            for (const Box& box : kBoxes) {
                // The box with one pixel of margin, so a pip drawn too large shows.
                const QRect around(box.left * 2 - 1, box.top * 2 - 1, 8, 8);
                const QRect pip = kExpected[value].contains(box.name)
                                      ? QRect(box.left * 2, box.top * 2, 6, 6)
                                      : QRect();
                QVERIFY2(blackExtent(img, around) == pip,
                         qPrintable(QString("value %1, %2").arg(value).arg(box.name)));
            }
        }
    }

    void clicksKeysAndAssistiveTechnologyRollAlike() {
        QWidget window;
        auto* die = new TDice(&window);
        die->setToolTip("Click to Roll ");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(die, &TDice::clicked);
        QTest::mouseClick(die, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
        // Pressed on the die but let go elsewhere: no click.
        QTest::mousePress(die, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(die, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(clicks.count(), 1);

        die->setFocus();
        QTest::keyClick(die, Qt::Key_Space);
        QTest::keyClick(die, Qt::Key_Return);
        QTest::keyClick(die, Qt::Key_A);
        QCOMPARE(clicks.count(), 3);

        die->setValue(5);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(die);
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), QString("Die"));
        QCOMPARE(a->text(QAccessible::Value), QString("5"));
        QCOMPARE(a->text(QAccessible::Description), QString("Click to Roll"));
        QVERIFY(a->state().focusable);
        QAccessibleActionInterface* act = a->actionInterface();
        QVERIFY(act);
        QCOMPARE(act->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        act->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 4);
    }
};

QTEST_MAIN(DiceTest)
#include "dice_test.moc"
