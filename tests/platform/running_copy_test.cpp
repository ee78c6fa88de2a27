#include "controls/OnlyOne.h"
#include "platform/fake/FakeRunningCopy.h"
#include "platform/linux/LocalSocketCopy.h"
#include <QFileInfo>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vok;

namespace {

// What a copy killed with its socket open leaves behind: a socket file nobody listens on.
bool leaveDeadSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(addr.sun_path, name.constData(), sizeof addr.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return bound;
}

} // namespace

class RunningCopyTest : public QObject {
    Q_OBJECT
private slots:
    void theNameTakesTwentyCharactersOfTheTitle() {
        QCOMPARE(TOnlyOne::markerName("Vok 97 for Windows 95"),
                 QString("OnlyOneVok 97 for Windows 9"));
        QCOMPARE(TOnlyOne::markerName("Vok"), QString("OnlyOneVok"));
    }

    void aSecondCopyBringsTheFirstForward() {
        QMainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(Qt::WindowMinimized);
        // The platform confirms the state change later; it must not undo the restore below.
        QTest::qWait(100);
        QVERIFY(window.isMinimized());

        FakeRunningCopy first;
        QVERIFY(!TOnlyOne(first, "Vok 97 for Windows 95").anotherCopyRuns());
        QCOMPARE(first.claimedName, QString("OnlyOneVok 97 for Windows 9"));
        FakeRunningCopy second;
        QVERIFY(TOnlyOne(second, "Vok 97 for Windows 95").anotherCopyRuns());
        QCOMPARE(first.timesAskedForward, 1);
        QVERIFY(!window.isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), &window);
    }

    void aLocalSocketNamesTheRunningCopy() {
        QTemporaryDir dir;
        auto first = std::make_unique<LocalSocketCopy>(dir.path());
        int forward = 0;
        first->setComeForward([&forward] { ++forward; });
        QVERIFY(first->claim("OnlyOneVok/1"));
        QCOMPARE(first->socketPath(), dir.filePath("OnlyOneVok_1"));
        QVERIFY(QFileInfo(first->socketPath()).exists());

        LocalSocketCopy second(dir.path());
        QVERIFY(!second.claim("OnlyOneVok/1"));
        QTRY_COMPARE(forward, 1);
        QVERIFY(!second.claim("OnlyOneVok/1"));
        QTRY_COMPARE(forward, 2);
        // Another name is another program.
        LocalSocketCopy other(dir.path());
        QVERIFY(other.claim("OnlyOneOther"));

        first.reset();
        QVERIFY(!QFileInfo(dir.filePath("OnlyOneVok_1")).exists());
        QVERIFY(second.claim("OnlyOneVok/1"));
    }

    void aDeadCopysSocketIsTakenOver() {
        QTemporaryDir dir;
        QVERIFY(leaveDeadSocket(dir.filePath("OnlyOneVok")));
        LocalSocketCopy next(dir.path());
        int forward = 0;
        next.setComeForward([&forward] { ++forward; });
        QVERIFY(next.claim("OnlyOneVok"));
        LocalSocketCopy later(dir.path());
        QVERIFY(!later.claim("OnlyOneVok"));
        QTRY_COMPARE(forward, 1);
    }
};

QTEST_MAIN(RunningCopyTest)
#include "running_copy_test.moc"
