#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/LinuxTrash.h"
#include "support/ChildProcess.h"
#include "support/RemoveTree.h"
#include "support/ScopedEnv.h"
#include "support/ServiceContracts.h"
#include <QtTest>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vok;

namespace {

// The path itself as lstat sees it; all zero when it is not there.
struct stat lstatOf(const QByteArray& path) {
    struct stat st {};
    ::lstat(path.constData(), &st);
    return st;
}
bool exists(const QByteArray& path) {
    return lstatOf(path).st_mode != 0;
}

bool makeFile(const QByteArray& path, const QByteArray& data = "data") {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, data.constData(), size_t(data.size())) == data.size();
    return ::close(fd) == 0 && ok;
}

QByteArray readFile(const QByteArray& path) {
    std::ifstream in(path.constData(), std::ios::binary);
    return QByteArray::fromStdString({std::istreambuf_iterator<char>(in), {}});
}

// Names in a folder, byte-exact.
QList<QByteArray> namesIn(const QByteArray& dir) {
    QList<QByteArray> names;
    LinuxDirectoryReader().list(decodeFileName(dir), IncludeEverything, [&](const DirEntry& e) {
        names << e.rawName.toByteArray();
        return true;
    });
    std::sort(names.begin(), names.end());
    return names;
}

// The contract's files in a temporary folder, the trash under a data home of its own; the
// other tests' set-up too.
class LinuxTrashFixture : public TrashFixture {
public:
    ~LinuxTrashFixture() override {
        removeTree(home_.path());
        removeTree(work_.path());
    }
    Trash& trash() override { return trash_; }
    QString root() const override { return root_; }
    void addFile(const QString& rel) override { QVERIFY(makeFile(encodeFileName(path(rel)))); }
    void addDirectory(const QString& rel) override {
        QCOMPARE(::mkdir(encodeFileName(path(rel)).constData(), 0755), 0);
    }
    void addLink(const QString& rel, const QString& target) override {
        QCOMPARE(::symlink(encodeFileName(path(target)), encodeFileName(path(rel))), 0);
    }
    void removeFile(const QString& rel) override {
        QCOMPARE(::unlink(encodeFileName(path(rel)).constData()), 0);
    }
    bool exists(const QString& rel) override { return ::exists(encodeFileName(path(rel))); }
    QStringList trashed() override {
        QStringList names;
        for (const QByteArray& n : namesIn(homeTrash() + "/files"))
            names << decodeFileName(n);
        names.sort();
        return names;
    }
    QByteArray homeTrash() const { return QFile::encodeName(home_.path()) + "/Trash"; }

private:
    QTemporaryDir home_, work_;
    ScopedEnv dataHome_{"XDG_DATA_HOME", QFile::encodeName(home_.path())};
    QString root_ = QFileInfo(work_.path()).canonicalFilePath();
    LinuxTrash trash_;
};

// Runs step in a child process under uid (group the same); its exit status.
int runAs(uid_t uid, const std::function<bool()>& step) {
    return runInChild([&] {
        // Dumpable again after the change of user, so /proc/self stays readable.
        return ::setgroups(0, nullptr) == 0 && ::setresgid(uid, uid, uid) == 0 &&
               ::setresuid(uid, uid, uid) == 0 && ::prctl(PR_SET_DUMPABLE, 1) == 0 && step();
    });
}

} // namespace

// The real trash on real file systems, under a temporary data home per test, so the user's own
// trash is never touched. File systems of their own are tmpfs mounts in a private mount
// namespace, where the test may mount.
class TrashTest : public QObject {
    Q_OBJECT
    std::optional<LinuxTrashFixture> f; // fresh for each test
    bool mayMount = false;
    QString cannotMount;

