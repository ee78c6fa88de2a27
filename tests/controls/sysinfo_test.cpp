#include "controls/sysinfo.h"
#include "platform/fake/FakeDriveTable.h"
#include "platform/fake/FakeMemoryInfo.h"
#include "platform/fake/FakeSystemFacts.h"
#include <QtTest>

using namespace vok;

class SysInfoTest : public QObject {
    Q_OBJECT
private slots:
    void textsFromTheMachine() {
        FakeSystemFacts facts;
        FakeMemoryInfo memory;
        memory.figures.totalPhys = 33067008;
        FakeDriveTable drives;
        drives.add('C', "/", DriveType::Fixed, 0, qint64(1023.9 * 1048576));
        TSysInfo info({facts, memory, drives});
        QCOMPARE(info.Organisation(), QString("Failure"));
        QCOMPARE(info.Owner(), QString("Ann Example"));
        QCOMPARE(info.CPU(), QString("Intel Pentium"));
        QCOMPARE(info.OperatingSystem(), QString());
        QCOMPARE(info.WinVersion(), QString("6.1"));
        QCOMPARE(info.Build(), QString("0"));
        QCOMPARE(info.TotalMemory(), QString("32292 KB"));
        QCOMPARE(info.DriveC(), QString("1023 MB"));
    }

    void missingValues() {
        FakeSystemFacts facts;
        facts.owner.clear();
        facts.processor = 0;
        facts.version = {};
        FakeMemoryInfo memory;
        FakeDriveTable drives; // no drive C
        TSysInfo info({facts, memory, drives});
        QCOMPARE(info.Owner(), QString("Failure"));
        QCOMPARE(info.CPU(), QString());
        QCOMPARE(info.WinVersion(), QString());
        QCOMPARE(info.Build(), QString());
        QCOMPARE(info.DriveC(), QString());
    }

    void figuresBeyond32Bits() {
        QCOMPARE(buildText(0x040003B6), QString("950"));
        QCOMPARE(buildText(0xFFFF0000), QString("0"));
        QCOMPARE(totalMemoryText(quint64(3) << 40), QString("3221225472 KB"));
        QCOMPARE(driveSizeText(qint64(5) << 40), QString("5242880 MB"));
        QCOMPARE(driveSizeText(0), QString("0 MB"));
        QCOMPARE(processorText(386), QString("Intel 386"));
        QCOMPARE(processorText(486), QString("Intel 486"));
        QCOMPARE(processorText(686), QString());
    }

    void assignmentsAreDiscarded() {
        FakeSystemFacts facts;
        FakeMemoryInfo memory;
        memory.figures.totalPhys = 33067008;
        FakeDriveTable drives;
        TSysInfo info({facts, memory, drives});
        const QMetaObject* meta = info.metaObject();
        int properties = 0;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const char* name = meta->property(i).name();
            const QVariant before = info.property(name);
            info.setProperty(name, "Intel 486");
            QCOMPARE(info.property(name), before);
            ++properties;
        }
        QCOMPARE(properties, 8);
        QCOMPARE(info.CPU(), QString("Intel Pentium"));
    }
};

QTEST_GUILESS_MAIN(SysInfoTest)
#include "sysinfo_test.moc"
