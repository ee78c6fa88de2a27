#include "platform/linux/DpkgPackageIndex.h"
#include "platform/linux/DpkgText.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"
#include <QtTest>

using namespace vok;

namespace {

void write(const QString& path, const QByteArray& text) {
    QVERIFY2(writeFile(path, text), qPrintable(path));
}

const QByteArray kStatus = "Package: zlib1g\nStatus: install ok installed\nArchitecture: amd64\n"
                           "Multi-Arch: same\nMaintainer: Zed Maintainer <zed@example.org>\n"
                           "Version: 1:1.2.13.dfsg-1\nDescription: compression library - runtime\n"
                           " zlib is a library implementing the deflate method.\n .\n"
                           " Description: not a field\n\nPackage: tool\n"
                           "Status: install ok installed\nArchitecture: amd64\nVersion: 2.0-1\n"
                           "Maintainer: Tool Team <tool@example.org>\nDescription: a tool\n\n"
                           "Package: gone\nStatus: purge ok not-installed\nArchitecture: amd64\n";

} // namespace

class PackageIndexTest : public QObject {
    Q_OBJECT
private slots:
    void statusFields() {
        const std::vector<DpkgPackage> p = parseDpkgStatus(kStatus);
        QCOMPARE(p.size(), size_t(3));
        QCOMPARE(
            (QList<QByteArray>{p[0].listName(), p[0].description, p[0].version, p[1].listName(),
                               p[1].maintainer, p[2].status}),
            (QList<QByteArray>{"zlib1g:amd64", "compression library - runtime", "1:1.2.13.dfsg-1",
                               "tool", "Tool Team <tool@example.org>", "purge ok not-installed"}));
        // Without a final newline, with CRLF endings.
        const std::vector<DpkgPackage> q =
            parseDpkgStatus("Package: a\r\nVersion: 1\r\n\r\nPackage: b");
        QCOMPARE(q.size(), size_t(2));
        QCOMPARE(std::pair(q[0].version, q[1].name), std::pair(QByteArray("1"), QByteArray("b")));
    }