    QByteArray w(const QByteArray& name = {}) const {
        const QByteArray base = encodeFileName(f->root());
        return name.isEmpty() ? base : base + '/' + name;
    }
    QByteArray homeTrash() const { return f->homeTrash(); }
    bool toTrash(const QByteArray& path) {
        return f->trash().moveToTrash(decodeFileName(path), f->dialogs);
    }
    // A tmpfs of its own at work/name; empty when the test may not mount.
    QByteArray mountTmpfs(const QByteArray& name, const QByteArray& options) {
        const QByteArray dir = w(name);
        if (!mayMount || ::mkdir(dir.constData(), 0755) != 0 ||
            ::mount("tmpfs", dir.constData(), "tmpfs", 0, options.constData()) != 0)
            return {};
        return dir;
    }

private slots:
    void initTestCase() {
        mayMount = ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        cannotMount = "may not mount here (needs root in a mount namespace): " + qt_error_string();
    }
    void init() {
        f.emplace();
        QVERIFY(::chmod(w().constData(), 0755) == 0);
    }
    void cleanup() {
        ::umount2(w("mnt").constData(), MNT_DETACH);
        f.reset();
    }

    void contract_data() { addContractRows(trashContract()); }
    void contract() { runContractRow<LinuxTrashFixture>(trashContract(), fakeTrashFixture); }

    void everyNameIsItsOwnFile() {
        // U+EF80 as UTF-8 and the text its escapes would spell; bytes that are not UTF-8 and
        // their U+FFFD twin; names that need percent-encoding in Path=.
        const QByteArray escapeRange("\xee\xbe\x80z");
        const QList<QByteArray> twins = {decodeFileName(escapeRange).toUtf8(), "odd\xef\xbf\xbd"};
        const QList<QByteArray> names = {"odd\xff", "x%41\nb c.txt", escapeRange}; // sorted
        for (const QByteArray& n : names + twins)
            QVERIFY(makeFile(w(n)));
        for (const QByteArray& n : names) {
            QVERIFY2(toTrash(w(n)), n.toPercentEncoding().constData());
            const QByteArray info = readFile(homeTrash() + "/info/" + n + ".trashinfo");
            QVERIFY(info.startsWith("[Trash Info]\nPath=") && info.contains("\nDeletionDate=20"));
            const QByteArray path = info.split('\n').value(1).mid(5);
            QCOMPARE(QByteArray::fromPercentEncoding(path), w(n));
            QVERIFY(!path.contains('\n') && !path.contains("%41"));
        }
        QCOMPARE(namesIn(w()), (QList<QByteArray>{"odd\xef\xbf\xbd", twins[0]}));
        QCOMPARE(namesIn(homeTrash() + "/files"), names);
    }

    void longNamesFitAndRepeat() {
        const QByteArray longest(255, 'y');
        const QByteArray wide = QByteArray(240, 'a') + "\xc3\xa9\xc3\xa9\xc3\xa9.txt"; // 250 bytes
        for (int round = 0; round < 2; ++round)
            for (const QByteArray& n : {longest, wide}) {
                QVERIFY(makeFile(w(n)));
                QVERIFY(toTrash(w(n)));
            }
        const QList<QByteArray> inTrash = namesIn(homeTrash() + "/files");
        QCOMPARE(inTrash.size(), 4);
        for (const QByteArray& n : inTrash) {
            QVERIFY(n.size() + 10 <= 255);
            QVERIFY(QString::fromUtf8(n).toUtf8() == n); // not cut inside a character
            const QByteArray info = readFile(homeTrash() + "/info/" + n + ".trashinfo");
            const QByteArray original = QByteArray::fromPercentEncoding(info.split('\n')[1].mid(5));
            QVERIFY(original == w(longest) || original == w(wide));
        }
    }

