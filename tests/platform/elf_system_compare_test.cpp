#include "platform/ElfReader.h"
#include "platform/linux/DpkgPackageIndex.h"
#include "platform/linux/FileByteSource.h"
#include <QtTest>

using namespace vok;

namespace {

// Standard output, also when the tool reports some arguments as not found.
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString captured(const QString& text, const char* pattern) {
    return QRegularExpression(QLatin1String(pattern)).match(text).captured(1);
}

// What one dpkg -S call says of every path: path, then "package:arch" of its first owner. On a
// merged /usr the lists may hold a path without its leading /usr, which dpkg -S does not try by
// itself, so that form is asked too.
QHash<QString, QString> dpkgOwners(const QStringList& paths) {
    QStringList asked = paths;
    for (const QString& p : paths)
        if (p.startsWith("/usr/"))
            asked << p.mid(4);
    QHash<QString, QString> owners;
    for (const QString& line : run("dpkg", QStringList{"-S"} + asked).split('\n')) {
        const qsizetype sep = line.indexOf(": /");
        if (line.startsWith("diversion") || sep < 0)
            continue;
        owners.insert(line.mid(sep + 2), line.left(sep).section(", ", 0, 0));
    }
    QHash<QString, QString> out;
    for (const QString& p : paths)
        out.insert(p, owners.value(p, owners.value(p.startsWith("/usr/") ? p.mid(4) : QString())));
    return out;
}

// Up to `count` ELF files of a directory, spread over its sorted entries.
QStringList elfFilesIn(const QString& dir, const QStringList& masks, int count) {
    QStringList elf;
    for (const QFileInfo& f : QDir(dir).entryInfoList(masks, QDir::Files, QDir::Name)) {
        FileByteSource file(f.filePath());
        char magic[4];
        if (file.readAt(0, magic, 4) && QByteArrayView(magic, 4) == "\x7f\x45LF")
            elf << f.filePath();
    }
    QStringList picked;
    for (int i = 0; i < count && !elf.isEmpty(); ++i)
        picked << elf[int(qint64(i) * elf.size() / count)];
    picked.removeDuplicates();
    return picked;
}

} // namespace

// The ELF reader and the package index against readelf, dpkg -S and dpkg-query on this
// machine's own programs and libraries.
class ElfSystemCompareTest : public QObject {
    Q_OBJECT
private slots:
    void agreesWithTheSystemTools() {
        for (const char* tool : {"readelf", "dpkg", "dpkg-query"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString("%1 is not installed").arg(tool)));
        if (!QFileInfo::exists("/var/lib/dpkg/status"))
            QSKIP("no dpkg database");
        const QStringList files = elfFilesIn("/usr/bin", {"*"}, 20) +
                                  elfFilesIn("/usr/lib/x86_64-linux-gnu", {"*.so.*"}, 20);
        if (files.size() < 30)
            QSKIP("fewer than 30 ELF files in /usr/bin and /usr/lib/x86_64-linux-gnu");
        DpkgPackageIndex index;
        const QHash<QString, QString> owners = dpkgOwners(files);
        QHash<QString, QString> versions;
        QStringList packages = owners.values();
        packages.removeAll(QString());
        packages.removeDuplicates();
        for (const QString& line :
             run("dpkg-query",
                 QStringList{"-W", "-f=${Package}:${Architecture}\t${Version}\n"} + packages)
                 .split('\n')) {
            // Packages of no particular architecture are named without one by dpkg -S.
            const QString name = line.section('\t', 0, 0), version = line.section('\t', 1);
            versions.insert(name, version);
            versions.insert(name.section(':', 0, 0), version);
        }
        int owned = 0, sonames = 0, buildIds = 0;
        for (const QString& path : files) {
            FileByteSource file(path);
            const std::optional<ElfFacts> facts = readElfFacts(file);
            QVERIFY2(facts, qPrintable(path));
            const QString dynamic = run("readelf", {"-dW", path});
            const QString soname = captured(dynamic, R"(\(SONAME\)\s+Library soname: \[(.*)\])");
            QCOMPARE(QString::fromUtf8(facts->soname), soname);
            sonames += soname.isEmpty() ? 0 : 1;
            QCOMPARE(facts->neededCount, int(dynamic.count("(NEEDED)")));
            const QString buildId =
                captured(run("readelf", {"-nW", path}), R"(Build ID: ([0-9a-f]+))");
            QCOMPARE(QString::fromLatin1(facts->buildId.toHex()), buildId);
            buildIds += buildId.isEmpty() ? 0 : 1;

            const QString owner = owners.value(path);
            const std::optional<PackageFacts> package = index.ownerOf(path);
            QCOMPARE(package ? package->name : QString(), owner.section(':', 0, 0));
            if (owner.isEmpty())
                continue;
            ++owned;
            QCOMPARE(package->version, versions.value(owner));
        }
        qInfo("%d ELF files: %d owned by a package (name and version as dpkg says), %d with a "
              "soname, %d with a build id, all as readelf says",
              int(files.size()), owned, sonames, buildIds);
        QVERIFY(owned >= 30);
    }
};

QTEST_GUILESS_MAIN(ElfSystemCompareTest)
#include "elf_system_compare_test.moc"
