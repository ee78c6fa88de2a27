#include "platform/ByteSource.h"
#include "platform/PeVersionReader.h"
#include "platform/VersionBlock.h"
#include "platform/linux/LinuxVersionFiles.h"
#include "support/PeImageBuilder.h"
#include "support/TestFiles.h"
#include <QtTest>
#include <sys/stat.h>

using namespace vok;
using namespace vok::test;

namespace {

QByteArray blockOf(const QByteArray& image) {
    MemoryByteSource src(image);
    return readPeVersionBlock(src);
}

void put16(QByteArray& b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}
void put32(QByteArray& b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

QByteArray sampleBlock() {
    return versionBlock(fixedInfo(1, 2, 3, 4),
                        {{"040904E4", {{"CompanyName", "Vok Makers"}, {"Comments", ""}}}});
}

PeImageBuilder sampleImage(bool pe32Plus = false) {
    PeImageBuilder pe;
    pe.pe32Plus = pe32Plus;
    pe.versions = {{0x0409, sampleBlock()}};
    return pe;
}

} // namespace

class PeVersionReaderTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheBlockOfPe32AndPe32Plus() {
        for (bool plus : {false, true})
            QCOMPARE(blockOf(sampleImage(plus).build()), sampleBlock());
        const auto fixed = queryFixedFileInfo(sampleBlock());
        QVERIFY(fixed);
        QCOMPARE(std::tuple(fixed->fileVersionMS, fixed->fileVersionLS, fixed->fileOS),
                 std::tuple(0x00010002u, 0x00030004u, 0x40004u));
    }

    void lookupsIgnoreCaseAndMissingPathsFail() {
        const QByteArray block = sampleBlock();
        QCOMPARE(queryVersionString(block, u"\\StringFileInfo\\040904E4\\CompanyName"),
                 QString("Vok Makers"));
        QCOMPARE(queryVersionString(block, u"\\stringfileinfo\\040904e4\\COMPANYNAME"),
                 QString("Vok Makers"));
        QCOMPARE(queryVersionString(block, u"\\StringFileInfo\\040904E4\\Comments"), QString(""));
        QVERIFY(!queryVersionString(block, u"\\StringFileInfo\\040904E4\\ProductName"));
        QVERIFY(!queryVersionString(block, u"\\StringFileInfo\\040704B0\\CompanyName"));
        QVERIFY(!queryVersionString(block, u"\\StringFileInfo\\040904E4\\CompanyNam"));
    }

    // Neutral first, then US English, then English, else the first: the index of the block
    // chosen from each list of languages.
    void choosesTheLanguageInItsOrder() {
        for (const auto& [languages, chosen] :
             {std::pair{QList<quint16>{0x0409, 0x0407, 0x0000}, 2},
              {{0x0009, 0x0407, 0x0409}, 2},
              {{0x0407, 0x0009, 0x040C}, 1},
              {{0x040C, 0x0407}, 0}}) {
            PeImageBuilder pe;
            for (int i = 0; i < languages.size(); ++i)
                pe.versions.append(
                    {languages[i], versionBlock(fixedInfo(quint16(i), 0, 0, 0), {})});
            const auto fixed = queryFixedFileInfo(blockOf(pe.build()));
            QVERIFY(fixed);
            QCOMPARE(int(fixed->fileVersionMS >> 16), chosen);
        }
    }

    // Each of these must read as no version information, safely (cut files: the next test).
    void malformedImagesGiveNoBlock_data() {
        QTest::addColumn<QByteArray>("image");
        const PeImageBuilder pe = sampleImage();
        const QByteArray good = pe.build();
        const int rsrc = PeImageBuilder::rsrcFileOffset;
        const int block = int(good.indexOf(sampleBlock()));
        const auto with = [&](int at, quint32 v, int width = 4) {
            QByteArray b = good;
            width == 2 ? put16(b, at, quint16(v)) : put32(b, at, v);
            return b;
        };
        PeImageBuilder otherId = sampleImage();
        otherId.resourceId = 2; // only the resource with id 1 is read
        QTest::newRow("version resource with id 2") << otherId.build();
        QTest::newRow("ELF") << QByteArray("\x7f\x45LF\x02\x01\x01", 7).leftJustified(4096, '\0');
        QTest::newRow("PE offset past the end") << with(0x3C, 0xFFFFFFF0u);
        QTest::newRow("no optional header") << with(PeImageBuilder::peOffset + 20, 0, 2);
        QTest::newRow("unknown optional magic") << with(PeImageBuilder::sectionTable, 0x107, 2);
        QTest::newRow("two data directories") << with(PeImageBuilder::sectionTable + 92, 2);
        QTest::newRow("section table past the end")
            << with(PeImageBuilder::peOffset + 6, 0xFFFF, 2);
        QTest::newRow("section data past the end") << with(pe.sectionHeaderAt() + 20, 0x7FFFFFF0);
        QTest::newRow("resource outside every section")
            << with(PeImageBuilder::sectionTable + 96 + 16, 0x9000);
        QTest::newRow("type directory points at itself") << with(rsrc + 20, 0x80000000u);
        QTest::newRow("name directory points at itself")
            << with(rsrc + PeImageBuilder::nameDir + 20, 0x80000000u | PeImageBuilder::nameDir);
        QTest::newRow("language entry is a directory")
            << with(rsrc + PeImageBuilder::langDir + 20, 0x80000000u);
        QTest::newRow("entry counts beyond the section") << with(rsrc + 12, 0xFFFFFFFFu);
        QTest::newRow("data outside the section") << with(pe.dataEntryAt(0), 0xFFFFFFF0u);
        QTest::newRow("block length below its header") << with(block, 4, 2);
        QByteArray notVersionInfo = good;
        notVersionInfo[block + 6] = 'W';
        QTest::newRow("block is not VS_VERSION_INFO") << notVersionInfo;
        QTest::newRow("block ends inside its key") << with(block, 36, 2);
    }
    void malformedImagesGiveNoBlock() {
        QFETCH(QByteArray, image);
        QVERIFY(blockOf(image).isEmpty());
    }

