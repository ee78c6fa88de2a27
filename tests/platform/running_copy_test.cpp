#include "controls/OnlyOne.h"
#include "platform/fake/FakeRunningCopy.h"
#include "platform/linux/LocalSocketCopy.h"
#include "support/OtherUser.h"
#include <QFileInfo>
#include <QLocalSocket>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vok;

namespace {

struct Kill {
    void operator()(QProcess* p) const {
        p->kill();
        p->waitForFinished();
        delete p;
    }
};
using Process = std::unique_ptr<QProcess, Kill>;
enum class Theirs { Listener, DeadSocket, Lock, ListenerInMyFolder };

// A socket bound at path, not yet listening: closed, it is what a killed copy leaves behind.
int boundSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    qstrncpy(addr.sun_path, QFile::encodeName(path).constData(), sizeof addr.sun_path);
    return ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 ? fd : -1;
}

void say(const QByteArray& line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// What another process of a copy's user, or of another user, does: `--act WHAT PATH [NAME]`.
int act(const QByteArray& what, const QString& path, const QString& name) {
    if (what == "copy") {
        LocalSocketCopy copy(path);
        copy.setComeForward([](const QByteArray& token) { say("forward " + token); });
        say(copy.claim(name) ? "holds" : "another");
        return QCoreApplication::exec();
    }
    if (what == "lock") {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT, 0666);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            return 1;
        say("ready");
        return QCoreApplication::exec();
    }
    // A listener anybody may reach that reports what each connection wrote.
    const int fd = boundSocket(path);
    if (fd < 0 || ::chmod(QFile::encodeName(path).constData(), 0777) != 0 || ::listen(fd, 8) != 0)
        return 1;
    say("ready");
    for (int peer; (peer = ::accept(fd, nullptr, nullptr)) >= 0; ::close(peer)) {
        QByteArray got(64, '\0');
        qsizetype n = 0;
        for (ssize_t r; (r = ::read(peer, got.data() + n, size_t(got.size() - n))) > 0;)
            n += r;
        say("got:" + got.left(n).trimmed());
    }
    return 1;
}

QByteArray nextLine(QProcess& p) {
    while (!p.canReadLine() && p.waitForReadyRead(20000)) {
    }
    return p.readLine().trimmed();
}

// Starts an act and waits for its first line.
Process start(const QStringList& args, const OtherUser* as, QByteArray* firstLine,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
              const QString& cwd = {}) {
    Process p(new QProcess);
    if (as)
        as->runAs(*p);
    p->setProcessEnvironment(env);
    p->setWorkingDirectory(cwd);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QCoreApplication::applicationFilePath(), QStringList{"--act"} + args);
    *firstLine = nextLine(*p);
    return p;
}

// Every name in a folder with its owner and inode: what an intruder or a victim changed there.
QStringList listing(const QString& dir) {
    QStringList out;
    for (const QString& name : QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot)) {
        struct stat st {};
        ::lstat(QFile::encodeName(dir + '/' + name).constData(), &st);
        out << QString("%1 %2 %3").arg(name).arg(st.st_uid).arg(st.st_ino);
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Theirs)

class RunningCopyTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondCopyBringsTheFirstForward() {
        QMainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(Qt::WindowMinimized);
        // The platform confirms the state change later; it must not undo the restore below.
        QTest::qWait(100);
        QVERIFY(window.isMinimized());

