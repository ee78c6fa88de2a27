#include "platform/DirectoryReader.h"
#include "platform/linux/LinuxDirectoryReader.h"
#include "support/ChildProcess.h"
#include "support/RemoveTree.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vok;

namespace {

// Records a walk as lines "path attr size", paths from the start; entries of directories it
// enters and the order of entering.
struct Recorder : WalkVisitor {
    QStringList lines, files, entered;
    QString current;          // the path from the start, ending in "/"
    QList<qsizetype> lengths; // of current before each level
    int maxDepth = 0;
    std::function<bool(const DirEntry&)> onEntry;
    QString prefix() const { return current; }
    bool entry(const DirEntry& e) override {
        const QString full = prefix() + e.name();
        lines << QStringLiteral("%1 %2").arg(full).arg(e.attr) +
                     (e.isDirectory() ? QString() : QStringLiteral(" %1").arg(e.size));
        if (!e.isDirectory())
            files << full;
        return onEntry ? onEntry(e) : true;
    }
    bool entersDirectory(const DirEntry& d) override {
        return passesIncludeMask(d.attr, IncludeDirectories);
    }
    void enter(const QByteArray& name) override {
        lengths << current.size();
        current += decodeFileName(name) + '/';
        if (lengths.size() < 100)
            entered << current;
        maxDepth = std::max(maxDepth, int(lengths.size()));
    }
    void leave() override { current.truncate(lengths.takeLast()); }
};

void touch(const QByteArray& path, qint64 size = 0) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY2(fd >= 0, path.constData());
    QCOMPARE(::ftruncate(fd, size), 0);
    ::close(fd);
}

// Removes a chain of "level_directory" below top whatever its depth, by moving each level up
// before removing its parent (path-based removal stops at PATH_MAX).
void removeChain(const QByteArray& top) {
    const int fd = ::open(top.constData(), O_RDONLY | O_DIRECTORY);
    QByteArray cur = "level_directory";
    for (int n = 1;; ++n) {
        const int c = ::openat(fd, cur.constData(), O_RDONLY | O_DIRECTORY);
        if (c < 0)
            break;
        ::unlinkat(c, "f", 0);
        ::unlinkat(c, "bottom", 0);
        const QByteArray next = "n" + QByteArray::number(n);
        const bool more = ::renameat(c, "level_directory", fd, next.constData()) == 0;
        ::close(c);
        ::unlinkat(fd, cur.constData(), AT_REMOVEDIR);
        if (!more)
            break;
        cur = next;
    }
    ::close(fd);
    ::rmdir(top.constData());
}

} // namespace

class DirectoryReaderTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    LinuxDirectoryReader reader;
    QByteArray root() const { return QFile::encodeName(tmp.path()); }

