#include "platform/fake/FakeDirectoryReader.h"
#include "support/ServiceContracts.h"
#include <functional>

namespace vok {

namespace {

class FakeDirectoryFixture : public DirectoryFixture {
public:
    DirectoryReader& reader() override { return tree_; }
    QString root() const override { return QStringLiteral("/contract"); }
    void addFile(const QString& rel, qint64 size, bool readOnly) override {
        tree_.addFile(path(rel), size, readOnly ? quint32(AttrReadOnly) : 0u);
    }
    void addSystemEntry(const QString& rel) override { tree_.addFile(path(rel), 0, AttrSystem); }
    void addDirectory(const QString& rel) override { tree_.addDirectory(path(rel)); }
    void addDirectoryLink(const QString& rel, const QString& target) override {
        tree_.addDirectoryLink(path(rel), path(target));
    }

private:
    FakeDirectoryReader tree_;
};

// Records a walk: "path attr" lines (with the size for what is not a directory), paths from the
// start, and whether it went depth-first and pre-order: all entries of a directory before any
// of its subdirectories, which are entered in the order they were reported.
struct Recorder : WalkVisitor {
    QStringList lines, entered;
    bool preOrder = true;
    std::function<bool(const DirEntry&)> onEntry;
    std::function<bool(const DirEntry&)> enters = [](const DirEntry& d) {
        return passesIncludeMask(d.attr, IncludeDirectories);
    };
    std::function<bool(QByteArrayView)> wanted;

    struct Level {
        QString path;
        QStringList toEnter;
        bool entering = false;
    };
    QList<Level> levels{Level{}};

