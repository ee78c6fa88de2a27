#include "controls/GdiPie.h"
#include "controls/Pie3D.h"
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>

using namespace vok;

namespace {

const QColor kRed(255, 0, 0);           // face 255
const QColor kRedShade(191, 0, 0);      // 191
const QColor kYellow(255, 255, 0);      // wedge 65535
const QColor kYellowShade(255, 191, 0); // 49151

QImage paint(int percent, int left, int top, int width, const QString& caption = QString()) {
    QImage img(left + width + 20, top + width + 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    Draw3DPie(p, percent, left, top, width, 255, 65535, caption);
    return img;
}

// The pixel at `share` of a full turn clockwise from 12 o'clock, `reach` of the way from the
// centre of the face (left, top)-(left + width, top + width / 2) to its rim.
QColor at(const QImage& img, int left, int top, int width, double share, double reach = 0.6) {
    const double a = width / 2.0, b = width / 4.0;
    const double t = share * 2 * M_PI;
    const int x = qRound(left + a + reach * a * std::sin(t));
    const int y = qRound(top + b - reach * b * std::cos(t));
    return img.pixelColor(x, y);
}

int countDark(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.pixelColor(x, y).lightness() < 60;
    return n;
}

// The pie in a box, filled black on white.
QImage draw(int w, int h, QPoint start, QPoint end) {
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
bool filledAt(const QImage& img, int w, int h, double deg, double reach = 0.8) {
    const double a = w / 2.0, b = h / 2.0, t = deg * M_PI / 180;
    // Distance to the ellipse along the ray.
    const double r = 1 / std::sqrt(std::pow(std::cos(t) / a, 2) + std::pow(std::sin(t) / b, 2));
    const int x = int(std::lround(a + reach * r * std::cos(t)));
    const int y = int(std::lround(b - reach * r * std::sin(t)));
    return img.pixelColor(x, y) == QColor(Qt::black);
}

} // namespace

// The flat pie primitive and the 3D pie drawn with it.
class PieDrawingTest : public QObject {
    Q_OBJECT
private slots:
    // Counterclockwise from the start ray to the end ray, each meeting the ellipse where it
    // points; equal rays give the whole ellipse.
    void pieCoversTheArcBetweenItsRays() {
        const struct {
            int w, h;
            QPoint start, end;
            QList<double> filled, empty; // polar angles
        } rows[] = {
            {100, 100, {100, 50}, {50, 0}, {45}, {135, 300}}, // 3 to 12 o'clock: one quarter
            {100, 100, {50, 0}, {100, 50}, {135, 300}, {45}}, // the other three
            // The start ray at the box's corner, 26.6 degrees up as seen; the end straight up.
            {200, 100, {200, 0}, {100, 0}, {35, 85}, {20, 95}},
            {100, 60, {50, 0}, {50, 0}, {10, 100, 200, 300}, {}},
        };
        for (const auto& r : rows) {
            const QImage img = draw(r.w, r.h, r.start, r.end);
            for (const bool filled : {true, false})
                for (double deg : filled ? r.filled : r.empty)
                    QVERIFY2(filledAt(img, r.w, r.h, deg) == filled,
                             qPrintable(QString("%1x%2 from %3,%4: %5")
                                            .arg(r.w)
                                            .arg(r.h)
                                            .arg(r.start.x())
                                            .arg(r.start.y())
                                            .arg(deg)));
        }
        QCOMPARE(gdiPieSpan(0, 0, 100, 60, QPoint(50, 0), QPoint(50, 0)), 360.0);
    }

    void shadesAreThreeQuartersRoundedToEven() {
        QCOMPARE(pieShade(255), 191u);
        QCOMPARE(pieShade(65535), 49151u);
        QCOMPARE(pieShade(2), 2u); // 1.5 goes to the even 2
        QCOMPARE(pieShade(6), 4u); // 4.5 goes to the even 4
        QCOMPARE(pieShade(0xFFFFFFFF), 3221225471u);
    }

    void quarterLiesInTheUpperRightOfBothFacesAndTheSideIsBlack() {
        const QImage img = paint(25, 0, 0, 100);
        for (int top : {0, 50}) { // upper face, then lower face
            const QColor wedge = top ? kYellowShade : kYellow;
            const QColor face = top ? kRedShade : kRed;
            QCOMPARE(at(img, 0, top, 100, 0.05, 0.8), wedge);
            QCOMPARE(at(img, 0, top, 100, 0.20, 0.8), wedge);
            QCOMPARE(at(img, 0, top, 100, 0.30, 0.8), face);
            QCOMPARE(at(img, 0, top, 100, 0.70, 0.8), face);
            QCOMPARE(at(img, 0, top, 100, 0.95, 0.8), face);
        }
        // The side is black between the faces; nothing is drawn below or beside them.
        QCOMPARE(img.pixelColor(2, 50), QColor(Qt::black));
        QCOMPARE(img.pixelColor(97, 50), QColor(Qt::black));
        QCOMPARE(img.pixelColor(50, 110), QColor(Qt::white));
        QCOMPARE(img.pixelColor(101, 50), QColor(Qt::white));
    }

    // The wedge colour fills the first `percent` of a turn clockwise, wherever the pie stands.
    void wedgeCoversItsShareOfTheFace() {
        for (auto [percent, origin] :
             {std::pair{0, QPoint(0, 0)}, std::pair{50, QPoint(0, 0)},
              std::pair{50, QPoint(37, 211)}, std::pair{100, QPoint(0, 0)}}) {
            const QImage img = paint(percent, origin.x(), origin.y(), 120);
            for (double share : {0.1, 0.25, 0.4, 0.6, 0.75, 0.9})
                QVERIFY2(at(img, origin.x(), origin.y(), 120, share) ==
                             (share * 100 < percent ? kYellow : kRed),
                         qPrintable(QString("%1 %, share %2").arg(percent).arg(share)));
        }
    }

    void labelsAreWrittenOnTheLowerFace() {
        // No wedge, so no radius crosses the text boxes.
        const QImage bare = paint(0, 0, 0, 200);
        const QImage labelled = paint(0, 0, 0, 200, "Disk");
        // Lower face (0, 100)-(200, 200): cx 100, cy 150; percentage at y 113, caption at 149.
        const QRect percentText(90, 113, 40, 12);
        const QRect captionText(84, 149, 30, 12);
        QVERIFY(countDark(bare, percentText) > 5);
        QVERIFY(countDark(labelled, captionText) > 5);
        QCOMPARE(countDark(bare, captionText), 0);
        // The text sits on the wedge colour.
        QCOMPARE(labelled.pixelColor(85, 149), kYellow);
    }
};

QTEST_MAIN(PieDrawingTest)
#include "pie_drawing_test.moc"
