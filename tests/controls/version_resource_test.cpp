#include "controls/Version.h"
#include "platform/fake/FakeVersionFiles.h"
#include "support/PeImageBuilder.h"
#include <QCoreApplication>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

using namespace vok;
using namespace vok::test;

namespace {

QByteArray imageWith(const QByteArray& block) {
    PeImageBuilder pe;
    pe.versions = {{0x0409, block}};
    return pe.build();
}

QStringList allTexts(const TVersionInfo& info) {
    QStringList out;
    const QMetaObject& meta = TVersionInfo::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        out << meta.property(i).readOnGadget(&info).toString();
    return out;
}

const QList<QPair<QString, QString>> kFullTable = {
    {"Comments", "a comment"},      {"CompanyName", "Vok Makers"},
    {"FileDescription", "Sample"},  {"FileVersion", "9.9 from the table"},
    {"InternalName", "sample"},     {"LegalCopyright", "(c) 1997"},
    {"LegalTradeMarks", "Vok(tm)"}, {"OriginalFileName", "SAMPLE.DLL"},
    {"PrivateBuild", "private"},    {"ProductName", "Vok 97"},
    {"ProductVersion", "2.0 beta"}, {"SpecialBuild", "special"}};

} // namespace

class VersionResourceTest : public QObject {
    Q_OBJECT
private slots:
    void classifiesSystemTypeAndSubtype() {
        const struct {
            quint32 os, type, subtype;
            QStringList texts;
        } rows[] = {
            {262148, 1, 0, {"Windows NT with 32 bit Windows", "Application", ""}},
            {4, 4, 3, {"32 bit Windows", "Font", "TrueType"}},
            {1, 4, 7, {"Windows 3.0 or later", "Font", "Unknown"}},
            {65540, 3, 11, {"32 bit Windows with MS-Dos", "Device Driver", "Unknown"}},
            {262144, 3, 10, {"Windows NT", "Device Driver", "Communications"}},
            {0, 6, 3, {"Unknown", "Unknown", ""}},
            {196611, 7, 1, {"32 bit OS/2 with Presentation Manager", "Static-Link Library", ""}},
        };
        for (const auto& r : rows) {
            FakeVersionFiles files;
            files.files["/f.dll"] =
                imageWith(versionBlock(fixedInfo(1, 2, 3, 4, r.os, r.type, r.subtype)));
            TVersionResource resource(files);
            resource.setFileName("/f.dll");
            const TVersionInfo& v = resource.VersionInfo();
            QCOMPARE((QStringList{v.FileOS, v.FileType, v.FileSubType}), r.texts);
            QCOMPARE(v.FileVersion, QString("1.2.3.4"));
        }
    }

    void readsTheStringTableOfTheChosenLanguageOnly() {
        FakeVersionFiles files;
        FixedFileInfo fixed = fixedInfo(2, 0, 0, 0);
        fixed.fileVersionMS = 0x00050006; // file 5.6.7.8, product 2.0.0.0
        fixed.fileVersionLS = 0x00070008;
        files.files["/full.dll"] = imageWith(versionBlock(
            fixed, {{"040904E4", kFullTable}, {"040704B0", {{"CompanyName", "Vok Hersteller"}}}}));
        TVersionResource r(files);
        r.setFileName("/full.dll");
        QCOMPARE(allTexts(r.VersionInfo()),
                 (QStringList{"a comment", "Vok Makers", "Sample", "5.6.7.8", "sample", "(c) 1997",
                              "Vok(tm)", "SAMPLE.DLL", "private", "Vok 97", "2.0 beta", "special",
                              "Windows NT with 32 bit Windows", "Application", ""}));

        // German and Unicode: the table 040704B0, where only the company is; the product
        // version comes from the fixed block.
        r.setLanguage(lnGerman);
        QCOMPARE(r.VersionInfo().CompanyName, QString("")); // 040704E4 does not exist
        r.setCharacterSet(csUnicode);
        QCOMPARE(r.VersionInfo().CompanyName, QString("Vok Hersteller"));
        QCOMPARE(r.VersionInfo().ProductVersion, QString("2.0.0.0"));
        QCOMPARE(r.VersionInfo().Comment, QString(""));
        QCOMPARE(r.VersionInfo().FileVersion, QString("5.6.7.8"));
    }

    void codesOfLanguagesAndCharacterSets() {
        QCOMPARE(LanguageCode(lnArabic), quint16(0x0401));
        QCOMPARE(LanguageCode(lnBahasa), quint16(0x0421));
        QCOMPARE(LanguageCode(lnSimplifiedChinese), quint16(0x0804));
        QCOMPARE(LanguageCode(lnCanadianFrench), quint16(0x0C0C));
        QCOMPARE(LanguageCode(lnSwissFrench), quint16(0x100C));
        QCOMPARE(CodePageCode(csASCII), quint16(0));
        QCOMPARE(CodePageCode(csTaiwan), quint16(950));
        QCOMPARE(CodePageCode(csArabic), quint16(1256));
        TLanguage l{};
        QVERIFY(languageOfCode(0x0813, l) && l == lnBelgianDutch);
        QVERIFY(!languageOfCode(0x0422, l));
    }

    void everyAssignmentRereadsAndSignals() {
        FakeVersionFiles files;
        files.files["/a.dll"] = imageWith(versionBlock(fixedInfo(1, 0, 0, 0)));
        TVersionResource r(files);
        QSignalSpy changes(&r, &TVersionResource::OnChange);
        r.setFileName("/a.dll");
        QCOMPARE(r.VersionInfo().FileVersion, QString("1.0.0.0"));
        // The same name again reads the file again.
        files.files["/a.dll"] = imageWith(versionBlock(fixedInfo(3, 0, 0, 0)));
        r.setFileName("/a.dll");
        QCOMPARE(r.VersionInfo().FileVersion, QString("3.0.0.0"));
        r.setLanguage(lnUSEnglish);
        r.setCharacterSet(csMultilingual);
        QCOMPARE(changes.count(), 4);
        QCOMPARE(files.sizeQueries, 5); // construction and four assignments
        // The file name is stored only when it is not the program.
        QVERIFY(r.FileNameStored());
        r.setFileName(QCoreApplication::applicationFilePath());
        QVERIFY(!r.FileNameStored());
        QCOMPARE(TVersionResource(files).FileName(), QCoreApplication::applicationFilePath());
        QVERIFY(!TVersionResource(files).FileNameStored());
    }

    void filesWithoutVersionInformationGiveEmptyTexts() {
        FakeVersionFiles files;
        files.files["/a.dll"] =
            imageWith(versionBlock(fixedInfo(1, 0, 0, 0), {{"040904E4", kFullTable}}));
        files.files["/elf"] = QByteArray("\177ELF").leftJustified(512, '\0');
        PeImageBuilder noResource;
        files.files["/none.exe"] = noResource.build();
        TVersionResource r(files);
        for (const char* name : {"/elf", "/none.exe", "/missing.dll"}) {
            r.setFileName("/a.dll");
            QVERIFY(!r.VersionInfo().CompanyName.isEmpty());
            r.setFileName(name);
            QCOMPARE(allTexts(r.VersionInfo()), QStringList(15, QString()));
        }
    }
};

QTEST_GUILESS_MAIN(VersionResourceTest)
#include "version_resource_test.moc"
