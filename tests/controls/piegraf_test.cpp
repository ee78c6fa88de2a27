#include "controls/Dice.h"
#include "controls/PieGraf.h"
#include "support/PaintCounter.h"
#include <QAccessible>
#include <QtTest>

using namespace vok;

namespace {

constexpr quint32 kMain = 0x008000;  // green
constexpr quint32 kSlice = 0x0000FF; // red
constexpr quint32 kText = 0xFF0000;  // blue, seen nowhere else

QColor bgr(quint32 c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QImage shot(TPieGraf& pie) {
    return pie.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The rectangle covered by pixels of exactly this colour inside the area.
QRect extent(const QImage& img, quint32 colour, const QRect& area) {
    QRect r;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixelColor(x, y) == bgr(colour))
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

void makeTestPie(TPieGraf& pie) {
    pie.setMainColor(kMain);
    pie.setSliceColor(kSlice);
    pie.setFontColor(kText);
    QFont f("Arial");
    f.setPixelSize(11);
    f.setStyleStrategy(QFont::NoAntialias);
    pie.setFont(f);
}

} // namespace

class PieGrafTest : public QObject {
    Q_OBJECT
private slots:
    // Percent, colours and showText defaults are pinned by settersRedrawOnlyOnChange, the panel
    // colour by the background pixel in wedgesFollowPercent.
    void defaults() {
        TPieGraf pie;
        QCOMPARE(pie.size(), QSize(100, 100));
        QCOMPARE(pie.caption(), QString());
        QCOMPARE(pie.font().family(), QString("Arial"));
        QCOMPARE(pie.fontColor(), quint32(0xFFFFFF));
    }

    void wedgesFollowPercent_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<quint32>("upperRight");
        QTest::addColumn<quint32>("lowerRight");
        QTest::addColumn<quint32>("lowerLeft");
        QTest::addColumn<quint32>("upperLeft");
        QTest::newRow("0") << 0 << kSlice << kSlice << kSlice << kSlice;
        QTest::newRow("25") << 25 << kMain << kSlice << kSlice << kSlice;
        QTest::newRow("50") << 50 << kMain << kMain << kSlice << kSlice;
        QTest::newRow("75") << 75 << kMain << kMain << kMain << kSlice;
        QTest::newRow("100") << 100 << kMain << kMain << kMain << kMain;
    }
    void wedgesFollowPercent() {
        QFETCH(int, percent);
        QFETCH(quint32, upperRight);
        QFETCH(quint32, lowerRight);
        QFETCH(quint32, lowerLeft);
        QFETCH(quint32, upperLeft);
        TPieGraf pie;
        makeTestPie(pie);
        pie.setShowText(false);
        pie.setPercent(percent);
        const QImage img = shot(pie);
        QCOMPARE(img.pixelColor(70, 28), bgr(upperRight));
        QCOMPARE(img.pixelColor(70, 72), bgr(lowerRight));
        QCOMPARE(img.pixelColor(28, 72), bgr(lowerLeft));
        QCOMPARE(img.pixelColor(28, 28), bgr(upperLeft));
        // Outside the disc box the panel background shows.
        QCOMPARE(img.pixelColor(5, 5), bgr(0xC0C0C0));
    }

    void textsSitAtTheirPositionsUnlessHidden() {
        TPieGraf pie;
        makeTestPie(pie);
        pie.setCaption("Disk");
        pie.setPercent(42);
        const QImage img = shot(pie);
        // The caption is written from (39, 47), the figure from y = 72, both on the main colour.
        const QRect caption = extent(img, kText, QRect(0, 40, 100, 25));
        QVERIFY(!caption.isEmpty());
        QVERIFY2(caption.left() >= 39 && caption.left() <= 41,
                 qPrintable(QString::number(caption.left())));
        QVERIFY(caption.top() >= 47);
        const QRect figure = extent(img, kText, QRect(0, 70, 100, 26));
        QVERIFY(!figure.isEmpty());
        QVERIFY(figure.top() >= 72);
        QCOMPARE(img.pixelColor(40, 47 + 1), bgr(kMain)); // opaque text background
        pie.setShowText(false);
        QVERIFY(extent(shot(pie), kText, pie.rect()).isEmpty());
        // At 0 % the texts are written on the slice colour.
        pie.setShowText(true);
        pie.setPercent(0);
        const QImage zero = shot(pie);
        QVERIFY(!extent(zero, kText, QRect(0, 40, 100, 56)).isEmpty());
        QVERIFY(extent(zero, kMain, zero.rect()).isEmpty());
    }

    void settersRedrawOnlyOnChange() {
        TPieGraf pie;
        const int start = pie.drawCount();
        pie.setPercent(0);
        pie.setMainColor(32768);
        pie.setSliceColor(255);
        pie.setEdgeColor(0);
        pie.setShowText(true);
        QCOMPARE(pie.drawCount(), start);
        pie.setPercent(10);
        pie.setMainColor(1);
        pie.setSliceColor(2);
        pie.setEdgeColor(3);
        pie.setShowText(false);
        QCOMPARE(pie.drawCount(), start + 5);
    }

    void captionAlwaysRepaints() {
        TPieGraf pie;
        pie.setCaption("Disk");
        pie.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pie));
        PaintCounter counter;
        pie.installEventFilter(&counter);
        QCoreApplication::processEvents();
        counter.paints = 0;
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
        pie.setCaption("Disk"); // the same text still repaints
        QTRY_VERIFY(counter.paints > 0);
    }

    // A pie's texts and percentage and a die's pips as a screen reader reads them (the live test
    // shows it hears of each change); neither takes a value nor offers a command that does nothing.
    void valuesAreReadNotTaken() {
        QAccessible::setActive(true);
        TPieGraf pie;
        TDice die;
        const struct {
            QWidget* control;
            int given, value;
        } rows[] = {
            {&pie, 37, 37}, {&pie, 150, 100}, {&pie, -5, 0},
            {&die, 5, 5},   {&die, 0, 0},     {&die, 9, 6},
        };
        for (const auto& r : rows) {
            if (r.control == &pie)
                pie.setPercent(r.given);
            else
                die.setValue(r.given);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r.control);
            QAccessibleValueInterface* v = a->valueInterface();
            QVERIFY2(v, qPrintable(a->text(QAccessible::Name)));
            QCOMPARE(v->currentValue().toInt(), r.value);
            QCOMPARE(r.control == &pie ? pie.percent() : die.value(), r.value);
            v->setCurrentValue(r.value == 0 ? 1 : 0);
            QCOMPARE(v->currentValue().toInt(), r.value);
        }
        pie.setCaption("Drive C");
        pie.setPercent(37);
        pie.setHint("500 Free Mb / 1023 Mb Total Type is Hard drive");
        QAccessibleInterface* texts = QAccessible::queryAccessibleInterface(&pie);
        QCOMPARE(texts->text(QAccessible::Name), QString("Drive C"));
        QCOMPARE(texts->text(QAccessible::Value), QString("37%"));
        QCOMPARE(texts->text(QAccessible::Description),
                 QString("500 Free Mb / 1023 Mb Total Type is Hard drive"));
        for (auto [control, maximum, actions] :
             {std::tuple<QWidget*, int, QStringList>{&pie, 100, {}},
              {&die, 6, {QAccessibleActionInterface::pressAction()}}}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
            QCOMPARE(a->valueInterface()->minimumValue().toInt(), 0);
            QCOMPARE(a->valueInterface()->maximumValue().toInt(), maximum);
            QCOMPARE(a->actionInterface()->actionNames(), actions);
        }
    }
};

QTEST_MAIN(PieGrafTest)
#include "piegraf_test.moc"
