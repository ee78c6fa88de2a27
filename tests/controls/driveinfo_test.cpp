#include "controls/DriveInfo.h"
#include "platform/VokError.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

namespace {
constexpr qint64 kMb = 1048576;

QString errorText(const std::function<void()>& f) {
    try {
        f();
    } catch (const VokError& e) {
        return e.text();
    }
    return {};
}
} // namespace

class DriveInfoTest : public QObject {
    Q_OBJECT
private slots:
    void spaceTextsPerUnit() {
        TestServices t;
        DriveInfo info(DriveInfo::Caller::MainWindow);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).text,
                 QString("500 Free Mb / 1023 Mb Total"));
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).pointSize, 12);
        t.drives.setSpace('C', 524288000, 1073741824);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Bytes).text,
                 QString("524288000/1073741824 Free/Total Bytes"));
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Bytes).pointSize, 10);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Kb).text,
                 QString("512000 Kb Free / 1048576 Kb Total"));
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Kb).pointSize, 11);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).text,
                 QString("500 Free Mb / 1024 Mb Total"));
    }

    void freeRoundsHalfToEvenTotalTruncates() {
        TestServices t;
        DriveInfo info(DriveInfo::Caller::MainWindow);
        t.drives.setSpace('C', qint64(1.5 * kMb), 10 * kMb - 1);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).text, QString("2 Free Mb / 9 Mb Total"));
        t.drives.setSpace('C', qint64(2.5 * kMb), 10 * kMb);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).text, QString("2 Free Mb / 10 Mb Total"));
        t.drives.setSpace('C', qint64(500.6 * kMb), 1024 * kMb);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).text,
                 QString("501 Free Mb / 1024 Mb Total"));
    }

    void largeDrivesKeepTheirFigures() {
        TestServices t;
        DriveInfo info(DriveInfo::Caller::MainWindow);
        const qint64 tb = 1024 * 1024 * kMb;
        t.drives.setSpace('C', 3 * tb, 8 * tb);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).text,
                 QString("3145728 Free Mb / 8388608 Mb Total"));
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Bytes).text,
                 QString("%1/%2 Free/Total Bytes").arg(3 * tb).arg(8 * tb));
        QCOMPARE(info.DriveFreePercent(3), 37.5);
    }

    void oddDriveNumbersAndUnits() {
        TestServices t;
        DriveInfo info(DriveInfo::Caller::AllDisks);
        QCOMPARE(info.DriveSpaceText(27, SpaceUnit::Mb).text,
                 QString("500 Free Mb / 1023 Mb Total"));
        QCOMPARE(info.DriveSpaceText(27, SpaceUnit::Mb).drive, 3);
        QCOMPARE(info.DriveSpaceText(200, SpaceUnit::Mb).text,
                 info.DriveSpaceText(3, SpaceUnit::Mb).text);
    }

    void missingDriveInEveryUnit() {
        TestServices t;
        t.drives.add('E', "/media/cd", DriveType::CdRom, -1, -1);
        DriveInfo info(DriveInfo::Caller::MainWindow);
        for (SpaceUnit unit : {SpaceUnit::Kb, SpaceUnit::Mb, SpaceUnit::Bytes})
            QCOMPARE(info.DriveSpaceText(5, unit).text, QString("Not found Drive E"));
        QCOMPARE(info.DriveSpaceText(7, SpaceUnit::Mb).text,
                 QString("Not found Drive G")); // not in the table
        QCOMPARE(info.DriveFreePercent(5), 0.0);
        QVERIFY(!info.DriveReady('e'));
        QVERIFY(info.DriveReady('c'));
    }

    void typeNamesAcceptLowerCase() {
        TestServices t;
        t.drives.add('D', "/home", DriveType::Fixed, 1, 2);
        t.drives.add('E', "/media/cd", DriveType::CdRom, 1, 2);
        t.drives.add('F', "/media/usb", DriveType::Removable, 1, 2);
        t.drives.add('G', "/mnt/nfs", DriveType::Network, 1, 2);
        t.drives.add('H', "/tmp", DriveType::Ram, 1, 2);
        for (const DriveInfo& info :
             {DriveInfo(DriveInfo::Caller::MainWindow), DriveInfo(DriveInfo::Caller::AllDisks)}) {
            QCOMPARE(info.DriveTypeName('c'), QString("Hard drive"));
            QCOMPARE(info.DriveTypeName('D'), QString("Hard drive"));
            QCOMPARE(info.DriveTypeName('e'), QString("CD Rom drive"));
            QCOMPARE(info.DriveTypeName('f'), QString("Removable"));
            QCOMPARE(info.DriveTypeName('g'), QString("Network drive"));
            QCOMPARE(info.DriveTypeName('h'), QString("Ram drive"));
            QCOMPARE(info.DriveTypeName('q'), QString("does not exist"));
        }
    }

    void invalidLettersRaiseTheirTexts() {
        TestServices t;
        DriveInfo mainCopy(DriveInfo::Caller::MainWindow);
        DriveInfo allDisks(DriveInfo::Caller::AllDisks);
        QCOMPARE(errorText([&] { mainCopy.DriveTypeName('1'); }),
                 QString("Not a valid drive ID 1"));
        QCOMPARE(errorText([&] { allDisks.DriveTypeName('1'); }), QString("Not a valid drive ID"));
        QCOMPARE(errorText([&] { mainCopy.DriveReady('?'); }), QString("Not a valid drive ID"));
    }
};

QTEST_MAIN(DriveInfoTest)
#include "driveinfo_test.moc"