        FakeCopies machine;
        FakeRunningCopy first(machine);
        QVERIFY(!TOnlyOne(first, "Vok 97 for Windows 95").anotherCopyRuns());
        QCOMPARE(first.claimedName, QString("OnlyOneVok 97 for Windows 9")); // 20 of the title
        QCOMPARE(TOnlyOne::markerName("Vok"), QString("OnlyOneVok"));
        FakeRunningCopy second(machine);
        QVERIFY(TOnlyOne(second, "Vok 97 for Windows 95").anotherCopyRuns());
        QCOMPARE(first.timesAskedForward, 1);
        QVERIFY(!window.isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), &window);
    }

    void aLocalSocketNamesTheRunningCopy() {
        QTemporaryDir dir;
        auto first = std::make_unique<LocalSocketCopy>(dir.path());
        int forward = 0;
        first->setComeForward([&forward](const QByteArray&) { ++forward; });
        QVERIFY(first->claim("OnlyOneVok/1"));
        QCOMPARE(first->socketPath(), dir.filePath("OnlyOneVok_1"));
        QVERIFY(QFileInfo(first->socketPath()).exists());

        LocalSocketCopy second(dir.path());
        QVERIFY(!second.claim("OnlyOneVok/1"));
        QTRY_COMPARE(forward, 1);
        QVERIFY(!second.claim("OnlyOneVok/1"));
        QTRY_COMPARE(forward, 2);
        // Another name is another program; a dead copy's socket there is taken over.
        QVERIFY(::close(boundSocket(dir.filePath("OnlyOneOther"))) == 0);
        LocalSocketCopy other(dir.path());
        int otherForward = 0;
        other.setComeForward([&otherForward](const QByteArray&) { ++otherForward; });
        QVERIFY(other.claim("OnlyOneOther"));
        LocalSocketCopy otherAgain(dir.path());
        QVERIFY(!otherAgain.claim("OnlyOneOther"));
        QTRY_COMPARE(otherForward, 1);

        // A clean end leaves neither the socket nor the lock.
        first.reset();
        QCOMPARE(listing(dir.path()).filter("OnlyOneVok_1"), QStringList());
        QVERIFY(second.claim("OnlyOneVok/1"));
    }

    // Without $XDG_RUNTIME_DIR the runtime folder is runtime-USER in the temporary folder, which
    // any user may make first; nothing of theirs may keep a copy from starting or hear from it.
    void anotherUsersThingsDecideNothing_data() {
        QTest::addColumn<Theirs>("theirs");
        QTest::newRow("their copy listens") << Theirs::Listener;
        QTest::newRow("their dead socket") << Theirs::DeadSocket;
        QTest::newRow("they hold the lock") << Theirs::Lock;
        QTest::newRow("their listener in my folder") << Theirs::ListenerInMyFolder;
    }
    void anotherUsersThingsDecideNothing() {
        QFETCH(Theirs, theirs);
        if (!other_.failure.isEmpty())
            QSKIP(qPrintable(other_.failure));
        QTemporaryDir tmp; // stands for /tmp
        QVERIFY(::chmod(QFile::encodeName(tmp.path()).constData(), 01777) == 0);
        const QString name = "OnlyOneTest", mine = tmp.filePath("mine"), b = tmp.filePath("b");
        const QString theirFolder =
            tmp.filePath(QString("runtime-") + ::getpwuid(::geteuid())->pw_name);
        for (const QString& folder : {theirFolder, mine, b})
            QVERIFY(QDir().mkdir(folder, QFileDevice::Permissions(0x7000)));
        QVERIFY(other_.give(theirFolder) && other_.give(b));

        Process their;
        QByteArray line;
        const QString at =
            theirs == Theirs::ListenerInMyFolder ? b + "/" + name : tmp.filePath(name);
        if (theirs == Theirs::Listener || theirs == Theirs::ListenerInMyFolder) {
            their = start({"listen", at}, &other_, &line);
            QCOMPARE(line, "ready");
            if (theirs == Theirs::ListenerInMyFolder) // root may link another user's file
                QVERIFY(::link(QFile::encodeName(at), QFile::encodeName(mine + "/" + name)) == 0);
        } else if (theirs == Theirs::Lock) {
            their = start({"lock", tmp.filePath(name + ".lock")}, &other_, &line);
            QCOMPARE(line, "ready");
        } else {
            QVERIFY(::close(boundSocket(at)) == 0 && other_.give(at));
        }
        const QStringList before = listing(tmp.path());

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", tmp.path());
        env.remove("XDG_RUNTIME_DIR");
        if (theirs == Theirs::ListenerInMyFolder)
            env.insert("XDG_RUNTIME_DIR", mine);
        const Process copy = start({"copy", "", name}, nullptr, &line, env, tmp.path());
        QCOMPARE(line, "holds");
        QCOMPARE(listing(tmp.path()), before);
        if (their && theirs != Theirs::Lock) {
            // What the copy sent, if anything, comes before this.
            QLocalSocket probe;
            probe.connectToServer(at);
            QVERIFY(probe.waitForConnected(5000));
            probe.write("probe");
            QVERIFY(probe.waitForBytesWritten(5000));
            probe.disconnectFromServer();
            QByteArray got;
            for (QByteArray l; !(l = nextLine(*their)).isEmpty() && l != "got:probe";)
                got += l;
            QVERIFY2(!got.contains("forward"), got.constData());
        }
    }

    // A holder can be reached by root, who is not the holder's user: it must not come forward.
    void theHolderAnswersOnlyItsUser() {
        if (!other_.failure.isEmpty())
            QSKIP(qPrintable(other_.failure));
        QTemporaryDir tmp;
        QVERIFY(::chmod(QFile::encodeName(tmp.path()).constData(), 0755) == 0);
        const QString folder = tmp.filePath("run");
        QVERIFY(QDir().mkdir(folder, QFileDevice::Permissions(0x7000)) && other_.give(folder));
        QByteArray line;
        const Process holder = start({"copy", folder, "OnlyOneTest"}, &other_, &line);
        QCOMPARE(line, "holds");

        QLocalSocket intruder;
        intruder.connectToServer(folder + "/OnlyOneTest");
        QVERIFY(intruder.waitForConnected(5000));
        intruder.write("forward\n");
        // The holder comes forward before it closes: whatever it said is there now.
        QVERIFY(intruder.waitForDisconnected(10000));
        QVERIFY(!holder->waitForReadyRead(200));

        const Process second = start({"copy", folder, "OnlyOneTest"}, &other_, &line);
        QCOMPARE(line, "another");
        QCOMPARE(nextLine(*holder), "forward");
    }

    // On Wayland the later copy hands over its activation token; one that is not plain text
    // never reaches the holder, which still comes forward.
    void theLaterCopyHandsOverItsToken_data() {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<QByteArray>("heard");
        QTest::newRow("launcher's")
            << QByteArray("f00d_TIME42:x/y") << QByteArray("f00d_TIME42:x/y");
        QTest::newRow("with a blank") << QByteArray("two words") << QByteArray();
        QTest::newRow("control") << QByteArray("tok\x7f") << QByteArray();
        QTest::newRow("too long") << QByteArray(256, 'a') << QByteArray();
        QTest::newRow("none") << QByteArray() << QByteArray();
    }
    void theLaterCopyHandsOverItsToken() {
        QFETCH(QByteArray, token);
        QFETCH(QByteArray, heard);
        QTemporaryDir tmp;
        QByteArray line;
        const Process holder = start({"copy", tmp.path(), "OnlyOneToken"}, nullptr, &line);
        QCOMPARE(line, "holds");
        // No compositor listens by that name, so only the launcher's token can travel.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WAYLAND_DISPLAY", "vok-test-no-compositor");
        env.insert("XDG_ACTIVATION_TOKEN", QString::fromLatin1(token));
        const Process second = start({"copy", tmp.path(), "OnlyOneToken"}, nullptr, &line, env);
        QCOMPARE(line, "another");
        QCOMPARE(nextLine(*holder), ("forward " + heard).trimmed());
    }

private:
    OtherUser other_;
};

int main(int argc, char* argv[]) {
    if (argc >= 4 && qstrcmp(argv[1], "--act") == 0) {
        const QCoreApplication app(argc, argv);
        return act(argv[2], QFile::decodeName(argv[3]), argc > 4 ? QString(argv[4]) : QString());
    }
    QApplication app(argc, argv);
    RunningCopyTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "running_copy_test.moc"
