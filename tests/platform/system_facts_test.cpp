#include "platform/linux/LinuxSystemFacts.h"
#include <QtTest>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

using namespace vok;

class SystemFactsTest : public QObject {
    Q_OBJECT
private slots:
    void fullNameIsTheFirstGecosField() {
        QCOMPARE(fullNameFromGecos("Ann Example,Room 4,555-1234,,"), QString("Ann Example"));
        QCOMPARE(fullNameFromGecos("  Zoë Ångström  "), QString("Zoë Ångström"));
        QCOMPARE(fullNameFromGecos(",Room 4"), QString());
        QCOMPARE(fullNameFromGecos(""), QString());
    }

    void processorTypes() {
        QCOMPARE(processorTypeOf("x86_64"), 586);
        QCOMPARE(processorTypeOf("i686"), 586);
        QCOMPARE(processorTypeOf("i586"), 586);
        QCOMPARE(processorTypeOf("i486"), 486);
        QCOMPARE(processorTypeOf("i386"), 386);
        QCOMPARE(processorTypeOf("aarch64"), 0);
        QCOMPARE(processorTypeOf("x86_64x"), 0);
        QCOMPARE(processorTypeOf(""), 0);
    }

    void kernelVersions() {
        const OsVersion debian = kernelVersionOf("6.1.0-18-amd64");
        QVERIFY(debian.known);
        QCOMPARE(debian.major, 6u);
        QCOMPARE(debian.minor, 1u);
        QCOMPARE(debian.build, 0u);
        const OsVersion lts = kernelVersionOf("4.9.337");
        QCOMPARE(lts.build, 337u);
        const OsVersion shortOne = kernelVersionOf("6.8-rc1");
        QVERIFY(shortOne.known);
        QCOMPARE(shortOne.minor, 8u);
        QCOMPARE(shortOne.build, 0u);
        QVERIFY(!kernelVersionOf("").known);
        QVERIFY(!kernelVersionOf("linux").known);
        QVERIFY(!kernelVersionOf("99999999999.1.1").known);
    }

    void theRealMachineAnswers() {
        utsname u{};
        QCOMPARE(uname(&u), 0);
        LinuxSystemFacts facts;
        const OsVersion v = facts.osVersion();
        QVERIFY(v.known);
        QVERIFY(QByteArray(u.release).startsWith(QByteArray::number(v.major) + "." +
                                                 QByteArray::number(v.minor)));
        QCOMPARE(facts.processorType(), processorTypeOf(u.machine));
        const passwd* me = getpwuid(getuid());
        QVERIFY(me);
        QCOMPARE(facts.ownerName(), fullNameFromGecos(me->pw_gecos));
    }
};

QTEST_MAIN(SystemFactsTest)
#include "system_facts_test.moc"
