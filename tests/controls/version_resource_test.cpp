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
    void classifiesSystemTypeAndSubtype_data() {
        QTest::addColumn<quint32>("os");
        QTest::addColumn<quint32>("type");
        QTest::addColumn<quint32>("subtype");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("NT application")
            << 262148u << 1u << 0u
            << QStringList{"Windows NT with 32 bit Windows", "Application", ""};
        QTest::newRow("TrueType font")
            << 4u << 4u << 3u << QStringList{"32 bit Windows", "Font", "TrueType"};
        QTest::newRow("font subtype 7")
            << 1u << 4u << 7u << QStringList{"Windows 3.0 or later", "Font", "Unknown"};
        QTest::newRow("driver subtype 11")
            << 65540u << 3u << 11u
            << QStringList{"32 bit Windows with MS-Dos", "Device Driver", "Unknown"};
        QTest::newRow("communications driver")
            << 262144u << 3u << 10u << QStringList{"Windows NT", "Device Driver", "Communications"};
        QTest::newRow("type 6 and OS 0") << 0u << 6u << 3u << QStringList{"Unknown", "Unknown", ""};
        QTest::newRow("static library")
            << 196611u << 7u << 1u
            << QStringList{"32 bit OS/2 with Presentation Manager", "Static-Link Library", ""};
    }
    void classifiesSystemTypeAndSubtype() {
        QFETCH(quint32, os);
        QFETCH(quint32, type);
        QFETCH(quint32, subtype);
        QFETCH(QStringList, texts);
        FakeVersionFiles files;
        files.files["/f.dll"] = imageWith(versionBlock(fixedInfo(1, 2, 3, 4, os, type, subtype)));
        TVersionResource r(files);
        r.setFileName("/f.dll");
        const TVersionInfo& v = r.VersionInfo();
        QCOMPARE((QStringList{v.FileOS, v.FileType, v.FileSubType}), texts);
        QCOMPARE(v.FileVersion, QString("1.2.3.4"));
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

    void fileNameIsStoredOnlyWhenItIsNotTheProgram() {
        FakeVersionFiles files;
        TVersionResource r(files);
        QCOMPARE(r.FileName(), QCoreApplication::applicationFilePath());
        QVERIFY(!r.FileNameStored());
        r.setFileName("/usr/lib/other.dll");
        QVERIFY(r.FileNameStored());
        r.setFileName(QCoreApplication::applicationFilePath());
        QVERIFY(!r.FileNameStored());
    }
};

QTEST_GUILESS_MAIN(VersionResourceTest)
#include "version_resource_test.moc"
