#include "platform/VokError.h"
#include "platform/linux/LinuxResourceInfo.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

namespace {

QString errorOf(ResourceKind kind, const ResourceUse& files, const ResourceUse& tasks) {
    try {
        freeResourcePercent(kind, files, tasks);
    } catch (const VokError& e) {
        return e.text();
    }
    return {};
}

const QString noLimit = "Cannot load USER.EXE";
const QString noUsage = "Cannot get address of GetFreeSystemResources";

} // namespace

class ResourceInfoTest : public QObject {
    Q_OBJECT
private slots:
    void freeShareOfEachLimit() {
        const ResourceUse files{1024, 256};
        const ResourceUse tasks{1000, 100};
        QCOMPARE(freeResourcePercent(ResourceKind::GDI, files, tasks), 75);
        QCOMPARE(freeResourcePercent(ResourceKind::User, files, tasks), 90);
        QCOMPARE(freeResourcePercent(ResourceKind::System, files, tasks), 75);
        QCOMPARE(freeResourcePercent(ResourceKind::System, ResourceUse{10, 0}, tasks), 90);
    }

    void percentagesStayInRange() {
        QCOMPARE(freeShare({1000, 0}), 100);
        QCOMPARE(freeShare({1000, 1}), 99); // rounded down: not all free
        QCOMPARE(freeShare({1000, 1000}), 0);
        QCOMPARE(freeShare({1000, 5000}), 0); // a limit lowered below what is already open
    }

    void failuresUseTheSystemTexts() {
        const ResourceUse good{100, 10};
        QCOMPARE(errorOf(ResourceKind::GDI, {std::nullopt, 10}, good), noLimit);
        QCOMPARE(errorOf(ResourceKind::GDI, {0, 0}, good), noLimit); // no division by zero
        QCOMPARE(errorOf(ResourceKind::GDI, {100, std::nullopt}, good), noUsage);
        QCOMPARE(errorOf(ResourceKind::User, good, {std::nullopt, 10}), noLimit);
        QCOMPARE(errorOf(ResourceKind::User, good, {100, std::nullopt}), noUsage);
        QCOMPARE(errorOf(ResourceKind::User, {std::nullopt, std::nullopt}, good), QString());
        // System needs both and names a missing limit before a missing count.
        QCOMPARE(errorOf(ResourceKind::System, {100, std::nullopt}, {std::nullopt, 1}), noLimit);
        QCOMPARE(errorOf(ResourceKind::System, good, {100, std::nullopt}), noUsage);
    }

    void countsTasksByRealUser() {
        const QByteArray status = "Name:\tUid: 0\n"
                                  "Uid:\t1000\t0\t0\t0\n"
                                  "Gid:\t1000\t1000\t1000\t1000\n"
                                  "Threads:\t7\n";
        QCOMPARE(tasksOfUser(status, 1000), quint64(7));
        QCOMPARE(tasksOfUser(status, 0), quint64(0));
        QCOMPARE(tasksOfUser("Threads:\t3\n", 1000), quint64(0));
    }

    void realFiguresAreInRange() {
        LinuxResourceInfo info;
        const int gdi = info.freeResourcePercent(ResourceKind::GDI);
        const int user = info.freeResourcePercent(ResourceKind::User);
        const int system = info.freeResourcePercent(ResourceKind::System);
        for (int p : {gdi, user, system})
            QVERIFY(p >= 0 && p <= 100);
        QVERIFY(system <= gdi + 1 && system <= user + 1); // counts may move between calls
        // This test itself runs as one of the user's tasks and holds open files.
        QVERIFY(userTaskUse().used.value_or(0) >= 1);
        QVERIFY(openFileUse().used.value_or(0) >= 3);
    }

    void fakeAnswersAndFailsAsTold() {
        TestServices t;
        QCOMPARE(services().resources.pointer(), &t.resources);
        t.resources.gdi = 42;
        QCOMPARE(services().resources->freeResourcePercent(ResourceKind::GDI), 42);
        t.resources.failure = noUsage;
        QString text;
        try {
            services().resources->freeResourcePercent(ResourceKind::User);
        } catch (const VokError& e) {
            text = e.text();
        }
        QCOMPARE(text, noUsage);
        QCOMPARE(t.resources.queries, 2);
    }
};

QTEST_MAIN(ResourceInfoTest)
#include "resource_info_test.moc"
