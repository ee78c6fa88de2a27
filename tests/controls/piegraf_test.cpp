#include "controls/Dice.h"
#include "controls/PieGraf.h"
#include "support/DesignFigures.h"
#include "support/PaintCounter.h"
#include <QAccessible>
#include <QtTest>
#include <array>

using namespace vok;
using vok::test::wrongFigures;

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
    // The control as designed when created, before a form gives it values of its own.
    void designFigures() {
        TPieGraf pie;
        // clang-format off
        QCOMPARE(wrongFigures({
            {"size", pie.size(), QSize(100, 100)},
            {"Caption, Percent, ShowText", QVariantList{pie.caption(), pie.percent(), pie.showText()},
                                           QVariantList{"", 0, true}},
            {"MainColor, SliceColor, EdgeColor, fill",
             QVariantList{pie.mainColor(), pie.sliceColor(), pie.edgeColor(), pie.color()},
             QVariantList{32768, 255, 0, 0xC0C0C0}},
            {"font", QVariantList{pie.font().family(), QFontInfo(pie.font()).pixelSize(), pie.fontColor()},
                     QVariantList{"Arial", 11, 0xFFFFFF}},
        }), QString());
        // clang-format on
    }

    // The colours of the upper-right, lower-right, lower-left and upper-left quarters.
    void wedgesFollowPercent() {
        const std::pair<int, std::array<quint32, 4>> rows[] = {
            {0, {kSlice, kSlice, kSlice, kSlice}},
            {25, {kMain, kSlice, kSlice, kSlice}},
            {50, {kMain, kMain, kSlice, kSlice}},
            {75, {kMain, kMain, kMain, kSlice}},
            {100, {kMain, kMain, kMain, kMain}}};
        for (const auto& [percent, quarters] : rows) {
            TPieGraf pie;
            makeTestPie(pie);
            pie.setShowText(false);
            pie.setPercent(percent);
            const QImage img = shot(pie);
            const QPoint at[] = {{70, 28}, {70, 72}, {28, 72}, {28, 28}};
            for (int q = 0; q < 4; ++q)
                QVERIFY2(img.pixelColor(at[q]) == bgr(quarters[std::size_t(q)]),
                         qPrintable(QString("%1 %, quarter %2").arg(percent).arg(q)));
            // Outside the disc box the panel background shows.
            QCOMPARE(img.pixelColor(5, 5), bgr(0xC0C0C0));
        }
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

    void settersRedrawOnlyOnChangeButTheCaption() {
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
        // But the caption always repaints.
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
    // shows it hears of each change); neither takes a value. The die's texts and its one command
    // are the die's own test's.
    void valuesAreReadNotTaken() {
        QAccessible::setActive(true);
        TPieGraf pie;
        TDice die;
        const struct {
            QWidget* control;
            int given, value;
        } rows[] = {{&pie, 37, 37}, {&pie, 150, 100}, {&pie, -5, 0},
                    {&die, 5, 5},   {&die, 0, 0},     {&die, 9, 6}};
        for (const auto& [control, given, value] : rows) {
            const char* property = control == &pie ? "Percent" : "Value";
            control->setProperty(property, given);
            QAccessibleValueInterface* v =
                QAccessible::queryAccessibleInterface(control)->valueInterface();
            QVERIFY2(v, property);
            QCOMPARE(v->currentValue().toInt(), value);
            QCOMPARE(control->property(property).toInt(), value);
            v->setCurrentValue(value == 0 ? 1 : 0);
            QCOMPARE(v->currentValue().toInt(), value);
            QCOMPARE(v->minimumValue().toInt(), 0);
            QCOMPARE(v->maximumValue().toInt(), control == &pie ? 100 : 6);
        }
        pie.setCaption("Drive C");
        pie.setPercent(37);
        pie.setHint("500 Free Mb / 1023 Mb Total Type is Hard drive");
        QAccessibleInterface* texts = QAccessible::queryAccessibleInterface(&pie);
        QCOMPARE(texts->text(QAccessible::Name), QString("Drive C"));
        QCOMPARE(texts->text(QAccessible::Value), QString("37%"));
        QCOMPARE(texts->text(QAccessible::Description),
                 QString("500 Free Mb / 1023 Mb Total Type is Hard drive"));
        QCOMPARE(texts->actionInterface()->actionNames(), QStringList());
    }
};

QTEST_MAIN(PieGrafTest)
#include "piegraf_test.moc"