    // A file cut anywhere before the block's end holds no version information.
    void everyTruncationReadsSafely() {
        const QByteArray good = sampleImage(true).build();
        const qsizetype blockEnd = good.indexOf(sampleBlock()) + sampleBlock().size();
        for (qsizetype n = 0; n <= good.size(); ++n)
            QCOMPARE(blockOf(good.left(n)), n < blockEnd ? QByteArray() : sampleBlock());
    }

    // A data size past the section is cut to it where the file holds it (data after the
    // section), and is no version information where it runs past the end of the file.
    void dataSizeLargerThanTheSection() {
        const PeImageBuilder pe = sampleImage();
        QByteArray img = pe.build();
        put32(img, pe.dataEntryAt(0) + 4, quint32(sampleBlock().size() + 64));
        QVERIFY(blockOf(img).isEmpty());
        QCOMPARE(blockOf(img + QByteArray(64, '\0')), sampleBlock());
        put32(img, pe.dataEntryAt(0) + 4, 0xFFFFFFFFu);
        QVERIFY(blockOf(img).isEmpty());
    }

    // The block's own lengths lie: children are looked for inside their parent only, and a
    // text without terminator ends at its node's end.
    void lyingLengthsInTheBlockStayInside() {
        QByteArray table =
            versionNode("040904E4", {}, true, {versionNode("CompanyName", utf16z("Vok"), true)});
        QByteArray shortTable = table;
        put16(shortTable, 0, 6 + 18); // header and key only
        const auto inside = [](const QByteArray& t) {
            return versionNode("VS_VERSION_INFO", fixedInfoBytes(fixedInfo(1, 0, 0, 0)), false,
                               {versionNode("StringFileInfo", {}, true, {t})});
        };
        const QString path = "\\StringFileInfo\\040904E4\\CompanyName";
        QCOMPARE(queryVersionString(inside(table), path), QString("Vok"));
        QVERIFY(!queryVersionString(inside(shortTable), path));

        // No terminator and a stated length far beyond the block.
        QByteArray open = versionNode("CompanyName", QByteArray("V\0o\0k\0", 6), true, {}, 0x7FFF);
        QCOMPARE(queryVersionString(inside(versionNode("040904E4", {}, true, {open})), path),
                 QString("Vok"));
        // A key cut off before its terminator names nothing, not even its own beginning.
        QByteArray cutKey = versionNode("CompanyName", {}, true);
        put16(cutKey, 0, 6 + 22);
        QVERIFY(!queryVersionString(inside(versionNode("040904E4", {}, true, {cutKey})),
                                    u"\\StringFileInfo\\040904E4\\CompanyNam"));
        // A fixed block cut short by its node is no fixed block.
        QByteArray cut =
            versionNode("VS_VERSION_INFO", fixedInfoBytes(fixedInfo(1, 0, 0, 0)), false);
        put16(cut, 0, quint16(cut.size() - 8));
        QVERIFY(!queryFixedFileInfo(cut));
        // A child whose length is below its header ends the walk.
        QByteArray stuck = inside(table);
        put16(stuck, 40 + 52 + 6 + 30 - 6, 2);
        QVERIFY(!queryVersionString(stuck, path));
    }

    // Keys of one to four characters put the value at each padding; the texts keep characters
    // beyond Latin-1 and beyond the BMP.
    void alignmentCountsFromTheBlockStart() {
        const QString text = QString::fromUtf8(" Société — 東京 \xF0\x9F\x98\x80");
        for (const QString key : {"A", "AB", "ABC", "ABCD"}) {
            const QByteArray block = versionBlock(fixedInfo(1, 0, 0, 0),
                                                  {{"040904E4", {{key, key + text}, {"Z", "z"}}}});
            QCOMPARE(queryVersionString(block, "\\StringFileInfo\\040904E4\\" + key), key + text);
            QCOMPARE(queryVersionString(block, u"\\StringFileInfo\\040904E4\\Z"), QString("z"));
        }
    }

    void linuxFilesReadRegularFilesOnly() {
        QTemporaryDir dir;
        const QString dll = dir.filePath("sample.dll");
        QVERIFY(writeFile(dll, sampleImage().build()));
        const QString fifo = dir.filePath("fifo.exe");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        LinuxVersionFiles files;
        QVERIFY(files.exists(dll));
        QCOMPARE(files.versionInfoSize(dll), quint32(sampleBlock().size()));
        QByteArray block;
        QVERIFY(files.versionInfo(dll, 60, block));
        QCOMPARE(block, sampleBlock().left(60));
        QCOMPARE(files.versionInfoSize(fifo), 0u); // opening it must not wait for a writer
        QCOMPARE(files.versionInfoSize(dir.path()), 0u);
        QVERIFY(!files.exists(dir.filePath("missing.dll")));
        QCOMPARE(files.versionInfoSize(dir.filePath("missing.dll")), 0u);
    }
};

QTEST_GUILESS_MAIN(PeVersionReaderTest)
#include "pe_version_reader_test.moc"
