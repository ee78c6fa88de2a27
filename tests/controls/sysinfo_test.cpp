#include "controls/sysinfo.h"
#include "platform/fake/FakeDriveTable.h"
#include "platform/fake/FakeMemoryInfo.h"
#include "platform/fake/FakeSystemFacts.h"
#include <QtTest>

using namespace vok;

class SysInfoTest : public QObject {
    Q_OBJECT
private slots:
    // The fake reports processor 586, version 6.1 build 0 and owner "Ann Example".
    void textsFromTheMachine() {
        FakeSystemFacts facts;
        FakeMemoryInfo memory;
        memory.figures.totalPhys = 33067008;
        FakeDriveTable drives;
        drives.add('C', "/", DriveType::Fixed, 0, qint64(1023.9 * 1048576));
        TSysInfo info({facts, memory, drives});
        QCOMPARE((QStringList{info.Organisation(), info.Owner(), info.CPU(), info.OperatingSystem(),
                              info.WinVersion(), info.Build(), info.TotalMemory(), info.DriveC()}),
                 (QStringList{"Failure", "Ann Example", "Intel Pentium", "", "6.1", "0", "32292 KB",
                              "1023 MB"}));
        // Assignments to any of the eight properties are discarded.
        const QMetaObject* meta = info.metaObject();
        QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 8);
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const char* name = meta->property(i).name();
            const QVariant before = info.property(name);
            info.setProperty(name, "Intel 486");
            QCOMPARE(info.property(name), before);
        }
    }

    void missingValues() {
        FakeSystemFacts facts;
        facts.owner.clear();
        facts.processor = 0;
        facts.version = {};
        FakeMemoryInfo memory;
        FakeDriveTable drives; // no drive C
        TSysInfo info({facts, memory, drives});
        QCOMPARE(
            (QStringList{info.Owner(), info.CPU(), info.WinVersion(), info.Build(), info.DriveC()}),
            (QStringList{"Failure", "", "", "", ""}));
    }

    void figuresBeyond32Bits() {
        QCOMPARE(buildText(0x040003B6), QString("950"));
        QCOMPARE(buildText(0xFFFF0000), QString("0"));
        QCOMPARE(totalMemoryText(quint64(3) << 40), QString("3221225472 KB"));
        QCOMPARE(driveSizeText(qint64(5) << 40), QString("5242880 MB"));
        QCOMPARE(driveSizeText(0), QString("0 MB"));
        QCOMPARE((QStringList{processorText(386), processorText(486), processorText(686)}),
                 (QStringList{"Intel 386", "Intel 486", ""}));
    }
};

QTEST_GUILESS_MAIN(SysInfoTest)
#include "sysinfo_test.moc"
