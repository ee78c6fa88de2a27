#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/LinuxTrash.h"
#include "support/RemoveTree.h"
#include "support/TestServices.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vok;

// The real trash, under a temporary XDG data home so the user's own trash is never touched.
class TrashTest : public QObject {
    Q_OBJECT
    QTemporaryDir home;
    QTemporaryDir work;
    LinuxTrash trash;

    QString trashDir() const { return home.path() + "/Trash"; }
    // Names as stored, byte-exact (QDir cannot list names that are not UTF-8).
    QList<QByteArray> trashed() const {
        QList<QByteArray> names;
        LinuxDirectoryReader().list(trashDir() + "/files", IncludeEverything,
                                    [&](const DirEntry& e) {
                                        names << e.rawName.toByteArray();
                                        return true;
                                    });
        return names;
    }
    QByteArray make(const QByteArray& name) {
        const QByteArray path = QFile::encodeName(work.path()) + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
        if (fd >= 0) {
            (void)::write(fd, "data", 4);
            ::close(fd);
        }
        return path;
    }
    static bool exists(const QByteArray& path) { return ::access(path.constData(), F_OK) == 0; }

private slots:
    void initTestCase() {
        QVERIFY(home.isValid() && work.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    }
    void init() { QVERIFY(removeTree(trashDir())); }
    void cleanupTestCase() {
        QVERIFY(removeTree(home.path()));
        QVERIFY(removeTree(work.path()));
    }
    void confirmedMovesExactlyThatFile() {
        TestServices t;
        const QByteArray keep = make("keep.txt");
        const QByteArray gone = make("gone.txt");
        QVERIFY(trash.moveToTrash(QFile::decodeName(gone)));
        QCOMPARE(t.dialogs.confirmations.size(), 1);
        QVERIFY(t.dialogs.confirmations[0].contains(QFile::decodeName(gone)));
        QCOMPARE(t.dialogs.confirmButtons[0], Buttons::YesNo);
        QVERIFY(!exists(gone));
        QVERIFY(exists(keep));
        QCOMPARE(trashed(), QList<QByteArray>{"gone.txt"});
        QFile info(trashDir() + "/info/gone.txt.trashinfo");
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains("Path=" + gone.toPercentEncoding("/")));
        QFile moved(trashDir() + "/files/gone.txt");
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), QByteArray("data"));
    }
    void declinedMovesNothing() {
        TestServices t;
        t.dialogs.answers << Answer::No;
        const QByteArray file = make("stays.txt");
        QVERIFY(!trash.moveToTrash(QFile::decodeName(file)));
        QVERIFY(exists(file));
        QVERIFY(trashed().isEmpty());
    }
    void namesQtCannotSpellStillGoToTheTrash() {
        TestServices t;
        const QByteArray name("odd\xff name\n ");
        const QByteArray twin("odd\xfe name\n "); // same text to QFile::decodeName
        const QByteArray file = make(name);
        const QByteArray other = make(twin);
        QVERIFY(trash.moveToTrash(decodeFileName(file)));
        QVERIFY(!exists(file));
        QVERIFY(exists(other));
        QCOMPARE(trashed(), QList<QByteArray>{name});
        const QByteArray infoPath = QFile::encodeName(trashDir()) + "/info/" + name + ".trashinfo";
        const int fd = ::open(infoPath.constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        QFile info;
        QVERIFY(info.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle));
        QVERIFY(info.readAll().contains("Path=" + file.toPercentEncoding("/")));
        // A second file of the same name gets a name of its own in the trash.
        make(name);
        QVERIFY(trash.moveToTrash(decodeFileName(file)));
        QCOMPARE(trashed().size(), 2);
    }
    void otherFileSystemIsNeverCopiedAndDeleted() {
        // Vok's own move renames only; across file systems it gives up and keeps the file.
        QTemporaryDir shm("/dev/shm/vok-trash-XXXXXX");
        struct stat a, b;
        if (!shm.isValid() || ::stat("/dev/shm", &a) != 0 ||
            ::stat(QFile::encodeName(home.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
            QSKIP("no second file system at /dev/shm");
        TestServices t;
        const QByteArray file = QFile::encodeName(shm.path()) + "/not\xffutf8";
        QVERIFY(::close(::open(file.constData(), O_WRONLY | O_CREAT, 0644)) == 0);
        QVERIFY(!trash.moveToTrash(decodeFileName(file)));
        QVERIFY(exists(file));
        QVERIFY(trashed().isEmpty());
        int infos = 0;
        LinuxDirectoryReader().list(trashDir() + "/info", IncludeEverything,
                                    [&](const DirEntry&) { return ++infos > 0; });
        QCOMPARE(infos, 0);
        QVERIFY(removeTree(shm.path()));
    }
    void missingFileIsNotReportedMoved() {
        TestServices t;
        QVERIFY(!trash.moveToTrash(work.path() + "/never-was"));
        QVERIFY(trashed().isEmpty());
    }
};

QTEST_MAIN(TrashTest)
#include "trash_test.moc"