    bool entry(const DirEntry& e) override {
        Level& here = levels.last();
        preOrder = preOrder && !here.entering;
        if (e.isDirectory() && enters(e))
            here.toEnter << e.name();
        const QString full = here.path + e.name();
        lines << QStringLiteral("%1 %2").arg(full).arg(e.attr) +
                     (e.isDirectory() ? QString() : QStringLiteral(" %1").arg(e.size));
        return onEntry ? onEntry(e) : true;
    }
    // The rules ask from any thread: the order of entering is checked from the entries.
    WalkRules rules() const { return {wanted, enters}; }
    bool walk(DirectoryReader& reader, const QString& dir) {
        return reader.walk(dir, rules(), *this);
    }
    void enter(const QByteArray& rawName) override {
        Level& here = levels.last();
        here.entering = true;
        const QString name = decodeFileName(rawName);
        preOrder = preOrder && !here.toEnter.isEmpty() && here.toEnter.takeFirst() == name;
        levels << Level{here.path + name + '/', {}, false};
        entered << levels.last().path;
    }
    void leave() override { levels.removeLast(); }
    QStringList sorted() const {
        QStringList s = lines;
        s.sort();
        return s;
    }
};

void attributesAndSizes(DirectoryFixture& f) {
    f.addDirectory("sub");
    f.addDirectory(".hiddendir");
    f.addFile("big.bin", 5'000'000'000LL); // needs 64 bits
    f.addFile(".hidden", 7);
    f.addFile("ro", 3, true);
    f.addSystemEntry("fifo");
    Recorder r;
    QVERIFY(r.walk(f.reader(), f.root()));
    QCOMPARE(r.sorted(), QStringList({".hidden 34 7", ".hiddendir 18", "big.bin 32 5000000000",
                                      "fifo 4 0", "ro 33 3", "sub 16"}));
    QCOMPARE(r.entered, QStringList{"sub/"}); // a hidden directory is not for entering
}

void depthFirstPreOrder(DirectoryFixture& f) {
    for (const char* file : {"a/x", "a/b/y", "a/b/c/z", "d/w", "top", "a/v", "e/f/u"})
        f.addFile(file, 1);
    Recorder r;
    QVERIFY(r.walk(f.reader(), f.root()));
    QVERIFY(r.preOrder);
    QCOMPARE(r.sorted(), QStringList({"a 16", "a/b 16", "a/b/c 16", "a/b/c/z 32 1", "a/b/y 32 1",
                                      "a/v 32 1", "a/x 32 1", "d 16", "d/w 32 1", "e 16", "e/f 16",
                                      "e/f/u 32 1", "top 32 1"}));
    QCOMPARE(r.entered.size(), 6);
}

void declinedDirectoryIsNotEntered(DirectoryFixture& f) {
    f.addFile("skip/inner", 1);
    f.addFile("keep/inner", 2);
    Recorder r;
    r.enters = [](const DirEntry& d) { return d.name() != "skip"; };
    QVERIFY(r.walk(f.reader(), f.root()));
    QCOMPARE(r.sorted(), QStringList({"keep 16", "keep/inner 32 2", "skip 16"}));
}

// A file refused by wants() is never reported; directories are not asked about.
void unwantedFilesAreNotReported(DirectoryFixture& f) {
    f.addFile("no-file", 1);
    f.addFile("yes-file", 2);
    f.addFile("no-dir/yes-inside", 3);
    Recorder r;
    r.wanted = [](QByteArrayView name) { return !name.startsWith("no"); };
    QVERIFY(r.walk(f.reader(), f.root()));
    QCOMPARE(r.sorted(), QStringList({"no-dir 16", "no-dir/yes-inside 32 3", "yes-file 32 2"}));
}

void falseFromEntryEndsTheWholeWalk(DirectoryFixture& f) {
    f.addFile("a/one", 1);
    f.addFile("a/two", 1);
    f.addFile("b/three", 1);
    f.addFile("c/four", 1);
    Recorder r;
    bool stopped = false, after = false;
    r.onEntry = [&](const DirEntry& e) {
        after = after || stopped;
        stopped = !e.isDirectory();
        return !stopped;
    };
    QVERIFY(r.walk(f.reader(), f.root()));
    QVERIFY(stopped && !after);
    QCOMPARE(r.entered.size(), 1);
    QCOMPARE(r.lines.size(), 4); // the three directories, then the one file
}

void startThatIsNoDirectoryReportsNothing(DirectoryFixture& f) {
    f.addFile("file", 1);
    Recorder r;
    QVERIFY(!r.walk(f.reader(), f.path("missing")));
    QVERIFY(!r.walk(f.reader(), f.path("file")));
    QVERIFY(r.lines.isEmpty());
}

void includeMasksFilterListings(DirectoryFixture& f) {
    f.addDirectory("d");
    f.addDirectory(".hd");
    f.addFile(".h");
    f.addFile("f");
    f.addSystemEntry("p");
    auto names = [&](quint32 mask) {
        QStringList got;
        f.reader().list(f.root(), mask, [&](const DirEntry& e) {
            got << e.name();
            return true;
        });
        got.sort();
        return got;
    };
    QCOMPARE(names(IncludeFiles), QStringList({".h", "f", "p"}));
    QCOMPARE(names(IncludeDirectories), QStringList({"d", "f"}));
    QCOMPARE(names(IncludeEverything), QStringList({".h", ".hd", "d", "f", "p"}));
}

// Names keep their case, blanks and bytes that are not UTF-8: each names its own file.
void namesAreByteExact(DirectoryFixture& f) {
    const QStringList names = {"UPPER.TXT",
                               "upper.txt",
                               " both ",
                               "new\nline",
                               decodeFileName("bad\xff"),
                               QString::fromUtf8("bad\xef\xbf\xbd")};
    for (const QString& n : names)
        f.addFile(n, 1);
    QStringList seen;
    f.reader().list(f.root(), IncludeFiles, [&](const DirEntry& e) {
        seen << e.name();
        return true;
    });
    seen.sort();
    QStringList want = names;
    want.sort();
    QCOMPARE(seen, want);
    for (const QString& n : names)
        QVERIFY(f.reader().fileExists(f.path(n)));
}

void fileExistsForAnythingButADirectory(DirectoryFixture& f) {
    f.addFile("d/file", 1);
    f.addFile(".hidden");
    f.addSystemEntry("fifo");
    f.addDirectoryLink("link", "d");
    for (const char* there : {"d/file", ".hidden", "fifo", "link"})
        QVERIFY2(f.reader().fileExists(f.path(there)), there);
    for (const char* not_there : {"d", "missing", "d/missing", "d/file/below"})
        QVERIFY2(!f.reader().fileExists(f.path(not_there)), not_there);
}

// A link to a directory is listed with its target, reported by walks as an entry of its own
// size (its text), and never followed.
void directoryLinksAreListedNotFollowed(DirectoryFixture& f) {
    f.addFile("real/inner/x", 1);
    f.addDirectoryLink("dirlink", "real");
    f.addDirectoryLink(".hiddenlink", "real/inner");
    QMap<QString, QString> found;
    for (const DirectoryLink& l : f.reader().directoryLinks(f.root()))
        found[l.name] = l.target;
    QCOMPARE(found.keys(), (QStringList{".hiddenlink", "dirlink"}));
    QCOMPARE(found["dirlink"], f.path("real"));
    QCOMPARE(found[".hiddenlink"], f.path("real/inner"));
    Recorder r;
    r.enters = [](const DirEntry&) { return true; };
    QVERIFY(r.walk(f.reader(), f.root()));
    const qint64 text = encodeFileName(f.path("real")).size();
    const qint64 hiddenText = encodeFileName(f.path("real/inner")).size();
    QCOMPARE(r.sorted(), QStringList({QStringLiteral(".hiddenlink 2 %1").arg(hiddenText),
                                      QStringLiteral("dirlink 0 %1").arg(text), "real 16",
                                      "real/inner 16", "real/inner/x 32 1"}));
    QVERIFY(f.reader().directoryLinks(f.path("real")).isEmpty());
}

} // namespace

std::unique_ptr<DirectoryFixture> fakeDirectoryFixture() {
    return std::make_unique<FakeDirectoryFixture>();
}

const std::vector<ContractCase<DirectoryFixture>>& directoryContract() {
    static const std::vector<ContractCase<DirectoryFixture>> cases = {
        {"attributes and 64-bit sizes", attributesAndSizes},
        {"depth-first and pre-order", depthFirstPreOrder},
        {"a declined directory is not entered", declinedDirectoryIsNotEntered},
        {"files refused by wants() are not reported", unwantedFilesAreNotReported},
        {"false from entry() ends the whole walk", falseFromEntryEndsTheWholeWalk},
        {"a start that is no directory reports nothing", startThatIsNoDirectoryReportsNothing},
        {"include masks filter listings", includeMasksFilterListings},
        {"names are byte-exact", namesAreByteExact},
        {"fileExists for anything but a directory", fileExistsForAnythingButADirectory},
        {"links to directories are listed, not followed", directoryLinksAreListedNotFollowed},
    };
    return cases;
}

} // namespace vok
