#include "platform/DpkgText.h"
#include "platform/linux/DpkgPackageIndex.h"
#include "support/ChildProcess.h"
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

    // Openings of real copyright files (libxcb1, fontconfig, libkrb5-3, python3.11, binutils,
    // gcc-12-base, libedit2) and made-up ones.
    void copyrightStatements_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("statement");
        QTest::newRow("heading over free text")
            << QByteArray("Upstream Authors: Jamey Sharp <sharpone@debian.org>\n\nCopyright:\n\n"
                          "Copyright (C) 2001-2006 Bart Massey, Jamey Sharp, and Josh Triplett.\n"
                          "All Rights Reserved.\n")
            << QByteArray("Copyright (C) 2001-2006 Bart Massey, Jamey Sharp, and Josh Triplett.");
        QTest::newRow("heading, then ©")
            << QByteArray("Upstream Author: Keith Packard\n\nCopyright:\n\n"
                          "Copyright \xc2\xa9 2001,2003 Keith Packard\n\nPermission to use\n")
            << QByteArray("Copyright \xc2\xa9 2001,2003 Keith Packard");
        QTest::newRow("heading, then an author, then the licence")
            << QByteArray("Copyright:\n\nUpstream Author: Guido van Rossum <guido@cwi.nl>\n\n"
                          "License:\n\nPython was created by Guido van Rossum at Stichting\n"
                          "provided, however, that PSF's License\n"
                          "Agreement and PSF's notice of copyright, i.e., \"Copyright (c) 2001,\n"
                          "2002, 2003 Python Software Foundation; All Rights Reserved\" are\n\n"
                          "Copyright (c) 1991 - 1995, Stichting Mathematisch Centrum Amsterdam,\n"
                          "The Netherlands.  All rights reserved.\n")
            << QByteArray("Copyright (c) 1991 - 1995, Stichting Mathematisch Centrum Amsterdam, "
                          "The Netherlands. All rights reserved.");
        QTest::newRow("inside a sentence, before one cut by a line end")
            << QByteArray(
                   "It was previously maintained by Christopher C. Chimelis\n\n"
                   "GNU Binutils is Copyright (C) 1990-2023 Free Software Foundation, Inc.\n"
                   "\nThe binutils manuals and associated documentation are also Copyright\n"
                   "(C) Free Software Foundation, Inc.  They are distributed under the GNU\n")
            << QByteArray("Copyright (C) 1990-2023 Free Software Foundation, Inc.");
        QTest::newRow("cut by a line end alone")
            << QByteArray(
                   "The manuals are also Copyright\n(C) Free Software Foundation, Inc.  They\n")
            << QByteArray();
        QTest::newRow("under a title, with a year")
            << QByteArray(
                   "Upstream Authors and Copyright:\n\nRTMP Dump\n(C) 2009 Andrej Stepanchuk\n")
            << QByteArray("(C) 2009 Andrej Stepanchuk");
        QTest::newRow("after a heading inside a sentence")
            << QByteArray("doxygen.m4 is copyright:\n# Copyright (C) 2004 Oren Ben-Kiki\n")
            << QByteArray("Copyright (C) 2004 Oren Ben-Kiki");
        QTest::newRow("years over three lines")
            << QByteArray("COPYRIGHT STATEMENTS AND LICENSING TERMS\n\n\n"
                          "GCC is Copyright (C) 1986, 1987, 1988,\n1995, 1996,\n2008, 2019\n"
                          "Free Software Foundation, Inc.\n\nGCC is free software\n")
            << QByteArray("Copyright (C) 1986, 1987, 1988, 1995, 1996, 2008, 2019 "
                          "Free Software Foundation, Inc.");
        QTest::newRow("mentions and items are no statements")
            << QByteArray("This is the packaged library.\n* It is under the following copyright:\n"
                          "\nCopyright and license for the tools:\n\n"
                          "(c) You must retain all copyright notices\n\n"
                          "   Copyright {yyyy} {name of copyright owner}\n\n"
                          "    Copyright (C) 1991-2015 Free Software Foundation, Inc.\n")
            << QByteArray("Copyright (C) 1991-2015 Free Software Foundation, Inc.");
        QTest::newRow("indented under a field")
            << QByteArray("Upstream: x\n  (C) 1987-2022 Someone\n")
            << QByteArray("(C) 1987-2022 Someone");
        QTest::newRow("indented like a field")
            << QByteArray("Copyright:\n\n  Copyright: 1985, 1998 The Open Group\n")
            << QByteArray("Copyright 1985, 1998 The Open Group");
        QTest::newRow("field value on its line")
            << QByteArray("Format: https://example.org/dep5\n\nFiles: *\n"
                          "Copyright: 1995-2013 Jean and Mark\n")
            << QByteArray("Copyright 1995-2013 Jean and Mark");
        QTest::newRow("field value on continuation lines")
            << QByteArray("Files: *\nCopyright:\n 2016-2022 The Company Ltd.\n 2001 Others\n")
            << QByteArray("Copyright 2016-2022 The Company Ltd.");
        QTest::newRow("field holder on the next line, to a paragraph end")
            << QByteArray(
                   "Files:\n *\nCopyright:\n Copyright (c) 1992, 1993\n"
                   "     The Regents of the University of California.  All rights reserved.\n"
                   " .\n This code is derived from software contributed to Berkeley by\n")
            << QByteArray("Copyright (c) 1992, 1993 The Regents of the University of California. "
                          "All rights reserved.");
        QTest::newRow("field value with its own mark")
            << QByteArray("Copyright: Copyright 2000 A\n") << QByteArray("Copyright 2000 A");
        QTest::newRow("none") << QByteArray("no such line\n") << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray();
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
        QCOMPARE(index.ownerOf("/sbin/tool").value_or(PackageFacts{}).name, QString("tool"));
        QCOMPARE(
            index.ownerOf("/usr/lib64/x86_64-linux-gnu/libz.so.1").value_or(PackageFacts{}).name,
            QString("zlib1g"));
        // Unlisted, in a package that is not installed, not absolute.
        QVERIFY(!index.ownerOf("/usr/lib/x86_64-linux-gnu/libother.so.1"));
        QVERIFY(!index.ownerOf("/usr/bin/gone"));
        QVERIFY(!index.ownerOf("usr/bin/tool"));
        QVERIFY(!index.ownerOf("/"));
    }

    // Hostile databases, each read in a child under a memory limit: the index needs memory for
    // what its files hold, not for what their number suggests, and no stack for a path's depth.
    void hostileDatabasesStayBounded_data() {
        QTest::addColumn<int>("stanzas");
        QTest::addColumn<int>("depth");
        QTest::newRow("100,000 stanzas") << 100000 << 1;
        QTest::newRow("a list line of 20,000 components") << 1 << 20000;
    }
    void hostileDatabasesStayBounded() {
        QFETCH(int, stanzas);
        QFETCH(int, depth);
        QTemporaryDir root;
        const QString r = root.path();
        QByteArray status;
        for (int i = 0; i < stanzas; ++i)
            status += "Package: p" + QByteArray::number(i) + "\nStatus: install ok installed\n\n";
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