    // Openings of real copyright files (libxcb1, python3.11, binutils, librtmp1, avahi, gcc,
    // libedit2) cut short, and made-up ones.
    void copyrightStatements_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("statement");
        const auto row = [](const char* name, const char* text, const char* statement) {
            QTest::newRow(name) << QByteArray(text) << QByteArray(statement);
        };
        row("heading over free text",
            "Authors: J. Sharp\n\nCopyright:\n\nCopyright \xc2\xa9 2001 "
            "Bart Massey, and Jamey Sharp.\nAll Rights Reserved.\n",
            "Copyright \xc2\xa9 2001 Bart Massey, and Jamey Sharp.");
        row("heading, author, licence",
            "Copyright:\n\nUpstream Author: Guido\n\nLicense:\n"
            "provided that PSF's License\nnotice, i.e., \"Copyright (c) 2001,\n2002 Python "
            "Software Foundation\" are\n\nCopyright (c) 1991 - 1995, Stichting Mathematisch,\n"
            "The Netherlands.\n",
            "Copyright (c) 1991 - 1995, Stichting Mathematisch, The Netherlands.");
        row("inside a sentence",
            "GNU Binutils is Copyright (C) 1990-2023 Free Software Foundation, Inc.\n",
            "Copyright (C) 1990-2023 Free Software Foundation, Inc.");
        row("cut by a line end",
            "The manuals are also Copyright\n(C) Free Software Foundation, Inc.  They\n", "");
        row("under a title, with a year", "Copyright:\n\nRTMP Dump\n(C) 2009 Andrej Stepanchuk\n",
            "(C) 2009 Andrej Stepanchuk");
        row("after a heading inside a sentence",
            "doxygen.m4 is copyright:\n# Copyright (C) 2004 Oren Ben-Kiki\n",
            "Copyright (C) 2004 Oren Ben-Kiki");
        row("years over three lines",
            "COPYRIGHT STATEMENTS AND TERMS\n\nGCC is Copyright (C) "
            "1986,\n1995,\n2019\nFree Software Foundation.\n\nGCC is free\n",
            "Copyright (C) 1986, 1995, 2019 Free Software Foundation.");
        row("mentions and items",
            "It is under the following copyright:\n\nCopyright and "
            "license:\n\n(c) You must retain copyright notices\n\nCopyright {yyyy} {name of "
            "owner}\n\n    Copyright (C) 1991 FSF\n",
            "Copyright (C) 1991 FSF");
        row("indented under a field", "Upstream: x\n  (C) 1987-2022 Someone\n",
            "(C) 1987-2022 Someone");
        row("indented like a field", "Copyright:\n\n  Copyright: 1985 The Open Group\n",
            "Copyright 1985 The Open Group");
        row("field value on its line", "Files: *\nCopyright: 1995-2013 Jean and Mark\n",
            "Copyright 1995-2013 Jean and Mark");
        row("field value on continuation lines",
            "Files: *\nCopyright:\n 2016 The Company.\n 2001 Others\n",
            "Copyright 2016 The Company.");
        row("field holder on the next line",
            "Copyright:\n Copyright (c) 1992, 1993\n     The "
            "Regents.  All rights reserved.\n .\n This code is derived\n",
            "Copyright (c) 1992, 1993 The Regents. All rights reserved.");
        row("field value with its own mark", "Copyright: Copyright 2000 A\n", "Copyright 2000 A");
        row("none", "no such line\n", "");
        row("empty", "", "");
    }
    void copyrightStatements() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, statement);
        QCOMPARE(firstCopyrightStatement(text), statement);
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
        QVERIFY(QFile::link("/usr/bin", r + "/sbin")); // absolute: inside the root
        QVERIFY(QFile::link("../usr/lib", r + "/usr/lib64"));

        DpkgPackageIndex index(r);
        QVERIFY(!index.isBuilt());
        std::optional<PackageFacts> p = index.ownerOf("/lib/x86_64-linux-gnu/libz.so.1.2.13");
        QVERIFY(index.isBuilt());
        QVERIFY(p);
        QCOMPARE(
            (QStringList{p->name, p->version, p->maintainer, p->description, p->copyright}),
            (QStringList{"zlib1g", "1:1.2.13.dfsg-1", "Zed Maintainer <zed@example.org>",
                         "compression library - runtime", "Copyright 1995-2013 Jean and Mark"}));
        // Listed under /lib, asked under /usr/lib, and the other way round, and through links.
        const auto owner = [&](const char* path) {
            return index.ownerOf(path).value_or(PackageFacts{}).name;
        };
        for (const char* path :
             {"/usr/lib/x86_64-linux-gnu/libz.so.1", "/usr/lib64/x86_64-linux-gnu/libz.so.1"})
            QVERIFY2(owner(path) == "zlib1g", path);
        for (const char* path : {"/bin/tool", "/usr/bin/../bin/tool", "/sbin/tool"})
            QVERIFY2(owner(path) == "tool", path);
        QCOMPARE(index.ownerOf("/bin/tool")->copyright, QString());
        // Unlisted, in a package that is not installed, not absolute.
        for (const char* path :
             {"/usr/lib/x86_64-linux-gnu/libother.so.1", "/usr/bin/gone", "usr/bin/tool", "/"})
            QVERIFY2(!index.ownerOf(path), path);
    }

    // Hostile databases, each read in a child under a memory limit: the index needs memory for
    // what its files hold, not for what their number suggests, and no stack for a path's depth.
    void hostileDatabasesStayBounded() {
        // 100,000 stanzas; a list line of 20,000 components.
        for (const auto& [stanzas, depth] : {std::pair{100000, 1}, {1, 20000}}) {
            QTemporaryDir root;
            const QString r = root.path();
            QByteArray status;
            for (int i = 0; i < stanzas; ++i)
                status +=
                    "Package: p" + QByteArray::number(i) + "\nStatus: install ok installed\n\n";
            write(r + "/var/lib/dpkg/status", status);
            write(r + "/var/lib/dpkg/info/p0.list",
                  "/usr/bin/tool\n" + QByteArray("/d").repeated(depth) + "/other\n");
            write(r + "/usr/bin/tool", "");
            QVERIFY(QFile::link("usr/bin", r + "/bin"));
            // Asked through the link, so that every listed path of the name is resolved.
            QCOMPARE(runInChild([&] {
                         DpkgPackageIndex index(r);
                         if (!limitAddressSpaceGrowth(256u << 20))
                             return false;
                         const std::optional<PackageFacts> tool = index.ownerOf("/bin/tool");
                         return !index.ownerOf("/bin/other") && tool && tool->name == "p0";
                     }),
                     0);
        }
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
