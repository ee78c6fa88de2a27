#include "controls/DriveInfo.h"
#include "platform/VokError.h"
#include "support/TestFiles.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

namespace {

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
        DriveInfo info(t.drives, DriveInfo::Caller::MainWindow);
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

    // Numbers past Z wrap or fall back to C; a drive not ready or not there is named so.
    void oddAndMissingDrives() {
        TestServices t;
        DriveInfo allDisks(t.drives, DriveInfo::Caller::AllDisks);
        QCOMPARE(allDisks.DriveSpaceText(27, SpaceUnit::Mb).text,
                 QString("500 Free Mb / 1023 Mb Total"));
        QCOMPARE(allDisks.DriveSpaceText(27, SpaceUnit::Mb).drive, 3);
        QCOMPARE(allDisks.DriveSpaceText(200, SpaceUnit::Mb).text,
                 allDisks.DriveSpaceText(3, SpaceUnit::Mb).text);
        t.drives.add('E', "/media/cd", DriveType::CdRom, -1, -1);
        DriveInfo info(t.drives, DriveInfo::Caller::MainWindow);
        for (SpaceUnit unit : {SpaceUnit::Kb, SpaceUnit::Mb, SpaceUnit::Bytes})
            QCOMPARE(info.DriveSpaceText(5, unit).text, QString("Not found Drive E"));
        QCOMPARE(info.DriveSpaceText(7, SpaceUnit::Mb).text,
                 QString("Not found Drive G")); // not in the table
        QCOMPARE(info.DriveFreePercent(5), 0.0);
        QVERIFY(!info.DriveReady('e'));
        QVERIFY(info.DriveReady('c'));
        QCOMPARE(errorText([&] { info.DriveTypeName('1'); }), QString("Not a valid drive ID 1"));
        QCOMPARE(errorText([&] { allDisks.DriveTypeName('1'); }), QString("Not a valid drive ID"));
        QCOMPARE(errorText([&] { info.DriveReady('?'); }), QString("Not a valid drive ID"));
    }

    void typeNamesAcceptLowerCase() {
        TestServices t;
        const std::tuple<QChar, DriveType, QString> rows[] = {
            {'D', DriveType::Fixed, "Hard drive"},    {'e', DriveType::CdRom, "CD Rom drive"},
            {'f', DriveType::Removable, "Removable"}, {'g', DriveType::Network, "Network drive"},
            {'h', DriveType::Ram, "Ram drive"},       {'c', DriveType::Fixed, "Hard drive"}};
        for (const auto& [letter, type, name] : rows)
            t.drives.add(letter.toUpper(), QString("/mnt/") + letter, type, 1, 2);
        for (const DriveInfo& info : {DriveInfo(t.drives, DriveInfo::Caller::MainWindow),
                                      DriveInfo(t.drives, DriveInfo::Caller::AllDisks)}) {
            for (const auto& [letter, type, name] : rows)
                QCOMPARE(info.DriveTypeName(letter), name);
            QCOMPARE(info.DriveTypeName('q'), QString("does not exist"));
        }
    }
};

QTEST_MAIN(DriveInfoTest)
#include "driveinfo_test.moc"
