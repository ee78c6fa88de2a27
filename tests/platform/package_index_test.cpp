#include "platform/DpkgText.h"
#include "platform/linux/DpkgPackageIndex.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vok;

namespace {

void write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(text);
}

const QByteArray kStatus = "Package: zlib1g\n"
                           "Status: install ok installed\n"
                           "Architecture: amd64\n"
                           "Multi-Arch: same\n"
                           "Maintainer: Zed Maintainer <zed@example.org>\n"
                           "Version: 1:1.2.13.dfsg-1\n"
                           "Description: compression library - runtime\n"
                           " zlib is a library implementing the deflate method.\n"
                           " .\n"
                           " Description: not a field\n"
                           "\n"
                           "Package: tool\n"
                           "Status: install ok installed\n"
                           "Architecture: amd64\n"
                           "Version: 2.0-1\n"
                           "Maintainer: Tool Team <tool@example.org>\n"
                           "Description: a tool\n"
                           "\n"
                           "Package: gone\n"
                           "Status: purge ok not-installed\n"
                           "Architecture: amd64\n";

} // namespace

class PackageIndexTest : public QObject {
    Q_OBJECT
private slots:
    void statusFields() {
        const std::vector<DpkgPackage> p = parseDpkgStatus(kStatus);
        QCOMPARE(p.size(), size_t(3));
        QCOMPARE(p[0].listName(), QByteArray("zlib1g:amd64"));
        QCOMPARE(p[0].description, QByteArray("compression library - runtime"));
        QCOMPARE(p[0].version, QByteArray("1:1.2.13.dfsg-1"));
        QCOMPARE(p[1].listName(), QByteArray("tool"));
        QCOMPARE(p[1].maintainer, QByteArray("Tool Team <tool@example.org>"));
        QCOMPARE(p[2].status, QByteArray("purge ok not-installed"));
        // Without a final newline, with CRLF endings.
        const std::vector<DpkgPackage> q =
            parseDpkgStatus("Package: a\r\nVersion: 1\r\n\r\nPackage: b");
        QCOMPARE(q.size(), size_t(2));
        QCOMPARE(q[0].version, QByteArray("1"));
        QCOMPARE(q[1].name, QByteArray("b"));
    }

    void copyrightLines() {
        // Free text: a line that merely mentions copyright is no copyright line.
        QCOMPARE(firstCopyrightLine("This is the packaged library.\n"
                                    "* It is under the following copyright:\n\n"
                                    "    Copyright (C) 1991-2015 Free Software Foundation, Inc.\n"),
                 QByteArray("Copyright (C) 1991-2015 Free Software Foundation, Inc."));
        QCOMPARE(firstCopyrightLine("Upstream: x\n  (C) 1987-2022 Someone\n"),
                 QByteArray("(C) 1987-2022 Someone"));
        // Machine-readable: the field's first value, on its line or the next.
        QCOMPARE(firstCopyrightLine("Format: https://example.org/dep5\n\nFiles: *\n"
                                    "Copyright: 1995-2013 Jean and Mark\n"),
                 QByteArray("Copyright 1995-2013 Jean and Mark"));
        QCOMPARE(firstCopyrightLine("Files: *\nCopyright:\n 2016-2022 The Company Ltd.\n"
                                    " 2001 Others\n"),
                 QByteArray("Copyright 2016-2022 The Company Ltd."));
        QCOMPARE(firstCopyrightLine("Copyright: Copyright 2000 A\n"),
                 QByteArray("Copyright 2000 A"));
        QCOMPARE(firstCopyrightLine("no such line\n"), QByteArray());
        QCOMPARE(firstCopyrightLine(""), QByteArray());
    }

    // A made-up root: usr/lib and usr/bin hold the files, lib and bin link to them as after
    // the /usr merge, and the packages list some files under the old and some under the new
    // directories.
    void ownersInAFakeDatabase() {
        QTemporaryDir root;
        const QString r = root.path();
        write(r + "/var/lib/dpkg/status", kStatus);
        write(r + "/var/lib/dpkg/info/zlib1g:amd64.list",
              "/.\n/lib\n/lib/x86_64-linux-gnu\n/lib/x86_64-linux-gnu/libz.so.1.2.13\n"
              "/lib/x86_64-linux-gnu/libz.so.1\n/usr/share/doc/zlib1g\n");
        write(r + "/var/lib/dpkg/info/tool.list", "/.\n/usr\n/usr/bin\n/usr/bin/tool");
        write(r + "/var/lib/dpkg/info/gone.list", "/usr/bin/gone\n");
        write(r + "/usr/lib/x86_64-linux-gnu/libz.so.1.2.13", "");
        write(r + "/usr/bin/tool", "");
        write(r + "/usr/share/doc/zlib1g/copyright",
              "Files: *\nCopyright: 1995-2013 Jean and Mark\n");
        QVERIFY(QFile::link("usr/lib", r + "/lib"));
        QVERIFY(QFile::link("usr/bin", r + "/bin"));

        DpkgPackageIndex index(r);
        QVERIFY(!index.isBuilt());
        std::optional<PackageFacts> p = index.ownerOf("/lib/x86_64-linux-gnu/libz.so.1.2.13");
        QVERIFY(index.isBuilt());
        QVERIFY(p);
        QCOMPARE(p->name, QString("zlib1g"));
        QCOMPARE(p->version, QString("1:1.2.13.dfsg-1"));
        QCOMPARE(p->maintainer, QString("Zed Maintainer <zed@example.org>"));
        QCOMPARE(p->description, QString("compression library - runtime"));
        QCOMPARE(p->copyright, QString("Copyright 1995-2013 Jean and Mark"));
        // Listed under /lib, asked under /usr/lib, and the other way round.
        p = index.ownerOf("/usr/lib/x86_64-linux-gnu/libz.so.1");
        QVERIFY(p);
        QCOMPARE(p->name, QString("zlib1g"));
        p = index.ownerOf("/bin/tool");
        QVERIFY(p);
        QCOMPARE(p->name, QString("tool"));
        QCOMPARE(p->copyright, QString());
        QVERIFY(index.ownerOf("/usr/bin/../bin/tool"));
        // Unlisted, in a package that is not installed, not absolute.
        QVERIFY(!index.ownerOf("/usr/lib/x86_64-linux-gnu/libother.so.1"));
        QVERIFY(!index.ownerOf("/usr/bin/gone"));
        QVERIFY(!index.ownerOf("usr/bin/tool"));
        QVERIFY(!index.ownerOf("/"));
    }

    void noDatabase() {
        QTemporaryDir root;
        DpkgPackageIndex index(root.path());
        QVERIFY(!index.ownerOf("/usr/bin/tool"));
        QCOMPARE(index.pathCount(), 0);
        // Resolving a link loop ends, whichever way the loop is entered.
        QVERIFY(QFile::link("b", root.path() + "/a"));
        QVERIFY(QFile::link("a", root.path() + "/b"));
        write(root.path() + "/var/lib/dpkg/status", kStatus);
        write(root.path() + "/var/lib/dpkg/info/tool.list", "/a/tool\n");
        DpkgPackageIndex looped(root.path());
        (void)looped.ownerOf("/b/tool");
        QVERIFY(looped.ownerOf("/a/tool"));
    }
};

QTEST_GUILESS_MAIN(PackageIndexTest)
#include "package_index_test.moc"
