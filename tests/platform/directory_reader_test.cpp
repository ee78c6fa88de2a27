#include "platform/WildcardMask.h"
#include "platform/linux/LinuxDirectoryReader.h"
#include "support/ChildProcess.h"
#include "support/RemoveTree.h"
#include "support/ServiceContracts.h"
#include <QtTest>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <mutex>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vok;

namespace {

// Records the files of a walk, paths from the start, and its depth.
struct Recorder : WalkVisitor {
    QStringList files;
    QString current;          // the path from the start, ending in "/"
    QList<qsizetype> lengths; // of current before each level
    int maxDepth = 0;
    std::function<bool(const DirEntry&)> onEntry;
    bool entry(const DirEntry& e) override {
        if (!e.isDirectory())
            files << current + e.name();
        return onEntry ? onEntry(e) : true;
    }
    WalkRules rules{
        {}, [](const DirEntry& d) { return passesIncludeMask(d.attr, IncludeDirectories); }};
    bool walk(DirectoryReader& reader, const QString& dir) {
        return reader.walk(dir, rules, *this);
    }
    void enter(const QByteArray& name) override {
        lengths << current.size();
        current += decodeFileName(name) + '/';
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

// The contract's tree as real files in a temporary folder.
class LinuxDirectoryFixture : public DirectoryFixture {
public:
    ~LinuxDirectoryFixture() override { removeTree(root_); }
    DirectoryReader& reader() override { return reader_; }
    QString root() const override { return root_; }
    void addFile(const QString& rel, qint64 size, bool readOnly) override {
        QDir().mkpath(QFileInfo(path(rel)).path());
        touch(encodeFileName(path(rel)), size);
        if (readOnly)
            QCOMPARE(::chmod(encodeFileName(path(rel)), 0444), 0);
    }
    void addSystemEntry(const QString& rel) override {
        QCOMPARE(::mkfifo(encodeFileName(path(rel)), 0644), 0);
    }
    void addDirectory(const QString& rel) override { QVERIFY(QDir().mkpath(path(rel))); }
    void addDirectoryLink(const QString& rel, const QString& target) override {
        QCOMPARE(::symlink(encodeFileName(path(target)), encodeFileName(path(rel))), 0);
    }

private:
    QTemporaryDir tmp_;
    QString root_ = QFileInfo(tmp_.path()).canonicalFilePath();
    LinuxDirectoryReader reader_;
};

// Every call a walk makes to its visitor, in order: what the threaded walk must give exactly as
// the walk on one thread does.
struct EventLog : WalkVisitor {
    QByteArray log;
    int stopAfter = -1; // entries; -1 never
    bool entry(const DirEntry& e) override {
        log += "e " + e.rawName.toByteArray() + ' ' + QByteArray::number(e.attr) + ' ' +
               QByteArray::number(e.size) + '\n';
        return stopAfter < 0 || --stopAfter > 0;
    }
    void enter(const QByteArray& name) override { log += "> " + name + '\n'; }
    void leave() override { log += "<\n"; }
};

// A tree of many small directories of random width, names with blanks, newlines and bytes that
// are not UTF-8, hidden and system entries, links to directories (loops too) and dangling ones,
// and a branch 300 levels deep with a second directory on every level, so that more directories
// wait to be entered than a walk keeps open.
void makeOddTree(const QByteArray& root) {
    QCOMPARE(::mkdir(root, 0755), 0);
    const char* const odd[] = {"with blank",
                               "new\nline",
                               "bad\xff"
                               "byte",
                               "UPPER.TXT",
                               "upper.txt",
                               ".hidden",
                               "f.txt",
                               "g.dat",
                               "no_extension"};
    quint32 seed = 20261209;
    const auto rnd = [&seed](quint32 n) { return (seed = seed * 1103515245 + 12345) / 65536 % n; };
    std::vector<QByteArray> dirs{root};
    for (size_t i = 0; i < dirs.size() && dirs.size() < 1500; ++i) {
        const quint32 width = 1 + rnd(4);
        for (quint32 d = 0; d < width; ++d) {
            QByteArray sub = dirs[i] + '/' + odd[rnd(9)] + QByteArray::number(d);
            QCOMPARE(::mkdir(sub, 0755), 0);
            dirs.push_back(sub);
        }
    }
    for (size_t i = 0; i < dirs.size(); ++i) {
        for (quint32 f = rnd(6); f > 0; --f)
            touch(dirs[i] + '/' + odd[rnd(9)] + "-" + QByteArray::number(f), rnd(100000));
        if (i % 97 == 0)
            QCOMPARE(::symlink("..", dirs[i] + "/loop"), 0);
        if (i % 89 == 0)
            QCOMPARE(::symlink("/nonexistent", dirs[i] + "/dangling"), 0);
        if (i % 251 == 0)
            QCOMPARE(::mkfifo(dirs[i] + "/fifo", 0644), 0);
    }
    int fd = ::open(root, O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < 300; ++level) {
        QCOMPARE(::mkdirat(fd, "s", 0755), 0);
        QCOMPARE(::mkdirat(fd, "d", 0755), 0);
        QCOMPARE(::mknodat(fd, "s/leaf.txt", S_IFREG | 0644, 0), 0);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    ::close(fd);
}

} // namespace

class DirectoryReaderTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    LinuxDirectoryReader reader;
    QByteArray root() const { return QFile::encodeName(tmp.path()); }
    // Empty files below tmp, or folders where the path ends in "/", with the folders on the way.
    void make(std::initializer_list<const char*> paths) {
        for (const QString path : paths) {
            QVERIFY(QDir(tmp.path()).mkpath(path.left(path.lastIndexOf('/'))));
            if (!path.endsWith('/'))
                touch(root() + '/' + path.toUtf8());
        }
    }

private slots:
    void cleanupTestCase() { QVERIFY(removeTree(tmp.path())); }
    void contract_data() { addContractRows(directoryContract()); }
    void contract() {
        runContractRow<LinuxDirectoryFixture>(directoryContract(), fakeDirectoryFixture);
    }
    // Workers read ahead in any order; what the visitor hears, a stopped walk's included, is
    // what one thread gives.
    void threadedWalkGivesWhatOneThreadGives_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("stopAfter");
        QTest::addRow("every entry") << "*.*" << -1;
        QTest::addRow("masked") << "*.txt" << -1;
        QTest::addRow("stopped at once") << "*.*" << 1;
        QTest::addRow("stopped midway") << "*.*" << 3000;
    }
    void threadedWalkGivesWhatOneThreadGives() {
        QFETCH(QString, mask);
        QFETCH(int, stopAfter);
        const QByteArray tree = root() + "/odd";
        if (!QFileInfo::exists(tmp.path() + "/odd"))
            makeOddTree(tree);
        const WildcardMask m(mask);
        const WalkRules rules{
            [m](QByteArrayView name) { return m.matchesFileName(name); },
            [](const DirEntry& d) { return passesIncludeMask(d.attr, IncludeDirectories); }};
        const auto walked = [&](int threads, linuxfs::WalkLimits limits = {}) {
            EventLog log;
            log.stopAfter = stopAfter;
            LinuxDirectoryReader walker(threads, limits);
            return walker.walk(decodeFileName(tree), rules, log) ? log.log : QByteArray("failed");
        };
        const QByteArray one = walked(1);
        if (stopAfter < 0)
            QVERIFY(one.count("\n> ") > 1000);
        else
            QCOMPARE(one.count("e "), stopAfter);
        for (int threads : {2, 8})
            QCOMPARE(walked(threads), one);
        // Nothing read ahead but what the caller waits for, and every directory opened down
        // from the start.
        QCOMPARE(walked(4, {1, 0}), one);
    }
    // On one thread, names passed over by the dozen thousand still give the caller its pauses,
    // and a pause can end the walk.
    void passedOverNamesPauseTheWalk() {
        make({"p/"});
        for (int i = 0; i < 1000; ++i)
            touch(root() + "/p/f" + QByteArray::number(i) + ".dat");
        struct Pauses : EventLog {
            int pauses = 0;
            bool going = true;
            bool pause() override {
                ++pauses;
                return going;
            }
        };
        const WalkRules onlyText{[](QByteArrayView name) { return name.endsWith(".txt"); }, {}};
        LinuxDirectoryReader oneThread(1);
        for (const bool going : {true, false}) {
            Pauses visitor;
            visitor.going = going;
            QVERIFY(oneThread.walk(tmp.path() + "/p", onlyText, visitor));
            if (visitor.pauses == 0)
                QSKIP("this file system gives no entry types; every entry is read");
            QCOMPARE(visitor.pauses, going ? 1000 / 256 : 1);
        }
    }
    // A folder bound onto its own subfolder: the walk must not go round it a second time.
    void bindMountOntoOwnSubfolderIsWalkedOnce() {
        make({"bind/sub/deeper/", "bind/f", "bind/sub/g"});
        const int status = runInChild([&] {
            const QByteArray top = root() + "/bind";
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount(top.constData(), (top + "/sub").constData(), nullptr, MS_BIND, nullptr) !=
                    0)
                ::_exit(77);
            Recorder r;
            r.walk(reader, tmp.path() + "/bind");
            std::fprintf(stderr, "walked: %s\n", qPrintable(r.files.join(' ')));
            return r.files == QStringList{"f"};
        });
        if (status == 77)
            QSKIP("this process may not make a mount namespace with a bind mount (needs root)");
        QCOMPARE(status, 0);
    }
    void unreadableDirectoryIsPassedOver() {
        if (::geteuid() == 0)
            QSKIP("running as root: permission bits do not stop root from reading");
        make({"u/closed/secret", "u/open"});
        QVERIFY(QFile::setPermissions(tmp.path() + "/u/closed", QFile::Permissions()));
        Recorder r;
        QVERIFY(r.walk(reader, tmp.path() + "/u"));
        QFile::setPermissions(tmp.path() + "/u/closed",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(r.files, QStringList{"open"});
    }
    void directoryRemovedDuringTheWalk() {
        make({"r/gone/deeper/x", "r/kept/y", "r/first"});
        Recorder r;
        r.onEntry = [&](const DirEntry& e) {
            if (e.name() == "first")
                QDir(tmp.path() + "/r/gone").removeRecursively();
            return true;
        };
        QVERIFY(r.walk(reader, tmp.path() + "/r"));
        r.files.sort();
        // Workers may have read it before it went; the walk goes on either way.
        r.files.removeOne("gone/deeper/x");
        QCOMPARE(r.files, (QStringList{"first", "kept/y"}));
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
        QVERIFY(r.walk(reader, decodeFileName(path)));
        QCOMPARE(r.maxDepth, 5000);
        QCOMPARE(r.files.size(), 6);
        QVERIFY(r.files.last().endsWith("/bottom"));
        QVERIFY(r.files.last().size() > 4096 * 18);
        // A start path far beyond PATH_MAX works as well, as does fileExists there.
        const QString deepDir = decodeFileName(path) + QString("/level_directory").repeated(999);
        QVERIFY(deepDir.size() > 4096);
        Recorder below;
        QVERIFY(below.walk(reader, deepDir));
        QCOMPARE(below.maxDepth, 5000 - 999);
        QVERIFY(reader.fileExists(deepDir + "/f"));
        QVERIFY(removeTree(decodeFileName(path)));
    }
    // Only links that resolve to a directory count, through other links too, with their real
    // target.
    void directoryLinksResolveThroughLinks() {
        const QString root = QFileInfo(tmp.path()).canonicalFilePath() + "/links";
        QVERIFY(QDir(root).mkpath("real/inner"));
        touch(QFile::encodeName(root + "/file"));
        QVERIFY(QFile::link("real", root + "/dirlink"));
        QVERIFY(QFile::link("dirlink/inner", root + "/chain"));
        QVERIFY(QFile::link("file", root + "/filelink"));
        QVERIFY(QFile::link("missing", root + "/dangling"));
        QVERIFY(QFile::link("loop", root + "/loop"));
        QMap<QString, QString> found;
        for (const DirectoryLink& l : reader.directoryLinks(root))
            found[l.name] = l.target;
        QCOMPARE(found.keys(), (QStringList{"chain", "dirlink"}));
        QCOMPARE(found["chain"], root + "/real/inner");
    }
    // What the directory marks as a file or link and the visitor does not want is never read;
    // a directory is read and entered whatever its name.
    void rejectedFilesAreNotRead() {
        make({"w/sub.dat/e.txt", "w/a.txt", "w/B.TXT", "w/c.dat", "w/d.log"});
        QVERIFY(::symlink("a.txt", (root() + "/w/link.dat").constData()) == 0);
        struct Visitor : Recorder {
            QStringList reported;
            bool entry(const DirEntry& e) override {
                reported << e.name();
                return true;
            }
        } visitor;
        // Asked from the walk's threads.
        auto asked = std::make_shared<std::pair<std::mutex, QStringList>>();
        const WildcardMask mask(QStringLiteral("*.txt"));
        visitor.rules = {[asked, mask](QByteArrayView raw) {
                             const std::lock_guard lock(asked->first);
                             asked->second << decodeFileName(raw);
                             return mask.matchesFileName(raw);
                         },
                         [](const DirEntry&) { return true; }};
        QVERIFY(visitor.walk(reader, tmp.path() + "/w"));
        asked->second.sort();
        visitor.reported.sort();
        if (asked->second.isEmpty())
            QSKIP("this file system gives no entry types; every entry is read");
        QCOMPARE(asked->second,
                 QStringList({"B.TXT", "a.txt", "c.dat", "d.log", "e.txt", "link.dat"}));
        QCOMPARE(visitor.reported, QStringList({"B.TXT", "a.txt", "e.txt", "sub.dat"}));
    }
};

QTEST_MAIN(DirectoryReaderTest)
#include "directory_reader_test.moc"
