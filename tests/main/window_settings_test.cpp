#include "controls/PieGraf.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QAction>
#include <QtTest>

using namespace vok;

namespace {
QColor bgr(quint32 c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
} // namespace

class WindowSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunFontsAndWhatClosingStores() {
        TestServices t;
        t.settings.write("Dir", "DirColor", "7");
        t.settings.write("Files", "FontName", "Courier New");
        TfmVok fm(t.services, QSize(640, 480));
        QCOMPARE(fm.PieGraf1->font().family(), QString("Arial"));
        QCOMPARE(fm.PieGraf1->font().pointSize(), 8);
        QCOMPARE(fm.PieGraf2->font().pointSize(), 8);
        QCOMPARE(fm.PieGraf2->fontColor(), quint32(4194304)); // design colour kept
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(8454016));
        QCOMPARE(fm.display().AllColor, 32768);
        QCOMPARE(fm.display().AllSlice, 255);
        fm.FormClose();
        QCOMPARE(t.settings.read("Disk1", "FontName"), std::optional<QString>("Arial"));
        QCOMPARE(t.settings.read("Disk1", "Fontsize"), std::optional<QString>("8"));
        QCOMPARE(t.settings.read("Disk1", "Fontcolor"), std::nullopt); // black is not stored
        QCOMPARE(t.settings.read("Disk2", "FontName"), std::optional<QString>("Arial"));
        QCOMPARE(t.settings.read("Disk2", "Fontsize"), std::optional<QString>("8"));
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("8454016"));
        QCOMPARE(t.settings.read("Settings", "AllColor"), std::optional<QString>("32768"));
        QCOMPARE(t.settings.read("Settings", "AllSlice"), std::optional<QString>("255"));
        QCOMPARE(t.settings.read("Dir", "DirColor"), std::optional<QString>("7")); // untouched
        // Neither screen was opened: their sections stay exactly as they were.
        QCOMPARE(t.settings.names("Dir"), QStringList{"DirColor"});
        QCOMPARE(t.settings.names("Files"), QStringList{"FontName"});
        QCOMPARE(t.settings.saves, 1);
        QVERIFY(t.dialogs.errors.isEmpty());
    }

    void storedColoursAndFontsAreApplied() {
        TestServices t;
        t.settings.write("Settings", "pie1color", "0xFF");
        t.settings.write("Settings", "Pie2Slice", "blue");
        t.settings.write("Disk2", "Fontsize", "14");
        t.settings.write("Disk2", "Fontcolor", "255");
        TfmVok fm(t.services, QSize(640, 480));
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(255));
        QCOMPARE(fm.PieGraf2->sliceColor(), quint32(16711680)); // unreadable: design colour
        QCOMPARE(fm.PieGraf2->font().pointSize(), 8);
        QCOMPARE(fm.PieGraf2->fontColor(), quint32(255));
    }

    void blackIsShownButNotStoredAndTheDefaultsAre() {
        TestServices t;
        t.settings.write("Settings", "Pie1Color", "65280");
        TfmVok fm(t.services, QSize(640, 480));
        t.dialogs.colors = {quint32(0)};
        fm.FreeSpace1Click();
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(0));
        fm.FormClose();
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("65280"));
        // Set to Default is stored.
        fm.SettoDefault1Click();
        fm.FormClose();
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("255"));
        QCOMPARE(t.settings.read("Settings", "Pie1Slice"), std::optional<QString>("32768"));
    }

    void resetThenCloseLeavesNothing() {
        TestServices t;
        t.settings.write("Bet", "Total", "900");
        t.settings.write("Settings", "Pie1Color", "255");
        t.settings.write("Files", "FontSize", "9");
        TfmVok fm(t.services, QSize(640, 480));
        t.dialogs.answers = {Answer::No, Answer::Cancel, Answer::Yes};
        fm.ResetSettings1Click();
        fm.ResetSettings1Click();
        QVERIFY(!fm.settingsCleared());
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("255"));
        QVERIFY(t.dialogs.messages.isEmpty());
        fm.ResetSettings1->trigger();
        QVERIFY(fm.settingsCleared());
        QCOMPARE(t.dialogs.confirmations,
                 QStringList(3, "Are you sure you wish to clear all saved settings?"));
        QCOMPARE(t.dialogs.confirmButtons, QList<Buttons>(3, Buttons::YesNoCancel));
        fm.FormClose();
        QVERIFY(t.settings.sections().isEmpty());
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
                red += img.pixelColor(x, y) == bgr(255);
        QVERIFY2(red > 1000, qPrintable(QString::number(red)));
        fm.N3D1Click();
        QVERIFY(!fm.N3D1->isChecked());
        QVERIFY(fm.PieGraf1->isVisible() && fm.PieGraf2->isVisible());
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "window_settings_test.moc"