private slots:
    void cleanupTestCase() { QVERIFY(removeTree(tmp.path())); }
    void attributesAndSizes() {
        QDir(tmp.path()).mkpath("t/sub");
        QDir(tmp.path()).mkpath("t/.hiddendir");
        touch(root() + "/t/big.bin", 5'000'000'000LL); // sparse; needs 64 bits
        touch(root() + "/t/.hidden", 7);
        touch(root() + "/t/ro", 3);
        QVERIFY(QFile::setPermissions(tmp.path() + "/t/ro", QFile::ReadOwner));
        QCOMPARE(::mkfifo(root() + "/t/fifo", 0644), 0);
        QVERIFY(QFile::link("sub", tmp.path() + "/t/link"));
        Recorder r;
        QVERIFY(reader.walk(tmp.path() + "/t", r));
        r.lines.sort();
        QCOMPARE(r.lines, QStringList({".hidden 34 7", ".hiddendir 18", "big.bin 32 5000000000",
                                       "fifo 4 0", "link 0 3", "ro 33 3", "sub 16"}));
        // The hidden directory is not entered; the link to sub is not followed.
        QCOMPARE(r.entered, QStringList{"sub/"});
    }
    // A folder bound onto its own subfolder: the walk must not go round it a second time.
    void bindMountOntoOwnSubfolderIsWalkedOnce() {
        QDir(tmp.path()).mkpath("bind/sub/deeper");
        touch(root() + "/bind/f");
        touch(root() + "/bind/sub/g");
        const int status = runInChild([&] {
            const QByteArray top = root() + "/bind";
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount(top.constData(), (top + "/sub").constData(), nullptr, MS_BIND, nullptr) !=
                    0)
                ::_exit(77);
            Recorder r;
            reader.walk(tmp.path() + "/bind", r);
            std::fprintf(stderr, "walked: %s\n", qPrintable(r.files.join(' ')));
            return r.files == QStringList{"f"};
        });
        if (status == 77)
            QSKIP("this process may not make a mount namespace with a bind mount (needs root)");
        QCOMPARE(status, 0);
    }
    void includeMasksFilterListings() {
        QDir(tmp.path()).mkpath("m/d");
        touch(root() + "/m/.h");
        touch(root() + "/m/f");
        QCOMPARE(::mkfifo(root() + "/m/p", 0644), 0);
        auto names = [&](quint32 mask) {
            QStringList got;
            reader.list(tmp.path() + "/m", mask, [&](const DirEntry& e) {
                got << e.name();
                return true;
            });
            got.sort();
            return got;
        };
        QCOMPARE(names(IncludeFiles), QStringList({".h", "f", "p"}));
        QCOMPARE(names(IncludeDirectories), QStringList({"d", "f"}));
        QCOMPARE(names(IncludeEverything), QStringList({".h", "d", "f", "p"}));
    }
    void symlinkLoopsAndFifosNeverHang() {
        QDir(tmp.path()).mkpath("loop/a");
        QVERIFY(QFile::link("..", tmp.path() + "/loop/a/up"));
        QVERIFY(QFile::link("self", tmp.path() + "/loop/self"));
        QCOMPARE(::mkfifo(root() + "/loop/a/pipe", 0644), 0); // opening it would block
        Recorder r;                                           // a hang ends in the test's timeout
        QVERIFY(reader.walk(tmp.path() + "/loop", r));
        r.files.sort();
        QCOMPARE(r.files, QStringList({"a/pipe", "a/up", "self"}));
        QCOMPARE(r.entered, QStringList{"a/"});
    }
    void unreadableDirectoryIsPassedOver() {
        if (::geteuid() == 0)
            QSKIP("running as root: permission bits do not stop root from reading");
        QDir(tmp.path()).mkpath("u/closed");
        touch(root() + "/u/closed/secret");
        touch(root() + "/u/open");
        QVERIFY(QFile::setPermissions(tmp.path() + "/u/closed", QFile::Permissions()));
        Recorder r;
        QVERIFY(reader.walk(tmp.path() + "/u", r));
        QFile::setPermissions(tmp.path() + "/u/closed",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(r.files, QStringList{"open"});
    }
    void directoryRemovedDuringTheWalk() {
        QDir(tmp.path()).mkpath("r/gone/deeper");
        QDir(tmp.path()).mkpath("r/kept");
        touch(root() + "/r/first");
        touch(root() + "/r/gone/deeper/x");
        touch(root() + "/r/kept/y");
        Recorder r;
        r.onEntry = [&](const DirEntry& e) {
            if (e.name() == "first")
                QDir(tmp.path() + "/r/gone").removeRecursively();
            return true;
        };
        QVERIFY(reader.walk(tmp.path() + "/r", r));
        QVERIFY(r.files.contains("first"));
        QVERIFY(r.files.contains("kept/y"));
        QVERIFY(!r.files.contains("gone/deeper/x"));
    }
    void oddNamesAreReportedByteExact() {
        QDir(tmp.path()).mkpath("odd");
        const QList<QByteArray> raw = {"new\nline", "bad\xff\xfe", " both ", "UPPER.TXT",
                                       "upper.txt"};
        for (const QByteArray& n : raw)
            touch(root() + "/odd/" + n, 1);
        QList<QByteArray> seen;
        reader.list(tmp.path() + "/odd", IncludeFiles, [&](const DirEntry& e) {
            seen << encodeFileName(e.name());
            return true;
        });
        std::sort(seen.begin(), seen.end());
        QList<QByteArray> want = raw;
        std::sort(want.begin(), want.end());
        QCOMPARE(seen, want);
        for (const QByteArray& n : raw)
            QVERIFY(reader.fileExists(decodeFileName(root() + "/odd/" + n)));
        QVERIFY(!reader.fileExists(tmp.path() + "/odd"));         // a directory
        QVERIFY(!reader.fileExists(tmp.path() + "/odd/missing")); // nothing
    }
    void deepNestingAndLongPaths() {
        // 5000 levels: far past PATH_MAX and past any descriptor limit if each level kept one.
        QByteArray path = root() + "/deep";
        QCOMPARE(::mkdir(path, 0755), 0);
        int fd = ::open(path, O_RDONLY | O_DIRECTORY);
        for (int i = 0; i < 5000; ++i) {
            QCOMPARE(::mkdirat(fd, "level_directory", 0755), 0);
            if (i % 1000 == 999)
                QCOMPARE(::mknodat(fd, "f", S_IFREG | 0644, 0), 0);
            const int next = ::openat(fd, "level_directory", O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
        }
        QCOMPARE(::mknodat(fd, "bottom", S_IFREG | 0644, 0), 0);
        ::close(fd);
        Recorder r;
        QVERIFY(reader.walk(decodeFileName(path), r));
        QCOMPARE(r.maxDepth, 5000);
        QCOMPARE(r.files.size(), 6);
        QVERIFY(r.files.last().endsWith("/bottom"));
        QVERIFY(r.files.last().size() > 4096 * 18);
        // A start path far beyond PATH_MAX works as well, as does fileExists there.
        QString deepDir = decodeFileName(path);
        for (int i = 0; i < 999; ++i)
            deepDir += "/level_directory";
        QVERIFY(deepDir.size() > 4096);
        Recorder below;
        QVERIFY(reader.walk(deepDir, below));
        QCOMPARE(below.maxDepth, 5000 - 999);
        QVERIFY(reader.fileExists(deepDir + "/f"));
        removeChain(path);
        QVERIFY(!QFileInfo::exists(decodeFileName(path)));
    }
    void missingStartDirectory() {
        Recorder r;
        QVERIFY(!reader.walk(tmp.path() + "/nowhere", r));
        QVERIFY(r.lines.isEmpty());
    }
};

QTEST_MAIN(DirectoryReaderTest)
#include "directory_reader_test.moc"
