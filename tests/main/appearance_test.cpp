#include "controls/DriveComboBox.h"
#include "controls/PieGraf.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

class AppearanceTest : public QObject {
    Q_OBJECT
private slots:
    void largePresetOn640Screen() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        fm.Large1Click();
        QCOMPARE(fm.size(), QSize(560, 320));
        QCOMPARE(fm.PieGraf2->geometry(), QRect(8, 0, 200, 200));
        QCOMPARE(fm.PieGraf1->geometry(), QRect(212, 0, 200, 200));
        QCOMPARE(fm.Panel1->geometry(), QRect(8, 204, 400, 50));
        QCOMPARE(fm.DriveComboBox1->x(), 416);
        QCOMPARE(fm.DriveComboBox1->width(), 136);
        QCOMPARE(fm.DriveComboBox1->y(), 0);
        QCOMPARE(fm.PieGraf1->font().pointSize(), 12);
        QCOMPARE(fm.Panel1->fontSize(), 12);
    }

    void presetsGiveTheirPickerWidths_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QSize>("form");
        QTest::addColumn<int>("pickerLeft");
        QTest::addColumn<int>("pickerWidth");
        QTest::newRow("small") << 0 << QSize(315, 188) << 216 << 91;
        QTest::newRow("medium") << 1 << QSize(455, 228) << 354 << 93;
        QTest::newRow("large") << 2 << QSize(560, 320) << 416 << 136;
    }
    void presetsGiveTheirPickerWidths() {
        QFETCH(int, preset);
        QFETCH(QSize, form);
        QFETCH(int, pickerLeft);
        QFETCH(int, pickerWidth);
        TestServices t;
        TfmVok fm(QSize(640, 480));
        fm.Large1Click(); // presets are absolute: the last one wins
        if (preset == 0)
            fm.Small1Click();
        else if (preset == 1)
            fm.Medium1Click();
        else
            fm.Large1Click();
        QCOMPARE(fm.size(), form);
        QCOMPARE(fm.DriveComboBox1->x(), pickerLeft);
        QCOMPARE(fm.DriveComboBox1->width(), pickerWidth);
    }

    void presetRescalesOnOtherScreens() {
        TestServices t;
        TfmVok fm(QSize(1280, 960));
        fm.Small1Click();
        QCOMPARE(fm.size(), QSize(630, 376));
        QCOMPARE(fm.PieGraf1->geometry(), QRect(224, 0, 200, 200));
        QCOMPARE(fm.Panel1->fontSize(), 20);
        fm.Medium1Click();
        fm.Small1Click();
        QCOMPARE(fm.DriveComboBox1->height(), 44); // rescaled once, not once per preset
    }

    void everyFontSizeFollowsTheScreen() {
        TestServices t;
        TfmVok fm(QSize(1280, 1024)); // twice the design size
        fm.FormActivate();
        QCOMPARE(fm.Panel1->fontSize(), 24); // the read-out's 12 of Mb and Total
        fm.Bytes1Click();
        QCOMPARE(fm.Panel1->fontSize(), 20);
        fm.Kilobytes1Click();
        QCOMPARE(fm.Panel1->fontSize(), 22);
        fm.Real1Click();
        QCOMPARE(fm.Panel1->fontSize(), 22);
        fm.Large1Click();
        QCOMPARE(fm.Panel1->fontSize(), 24);
        fm.PageFile1Click();
        QCOMPARE(fm.Panel1->fontSize(), 24);
        fm.SettoDefault1Click();
        QCOMPARE(fm.PieGraf1->font().pointSize(), 16);
    }

    void fontsStayLegible() {
        QFont pixels("Arial");
        pixels.setPixelSize(8);
        QCOMPARE(scaledFont(pixels, 800, 640).pixelSize(), 11);
        pixels.setPixelSize(16);
        QCOMPARE(scaledFont(pixels, 1280, 640).pixelSize(), 32);
        QFont points("Arial");
        points.setPointSize(10);
        QCOMPARE(scaledFont(points, 320, 640).pointSizeF(), 8.0);
        QCOMPARE(scaledFont(points, 960, 640).pointSizeF(), 15.0);
    }

    void longReadOutShrinksToFitItsPanel() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fm));
        fm.Panel1->setFontSize(11);
        fm.Panel1->setText("12582912/4194304/16777216Kb Used/free/total");
        const QImage img = fm.Panel1->grab().toImage();
        // Yellow text reaches neither edge of the panel: it was fitted, not cut.
        auto yellowInColumn = [&img](int x) {
            for (int y = 0; y < img.height(); ++y)
                if (img.pixelColor(x, y).red() > 200 && img.pixelColor(x, y).green() > 200 &&
                    img.pixelColor(x, y).blue() < 80)
                    return true;
            return false;
        };
        QVERIFY(!yellowInColumn(3));
        QVERIFY(!yellowInColumn(img.width() - 4));
        bool any = false;
        for (int x = 0; x < img.width(); ++x)
            any = any || yellowInColumn(x);
        QVERIFY(any);
        QCOMPARE(fm.Panel1->fontSize(), 11); // the size the read-out asked for is kept
    }

    void setToDefaultAndColourCommands() {
        TestServices t;
        TfmVok fm(QSize(640, 480));
        fm.SettoDefault1Click();
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(255));
        QCOMPARE(fm.PieGraf1->sliceColor(), quint32(32768));
        QCOMPARE(fm.PieGraf1->fontColor(), quint32(0));
        QCOMPARE(fm.PieGraf1->font().pointSize(), 8);
        QCOMPARE(fm.PieGraf2->mainColor(), quint32(65535)); // the other pie is untouched

        t.dialogs.colors = {quint32(0xFF0000), std::nullopt, quint32(0x00FF00)};
        fm.Free1Click();
        fm.UsedSpace1Click(); // cancelled
        fm.PieSlice1Click();
        QCOMPARE(fm.PieGraf2->mainColor(), quint32(0xFF0000));
        QCOMPARE(fm.PieGraf2->sliceColor(), quint32(16711680));
        QCOMPARE(fm.PieGraf1->sliceColor(), quint32(0x00FF00));

        QFont chosen("Liberation Serif");
        chosen.setPointSize(11);
        t.dialogs.fonts = {FontChoice{chosen, 0x123456}};
        fm.TextFont2Click();
        QCOMPARE(fm.PieGraf2->font().family(), QString("Liberation Serif"));
        QCOMPARE(fm.PieGraf2->font().pointSize(), 11);
        QCOMPARE(fm.PieGraf2->fontColor(), quint32(0x123456));
        QCOMPARE(t.dialogs.fontInitials.size(), 1);
    }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
