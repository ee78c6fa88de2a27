#include "controls/Panel.h"
#include "controls/Version.h"
#include "diskscreens/UnFilever.h"
#include "platform/fake/FakeVersionFiles.h"
#include "support/PeImageBuilder.h"
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
    void layoutBeforeFirstActivation() {
        FakeVersionFiles files;
        TFileInfo s(files);
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
    }

    void showingAFileFillsTheNineValuesEveryTime() {
        FakeVersionFiles files;
        files.files["/lib/sample.dll"] = fullImage();
        TFileInfo s(files);
        s.InfoFileName = "/lib/sample.dll";
        s.show();
        QTRY_COMPARE(values(s), kFull);
        QCOMPARE(s.windowTitle(), QString("/lib/sample.dll"));
        s.Button1->click();
        QVERIFY(s.isHidden());
        s.show();
        QTRY_COMPARE(values(s), kFull);
        QCOMPARE(s.VersionResource1->FileName(), QString("/lib/sample.dll"));
    }

    void aMissingFileLeavesTheReaderUntouched() {
        FakeVersionFiles files;
        files.files["/lib/sample.dll"] = fullImage();
        TFileInfo s(files);
        s.InfoFileName = "/lib/sample.dll";
        s.FormActivate();
        const int reads = files.sizeQueries;
        s.InfoFileName = "/lib/gone.dll";
        s.FormActivate();
        QCOMPARE(files.sizeQueries, reads);
        QCOMPARE(s.windowTitle(), QString("/lib/gone.dll"));
        QCOMPARE(values(s), kFull);
    }

    void aFileWithoutVersionInformationShowsNineEmptyValues() {
        FakeVersionFiles files;
        files.files["/lib/sample.dll"] = fullImage();
        files.files["/bin/plain"] = QByteArray("\x7f"
                                               "ELF",
                                               4)
                                        .leftJustified(256, '\0');
        TFileInfo s(files);
        s.InfoFileName = "/lib/sample.dll";
        s.FormActivate();
        s.InfoFileName = "/bin/plain";
        s.FormActivate();
        QCOMPARE(values(s), QStringList(9, QString()));
    }
};

QTEST_MAIN(FileInfoScreenTest)
#include "file_info_screen_test.moc"
