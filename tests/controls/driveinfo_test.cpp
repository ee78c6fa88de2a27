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
    // Free space rounds half to even, the total truncates, figures beyond 32 bits stay whole.
    void spaceTextsPerUnit() {
        TestServices t;
        DriveInfo info(DriveInfo::Caller::MainWindow);
        QCOMPARE(info.DriveSpaceText(3, SpaceUnit::Mb).text,
                 QString("500 Free Mb / 1023 Mb Total")); // the fake's drive C
        const qint64 tb = 1024 * 1024 * kMb;
        const struct {
            qint64 free, total;
            SpaceUnit unit;
            int pointSize;
            QString text;
        } rows[] = {
            {524288000, 1073741824, SpaceUnit::Bytes, 10, "524288000/1073741824 Free/Total Bytes"},
            {524288000, 1073741824, SpaceUnit::Kb, 11, "512000 Kb Free / 1048576 Kb Total"},
            {524288000, 1073741824, SpaceUnit::Mb, 12, "500 Free Mb / 1024 Mb Total"},
            {qint64(1.5 * kMb), 10 * kMb - 1, SpaceUnit::Mb, 12, "2 Free Mb / 9 Mb Total"},
            {qint64(2.5 * kMb), 10 * kMb, SpaceUnit::Mb, 12, "2 Free Mb / 10 Mb Total"},
            {qint64(500.6 * kMb), 1024 * kMb, SpaceUnit::Mb, 12, "501 Free Mb / 1024 Mb Total"},
            {3 * tb, 8 * tb, SpaceUnit::Mb, 12, "3145728 Free Mb / 8388608 Mb Total"},
            {3 * tb, 8 * tb, SpaceUnit::Bytes, 10,
             QString("%1/%2 Free/Total Bytes").arg(3 * tb).arg(8 * tb)},
        };
        for (const auto& r : rows) {
            t.drives.setSpace('C', r.free, r.total);
            const auto got = info.DriveSpaceText(3, r.unit);
            QVERIFY2(got.text == r.text && got.pointSize == r.pointSize,
                     qPrintable(QString("%1 pt %2").arg(got.text).arg(got.pointSize)));
        }
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
