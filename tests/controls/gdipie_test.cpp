#include "controls/GdiPie.h"
#include <QPainter>
#include <QtTest>
#include <cmath>

using namespace vok;

class GdiPieTest : public QObject {
    Q_OBJECT

    // The pie in a box, filled black on white.
    static QImage draw(int w, int h, QPoint start, QPoint end) {
        QImage img(w + 2, h + 2, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        gdiPie(p, 0, 0, w, h, start, end);
        return img;
    }
    // Whether the point at this polar angle (degrees, counterclockwise from 3 o'clock as seen)
    // and this fraction of the way to the ellipse is filled.
    static bool filledAt(const QImage& img, int w, int h, double deg, double reach = 0.8) {
        const double a = w / 2.0, b = h / 2.0, t = deg * M_PI / 180;
        // Distance to the ellipse along the ray.
        const double r = 1 / std::sqrt(std::pow(std::cos(t) / a, 2) + std::pow(std::sin(t) / b, 2));
        const int x = int(std::lround(a + reach * r * std::cos(t)));
        const int y = int(std::lround(b - reach * r * std::sin(t)));
        return img.pixelColor(x, y) == QColor(Qt::black);
    }

private slots:
    void arcRunsCounterclockwiseFromStartToEnd() {
        // Start at 3 o'clock, end at 12: the upper-right quarter only.
        const QImage img = draw(100, 100, QPoint(100, 50), QPoint(50, 0));
        QVERIFY(filledAt(img, 100, 100, 45));
        QVERIFY(!filledAt(img, 100, 100, 135));
        QVERIFY(!filledAt(img, 100, 100, 300));
        // The other way round covers the other three quarters.
        const QImage rest = draw(100, 100, QPoint(50, 0), QPoint(100, 50));
        QVERIFY(!filledAt(rest, 100, 100, 45));
        QVERIFY(filledAt(rest, 100, 100, 135) && filledAt(rest, 100, 100, 300));
    }

    void raysMeetAFlatEllipseWhereTheyPoint() {
        // A 200 x 100 ellipse; the start ray points at the box's top-right corner, 26.6 degrees
        // up as seen, and the end ray straight up.
        const QImage img = draw(200, 100, QPoint(200, 0), QPoint(100, 0));
        QVERIFY(filledAt(img, 200, 100, 35));
        QVERIFY(filledAt(img, 200, 100, 85));
        QVERIFY(!filledAt(img, 200, 100, 20));
        QVERIFY(!filledAt(img, 200, 100, 95));
    }

    void equalRaysGiveTheWholeEllipse() {
        const QImage img = draw(100, 60, QPoint(50, 0), QPoint(50, 0));
        for (double deg : {10.0, 100.0, 200.0, 300.0})
            QVERIFY(filledAt(img, 100, 60, deg));
        QCOMPARE(gdiPieSpan(0, 0, 100, 60, QPoint(50, 0), QPoint(50, 0)), 360.0);
    }
};

QTEST_MAIN(GdiPieTest)
#include "gdipie_test.moc"
