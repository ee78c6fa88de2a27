#include "controls/Panel.h"
#include "controls/Version.h"
#include "diskscreens/UnFilever.h"
#include "support/ElfImageBuilder.h"
#include "support/PeImageBuilder.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vok;
using namespace vok::test;

namespace {

QByteArray fullImage() {
    PeImageBuilder pe;
    pe.versions = {{0x0409, versionBlock(fixedInfo(1, 2, 3, 4, 262148, 2),
                                         {{"040904E4",
                                           {{"CompanyName", "Vok Makers"},
                                            {"FileDescription", "Sample library"},
                                            {"InternalName", "sample"},
                                            {"LegalCopyright", "(c) 1997"},
                                            {"ProductName", "Vok 97"},
                                            {"ProductVersion", "2.4"}}}})}};
    return pe.build();
}

QStringList values(const TFileInfo& s) {
    QStringList out;
    for (QLabel* l : {s.Company, s.Description, s.OS, s.Filetype, s.FileVersion, s.InternalName,
                      s.Copyright, s.ProductName, s.ProductVersion})
        out << l->text();
    return out;
}

// The file information screen's services and context.
struct Screen {
    TestServices t;
    TestScreenContext context;
};

const QStringList kFull = {"Vok Makers",
                           "Sample library",
                           "Windows NT with 32 bit Windows",
                           "Dynamic-Link Library",
                           "1.2.3.4",
                           "sample",
                           "(c) 1997",
                           "Vok 97",
                           "2.4"};

} // namespace

class FileInfoScreenTest : public QObject {
    Q_OBJECT
private slots:
    void layoutBeforeFirstActivationThenValuesEveryTimeShown() {
        Screen f;
        TFileInfo s(f.t.services, f.context);
        QVERIFY(s.isHidden());
        QCOMPARE(s.windowTitle(), QString("FileInfo"));
        QCOMPARE(s.size(), QSize(566, 307));
        QCOMPARE(s.Panel1->geometry(), QRect(136, 16, 313, 241));
        QCOMPARE(s.Panel1->bevelOuter(), Bevel::Lowered);
        QCOMPARE(s.Button1->text(), QString("OK"));
        QCOMPARE(s.Button1->geometry(), QRect(472, 16, 75, 25));
        QCOMPARE(s.Label1->text(), QString("Company "));
        QCOMPARE(s.Label9->text(), QString("Product Version"));
        QCOMPARE(s.Label9->geometry().topLeft(), QPoint(16, 216));
        QCOMPARE(s.ProductVersion->geometry().topLeft(), QPoint(32, 200));
        QCOMPARE(s.ProductVersion->parentWidget(), s.Panel1);
        QCOMPARE(values(s),
                 (QStringList{"Company", "Description", "OS", "Filetype", "FileVersion",
                              "InternalName", "Copyright", "ProductName", "ProductVersion"}));
        QCOMPARE(s.VersionResource1->Language(), lnUSEnglish);
        QCOMPARE(s.VersionResource1->CharacterSet(), csMultilingual);
        // Showing a file fills the nine values, every time.
        auto& files = f.t.versions;
        files.files["/lib/sample.dll"] = fullImage();
        s.InfoFileName = "/lib/sample.dll";
        s.show();
        QTRY_COMPARE(values(s), kFull);
        QCOMPARE(s.windowTitle(), QString("/lib/sample.dll"));
        s.Button1->click();
        QVERIFY(s.isHidden());
        s.show();
        QTRY_COMPARE(values(s), kFull);
        QCOMPARE(s.VersionResource1->FileName(), QString("/lib/sample.dll"));
        // A missing file leaves the reader untouched with the last file's values; a file without
        // version information shows nine empty values.
        const int reads = files.sizeQueries;
        s.InfoFileName = "/lib/gone.dll";
        s.FormActivate();
        QCOMPARE(files.sizeQueries, reads);
        QCOMPARE(s.windowTitle(), QString("/lib/gone.dll"));
        QCOMPARE(values(s), kFull);
        files.files["/bin/plain"] = QByteArray("\177ELF").leftJustified(256, '\0');
        s.InfoFileName = "/bin/plain";
        s.FormActivate();
        QCOMPARE(values(s), QStringList(9, QString()));
    }

    // A PE file keeps the version reader's values; the package database is not asked. An ELF
    // file is described as the file its path names, its links resolved: the package of a link
    // (binutils' /usr/bin/elfedit) need not be the file's.
    void anElfFileShowsWhatItAndItsPackageSay() {
        Screen f;
        auto& files = f.t.versions;
        auto& packages = f.t.packages;
        files.files["/lib/sample.dll"] = fullImage();
        ElfImageBuilder lib;
        lib.soname = "libz.so.1";
        lib.interpreter = true;
        files.files["/usr/lib/libz.so.1"] = lib.build();
        files.links["/usr/lib/libz.so.1"] = "/usr/lib/libz.so.1.2.13";
        packages.owners["/usr/lib/libz.so.1"] = {"zlib-links", "9", "", "", ""};
        packages.owners["/usr/lib/libz.so.1.2.13"] = {
            "zlib1g", "1:1.2.13.dfsg-1", "Mark <m@example.org>", "compression library - runtime",
            "Copyright 1995-2013 Jean and Mark"};
        TFileInfo s(f.t.services, f.context);
        s.InfoFileName = "/lib/sample.dll";
        s.FormActivate();
        QCOMPARE(values(s), kFull);
        QCOMPARE(packages.queries, 0);
        s.InfoFileName = "/usr/lib/libz.so.1";
        s.FormActivate();
        QCOMPARE(values(s),
                 (QStringList{"Mark <m@example.org>", "compression library - runtime",
                              "Linux x86-64", "Dynamic-Link Library", "1.2.13", "libz.so.1",
                              "Copyright 1995-2013 Jean and Mark", "zlib1g", "1:1.2.13.dfsg-1"}));
        QCOMPARE(s.Copyright->toolTip(), QString("Copyright 1995-2013 Jean and Mark"));
        // A missing file keeps what the last one showed, the ELF file's values included.
        s.InfoFileName = "/usr/lib/gone.so";
        s.FormActivate();
        QCOMPARE(s.ProductName->text(), QString("zlib1g"));
        // No package, no soname, no version in the name: the file's own facts only.
        ElfImageBuilder tool;
        tool.type = 2;
        tool.machine = 183;
        tool.osAbi = 9;
        files.files["/opt/tool"] = tool.build();
        files.links["/opt/tool"] = "/opt/aarch64-tool";
        s.InfoFileName = "/opt/tool";
        s.FormActivate();
        QCOMPARE(values(s), (QStringList{"", "", "FreeBSD AArch64", "Application", "",
                                         "aarch64-tool", "", "", ""}));
        // An ELF file of a package whose name carries no version: the package's version.
        packages.owners["/opt/tool"] = {"tool-links", "9", "", "", ""};
        packages.owners["/opt/aarch64-tool"] = {"tool", "2.0-1", "", "", ""};
        s.FormActivate();
        QCOMPARE(s.FileVersion->text(), QString("2.0-1"));
    }
};

QTEST_MAIN(FileInfoScreenTest)
#include "file_info_screen_test.moc"