    void missingDataHomeParentRefusesAndNothingLandsInTheWorkingDirectory() {
        QVERIFY(makeFile(w("f")));
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(f->root()));
        qputenv("XDG_DATA_HOME", w("missing/share"));
        const bool moved = f->trash().moveToTrash("f", f->dialogs);
        QVERIFY(QDir::setCurrent(saved));
        QVERIFY(!moved);
        QCOMPARE(namesIn(w()), QList<QByteArray>{"f"});
        // A missing data home under an existing parent is made, private to the user.
        qputenv("XDG_DATA_HOME", w("share"));
        QVERIFY(toTrash(w("f")));
        for (const QByteArray& dir : {w("share"), w("share/Trash")})
            QCOMPARE(lstatOf(dir).st_mode, S_IFDIR | 0700u);
        QVERIFY(exists(w("share/Trash/files/f")) && exists(w("share/Trash/info/f.trashinfo")));
    }

    void linksAreTrashedThemselves() {
        QVERIFY(makeFile(w("target")));
        for (const auto& [n, to] :
             {std::pair{"dangling", "nowhere"}, {"loop", "loop"}, {"tofile", "target"}}) {
            QVERIFY(::symlink(to, w(n).constData()) == 0);
            QVERIFY2(toTrash(w(n)), n);
            QVERIFY(S_ISLNK(lstatOf(homeTrash() + "/files/" + n).st_mode));
        }
        QCOMPARE(namesIn(w()), QList<QByteArray>{"target"});
    }

    void changedWhileAskedMovesNothing_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("file replaced by a folder") << 1;
        QTest::newRow("file replaced by another file") << 2;
        QTest::newRow("folder replaced by a link to another folder") << 3;
    }
    void changedWhileAskedMovesNothing() {
        QFETCH(int, change);
        QVERIFY(::mkdir(w("listed").constData(), 0755) == 0 && makeFile(w("listed/f")));
        QVERIFY(::mkdir(w("other").constData(), 0755) == 0 && makeFile(w("other/f"), "other"));
        f->dialogs.whileAsking = [&] {
            const QByteArray f = w("listed/f");
            if (change == 1 && ::unlink(f.constData()) == 0 && ::mkdir(f.constData(), 0755) == 0)
                makeFile(f + "/inside");
            if (change == 2)
                ::rename(w("other/f").constData(), f.constData());
            if (change == 3 && ::rename(w("listed").constData(), w("moved").constData()) == 0)
                QVERIFY(::symlink("other", w("listed").constData()) == 0);
        };
        QVERIFY(!toTrash(w("listed/f")));
        QCOMPARE(f->dialogs.confirmations.size(), 1);
        QVERIFY(namesIn(homeTrash() + "/files").isEmpty());
        QVERIFY(namesIn(homeTrash() + "/info").isEmpty());
        if (change == 3)
            QCOMPARE(readFile(w("other/f")), QByteArray("other"));
    }

    void topDirectoryTrashOfAnotherFileSystem() {
        const QByteArray mnt = mountTmpfs("mnt", "mode=0755");
        if (mnt.isEmpty())
            QSKIP(qPrintable(cannotMount));
        QVERIFY(::mkdir((mnt + "/sub").constData(), 0755) == 0);
        QVERIFY(makeFile(mnt + "/sub/a") && makeFile(mnt + "/sub/b") && makeFile(mnt + "/c"));
        // A .Trash that is a link is passed over, even to a sticky folder.
        QVERIFY(::mkdir((mnt + "/shared").constData(), 01777) == 0);
        QVERIFY(::symlink("shared", (mnt + "/.Trash").constData()) == 0);
        QVERIFY(toTrash(mnt + "/sub/a"));
        QVERIFY(exists(mnt + "/.Trash-0/files/a"));
        QVERIFY(readFile(mnt + "/.Trash-0/info/a.trashinfo").contains("\nPath=sub/a\n"));
        QCOMPARE(lstatOf(mnt + "/.Trash-0").st_mode, S_IFDIR | 0700u);
        QVERIFY(namesIn(mnt + "/shared").isEmpty());
        // A real sticky .Trash takes a folder per user.
        QVERIFY(::unlink((mnt + "/.Trash").constData()) == 0);
        QVERIFY(::rename((mnt + "/shared").constData(), (mnt + "/.Trash").constData()) == 0);
        QVERIFY(toTrash(mnt + "/sub/b") && toTrash(mnt + "/c"));
        QVERIFY(exists(mnt + "/.Trash/0/files/b"));
        QVERIFY(readFile(mnt + "/.Trash/0/info/c.trashinfo").contains("\nPath=c\n"));
        QVERIFY(namesIn(homeTrash()).isEmpty());
    }

    void plantedTrashOfAnotherUserIsRefused() {
        const QByteArray mnt = mountTmpfs("mnt", "mode=1777"); // a shared /tmp
        if (mnt.isEmpty())
            QSKIP(qPrintable(cannotMount));
        const uid_t victim = 4242, attacker = 4343;
        const QByteArray file = mnt + "/mine", evil = mnt + "/evil";
        QVERIFY(makeFile(file) && ::chown(file.constData(), victim, victim) == 0);
        QVERIFY(::mkdir(evil.constData(), 0777) == 0 && ::chmod(evil.constData(), 0777) == 0);
        QVERIFY(::chown(evil.constData(), attacker, attacker) == 0);
        const QByteArray planted = mnt + "/.Trash-4242";
        auto victimTrashes = [&] { return runAs(victim, [&] { return toTrash(file); }) == 0; };
        QVERIFY(::symlink("evil", planted.constData()) == 0);
        QVERIFY(::lchown(planted.constData(), attacker, attacker) == 0);
        QVERIFY(!victimTrashes());
        QVERIFY(::unlink(planted.constData()) == 0 && ::mkdir(planted.constData(), 0700) == 0);
        QVERIFY(::chown(planted.constData(), attacker, attacker) == 0);
        QVERIFY(!victimTrashes());
        QVERIFY(exists(file));
        QVERIFY(namesIn(evil).isEmpty() && namesIn(planted).isEmpty());
        // Without the plant the victim's own trash is made and used.
        QVERIFY(removeTree(decodeFileName(planted)));
        QVERIFY(victimTrashes());
        QCOMPARE(lstatOf(planted).st_uid, victim);
        QVERIFY(exists(planted + "/files/mine"));
    }

    void fullDiskOrUnwritableInfoMovesNothing() {
        const QByteArray mnt = mountTmpfs("mnt", "size=64k,nr_inodes=32");
        if (mnt.isEmpty())
            QSKIP(qPrintable(cannotMount));
        QVERIFY(makeFile(mnt + "/f"));
        auto nothingMoved = [&] {
            return exists(mnt + "/f") && namesIn(mnt + "/home/Trash/info").isEmpty() &&
                   namesIn(mnt + "/home/Trash/files").isEmpty() &&
                   namesIn(mnt + "/.Trash-0/info").isEmpty();
        };
        // Home trash on the same file system: no inodes left for the info file.
        qputenv("XDG_DATA_HOME", mnt + "/home");
        for (const char* p : {"/home", "/home/Trash", "/home/Trash/files", "/home/Trash/info"})
            QVERIFY(::mkdir((mnt + p).constData(), 0700) == 0);
        int fill = 0;
        while (makeFile(mnt + "/i" + QByteArray::number(fill), {}))
            ++fill;
        QCOMPARE(errno, ENOSPC);
        QVERIFY(!toTrash(mnt + "/f"));
        QVERIFY(nothingMoved());
        // An inode for the info file but no room for its text.
        QVERIFY(::unlink((mnt + "/i0").constData()) == 0 &&
                ::unlink((mnt + "/i1").constData()) == 0);
        QVERIFY(!makeFile(mnt + "/big", QByteArray(64 * 1024, 'x')));
        QVERIFY(!toTrash(mnt + "/f"));
        QVERIFY(nothingMoved());
        // Room again, but an info folder the user may not write to.
        QVERIFY(::unlink((mnt + "/big").constData()) == 0);
        for (const char* p : {"/home", "/home/Trash", "/home/Trash/info", "/home/Trash/files"})
            QVERIFY(::chown((mnt + p).constData(), 4242, 4242) == 0);
        QVERIFY(::chmod(mnt.constData(), 0777) == 0);
        QVERIFY(::chmod((mnt + "/home/Trash/info").constData(), 0500) == 0);
        QCOMPARE(runAs(4242, [&] { return !toTrash(mnt + "/f"); }), 0);
        QVERIFY(nothingMoved());
        QVERIFY(::chmod((mnt + "/home/Trash/info").constData(), 0700) == 0);
        QCOMPARE(runAs(4242, [&] { return toTrash(mnt + "/f"); }), 0);
        QVERIFY(exists(mnt + "/home/Trash/files/f"));
    }
};

QTEST_MAIN(TrashTest)
#include "trash_test.moc"
