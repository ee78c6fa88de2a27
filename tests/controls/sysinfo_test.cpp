#include "controls/sysinfo.h"
#include "platform/fake/FakeDriveTable.h"
#include "platform/fake/FakeMemoryInfo.h"
#include "platform/fake/FakeSystemFacts.h"
#include <QtTest>

using namespace vok;

class SysInfoTest : public QObject {
    Q_OBJECT
private slots:
    // Machines and the summary texts they are designed to give, in property order. The
    // organisation and the operating system have no source on this platform.
    void textsFromTheMachine() {
        const qint64 mb = 1048576;
        const struct {
            QString owner;
            int processor;
            OsVersion version;
            quint64 memory;
            qint64 driveC; // -1: no drive C
            QStringList texts;
        } rows[] = {
            // clang-format off
            {"Ann Example", 386, {4, 0, 0x040003B6, true}, 33067008, qint64(1023.9 * mb),
             {"Failure", "Ann Example", "Intel 386", "", "4.0", "950", "32292 KB", "1023 MB"}},
            {"", 486, {}, quint64(3) << 40, -1,
             {"Failure", "Failure", "Intel 486", "", "", "", "3221225472 KB", ""}},
            {"B", 586, {6, 1, 0xFFFF0000, true}, 0, qint64(5) << 40,
             {"Failure", "B", "Intel Pentium", "", "6.1", "0", "0 KB", "5242880 MB"}},
            {"C", 686, {10, 0, 19045, true}, 1023, 0,
             {"Failure", "C", "", "", "10.0", "19045", "0 KB", "0 MB"}},
            // clang-format on
        };
        for (const auto& r : rows) {
            FakeSystemFacts facts;
            facts.owner = r.owner;
            facts.processor = r.processor;
            facts.version = r.version;
            FakeMemoryInfo memory;
            memory.figures.totalPhys = r.memory;
            FakeDriveTable drives;
            if (r.driveC >= 0)
                drives.add('C', "/", DriveType::Fixed, 0, r.driveC);
            else
                drives.remove('C');
            TSysInfo info({facts, memory, drives});
            QStringList texts;
            const QMetaObject* meta = info.metaObject();
            for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
                const char* name = meta->property(i).name();
                texts << info.property(name).toString();
                info.setProperty(name, "Intel 486"); // discarded
                QCOMPARE(info.property(name).toString(), texts.last());
            }
            QCOMPARE(texts, r.texts);
        }
    }
};

QTEST_GUILESS_MAIN(SysInfoTest)
#include "sysinfo_test.moc"
