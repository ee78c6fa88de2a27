#include "controls/PieGraf.h"
#include "diskscreens/Unit3.h"
#include "main/Unit1.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

namespace {

constexpr qint64 kMb = 1048576;

// Drives with the letters given, each 100 Mb free of 400 Mb; C replaces the default one.
void addDrives(TestServices& t, const QString& letters) {
    for (QChar l : letters)
        t.drives.add(l, l == 'C' ? QString("/") : "/mnt/" + QString(l.toLower()), DriveType::Fixed,
                     100 * kMb, 400 * kMb);
}

QStringList shownCaptions(const TfmAlldisk& f) {
    QStringList captions;
    for (const TPieGraf* pie : f.PieGraf)
        if (!pie->isHidden())
            captions << pie->caption();
    return captions;
}

} // namespace

class AllDisksScreenTest : public QObject {
    Q_OBJECT
private slots:
    void threeDrivesAGapAndTheFreeShare() {
        TestServices t;
        addDrives(t, "CDE");
        TestScreenContext context;
        TfmAlldisk f(t.services, context);
        f.FormActivate();
        QCOMPARE(shownCaptions(f), (QStringList{"Drive C", "Drive D", "Drive E"}));
        QCOMPARE(f.height(), 130);
        QCOMPARE(f.PieGraf[1]->hint(), QString("100 Free Mb / 400 Mb Total Type is Hard drive"));
        QCOMPARE(f.PieGraf[0]->percent(), 25);
        QCOMPARE(f.windowTitle(), QString("900Mb /1200 Mb used/total"));
        t.drives.remove('D');
        t.drives.remove('E');
        addDrives(t, "F");
        t.drives.add('G', "/mnt/net", DriveType::Network, -1, -1); // does not answer
        t.drives.add('H', "/mnt/cd", DriveType::CdRom, 0, 0);      // no medium
        f.FormActivate();
        QCOMPARE(shownCaptions(f), (QStringList{"Drive C", "Drive F"}));
        QCOMPARE(f.PieGraf[1]->caption(), QString("Drive F"));
        QCOMPARE(f.PieGraf[0]->mainColor(), quint32(32768)); // the free share's colour
        // Halves to even: 12.5 % free shows 12, 37.5 % shows 38.
        for (const auto& [freeMb, shown] : {std::pair{100, 12}, std::pair{300, 38}}) {
            t.drives.add('C', "/", DriveType::Fixed, freeMb * kMb, 800 * kMb);
            f.FormActivate();
            QCOMPARE(f.PieGraf[0]->percent(), shown);
        }
    }

    void noDriveAnswersAndADriveAppears() {
        TestServices t;
        t.drives.setSpace('C', -1, -1);
        TestScreenContext context;
        TfmAlldisk f(t.services, context);
        f.FormActivate();
        QCOMPARE(shownCaptions(f), QStringList{});
        QCOMPARE(f.height(), 130);
        QCOMPARE(f.windowTitle(), QString("0Mb /0 Mb used/total"));
        // Shown again after a drive appeared: it is there, the height stays.
        addDrives(t, "D");
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_COMPARE(shownCaptions(f), QStringList{"Drive D"});
        QCOMPARE(f.height(), 130);
    }

    void slotsThirteenDrivesAndTheHeightRules() {
        TestServices t;
        addDrives(t, "CDEFGHIJKLMNO");
        TestScreenContext context;
        TfmAlldisk f(t.services, context);
        // Where the design puts the slots, before the first activation.
        QCOMPARE(f.PieGraf[0]->geometry(), QRect(24, 8, 60, 60));
        QCOMPARE(f.PieGraf[11]->pos(), QPoint(344, 80));
        QCOMPARE(f.PieGraf[12]->pos(), QPoint(344, 152)); // row 3 from the right
        QCOMPARE(f.PieGraf[17]->pos(), QPoint(24, 152));
        QCOMPARE(f.PieGraf[23]->pos(), QPoint(344, 224));
        QCOMPARE(f.PieGraf[0]->font().pixelSize(), 11);
        QCOMPARE(f.height(), 371);
        f.FormActivate();
        QCOMPARE(f.shownDrives(), 13);
        QCOMPARE(f.PieGraf[12]->caption(), QString("Drive O"));
        QVERIFY(!f.PieGraf[12]->isHidden());
        QCOMPARE(f.PieGraf[12]->pos(), QPoint(344, 152));
        QVERIFY(f.PieGraf[13]->isHidden());
        QCOMPARE(f.height(), 268);
        // 19 drives or more leave the height as it was; 18 give 355.
        addDrives(t, "PQRSTU");
        f.FormActivate();
        QCOMPARE(f.shownDrives(), 19);
        QCOMPARE(f.height(), 268);
        t.drives.remove('U');
        f.FormActivate();
        QCOMPARE(f.height(), 355);
    }

    void coloursAreSharedAndSavedTheFontIsNot() {
        TestServices t;
        addDrives(t, "CD");
        TfmVok main(t.services, QSize(640, 480));
        TfmAlldisk f(t.services, main);
        f.FormActivate();
        t.dialogs.colors << std::optional<quint32>(16711680) << std::optional<quint32>(65535);
        f.FreeSpace1Click();
        f.UsedSpace1Click();
        for (const TPieGraf* pie : f.PieGraf) {
            QCOMPARE(pie->mainColor(), quint32(16711680));
            QCOMPARE(pie->sliceColor(), quint32(65535));
        }
        f.FreeSpace1Click(); // cancelled: nothing changes
        QCOMPARE(main.display().AllColor, 16711680);
        f.FormActivate();
        QCOMPARE(f.PieGraf[1]->mainColor(), quint32(16711680));
        main.FormClose();
        QCOMPARE(t.settings.read("Settings", "AllColor"), std::optional<QString>("16711680"));
        QCOMPARE(t.settings.read("Settings", "AllSlice"), std::optional<QString>("65535"));
        t.dialogs.fonts << FontChoice{QFont("DejaVu Sans", 14), 0};
        f.TextFont1Click();
        QCOMPARE(f.PieGraf[23]->font().pointSize(), 14);
        QCOMPARE(f.PieGraf[0]->fontColor(), quint32(0));
        f.FormActivate();
        QCOMPARE(f.PieGraf[0]->font().pointSize(), 14); // kept for this run
    }
};

QTEST_MAIN(AllDisksScreenTest)
#include "all_disks_screen_test.moc"
