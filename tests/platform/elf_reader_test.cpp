#include "diskscreens/ElfFileInfo.h"
#include "platform/ByteSource.h"
#include "platform/ElfReader.h"
#include "platform/linux/FileByteSource.h"
#include "support/ElfImageBuilder.h"
#include <QtTest>

using namespace vok;
using namespace vok::test;

namespace {

std::optional<ElfFacts> readFile(const QString& path) {
    FileByteSource file(path);
    return readElfFacts(file);
}

std::optional<ElfFacts> readBytes(const QByteArray& bytes) {
    MemoryByteSource file(bytes);
    return readElfFacts(file);
}

const QByteArray kBuildId = QByteArray::fromHex("00112233445566778899aabbccddeeff01020304");

ElfImageBuilder library() {
    ElfImageBuilder b;
    b.soname = "libvok.so.7";
    b.needed = {"libc.so.6", "libm.so.6"};
    b.buildId = kBuildId;
    return b;
}

} // namespace

class ElfReaderTest : public QObject {
    Q_OBJECT
private slots:
    // Files the compiler made for this test: each kind as the linker lays it out.
    void filesTheCompilerBuilt() {
        const std::optional<ElfFacts> exe = readFile(VOK_ELF_EXE), pie = readFile(VOK_ELF_PIE),
                                      lib = readFile(VOK_ELF_LIB), obj = readFile(VOK_ELF_OBJ32);
        QVERIFY(exe && pie && lib && obj);
        QCOMPARE((QList<quint16>{exe->type, pie->type, lib->type, obj->type}),
                 (QList<quint16>{2, 3, 3, 1}));
        QCOMPARE(
            (QStringList{elfFileTypeText(*exe), elfFileTypeText(*pie), elfFileTypeText(*lib),
                         elfFileTypeText(*obj)}),
            (QStringList{"Application", "Application", "Dynamic-Link Library", "Object File"}));
        QVERIFY(exe->hasInterpreter && exe->soname.isEmpty() && exe->neededCount >= 1);
        QVERIFY(pie->pieFlag && !lib->pieFlag);
        QCOMPARE(lib->soname, QByteArray("libvokfixture.so.3"));
        QCOMPARE(exe->buildId.size(), 20);
        QCOMPARE(lib->buildId.size(), 20);
        QVERIFY(lib->buildId != exe->buildId);
        QCOMPARE(versionInSoName(QFileInfo(VOK_ELF_LIB).fileName()), QString("3.1.4"));
        QVERIFY(!obj->is64);
        QCOMPARE(elfMachineText(obj->machine), QString("x86"));
        QVERIFY(!readFile(QFINDTESTDATA("elf_reader_test.cpp")));
    }

    // The same file in both classes and byte orders says the same.
    void everyClassAndByteOrder() {
        for (bool is64 : {false, true})
            for (bool big : {false, true})
                for (quint64 align : {4u, 8u}) {
                    ElfImageBuilder b = library();
                    b.is64 = is64;
                    b.bigEndian = big;
                    b.noteAlign = align;
                    b.machine = big ? 22 : 62;
                    const std::optional<ElfFacts> f = readBytes(b.build());
                    const QByteArray what = QByteArray::number(is64) + QByteArray::number(big);
                    QVERIFY2(f, what);
                    QCOMPARE(
                        std::tuple(f->is64, f->bigEndian, f->machine, f->soname, f->neededCount,
                                   f->buildId),
                        std::tuple(is64, big, b.machine, QByteArray("libvok.so.7"), 2, kBuildId));
                }
    }

    // Hostile headers and tables: nothing is read outside the file, what is broken is left out.
    void brokenFilesReadSafely() {
        ElfImageBuilder b = library();
        const QByteArray good = b.build();
        // Every truncation, as a file cut short on disk.
        for (int n = 0; n < good.size(); ++n) {
            const std::optional<ElfFacts> f = readBytes(good.left(n));
            QCOMPARE(bool(f), n >= 64);
            if (f && n < good.size())
                QVERIFY(f->buildId.isEmpty());
        }
        QVERIFY(!readBytes(QByteArray("\x7f\x45LF\x03\x01", 6).leftJustified(64, '\0')));

        const auto broken = [&](auto change) {
            QByteArray image = good;
            change(image);
            return readBytes(image);
        };
        // Program headers past the end, or a count no file holds.
        std::optional<ElfFacts> f = broken([&](QByteArray& i) { b.put(i, 32, ~0ull, 8); });
        QVERIFY(f && f->soname.isEmpty() && f->buildId.isEmpty());
        f = broken([&](QByteArray& i) { b.put(i, 56, 0xFFFF, 2); });
        QVERIFY(f && f->soname.isEmpty());
        // An entry size smaller than an entry.
        f = broken([&](QByteArray& i) { b.put(i, 54, 8, 2); });
        QVERIFY(f && f->soname.isEmpty());
        // The dynamic section claims far more than the file holds: the entries there still count.
        f = broken([&](QByteArray& i) { b.put(i, b.phoff + 2 * b.phentsize + 32, ~0ull >> 1, 8); });
        QVERIFY(f);
        QCOMPARE(f->soname, QByteArray("libvok.so.7"));
        // The soname's offset beyond the string table, the table at an unmapped address.
        const quint64 sonameEntry = b.dynamicOffset + 2 * quint64(b.dynentsize);
        f = broken([&](QByteArray& i) { b.put(i, sonameEntry + 8, 1000, 8); });
        QVERIFY(f && f->soname.isEmpty());
        f = broken([&](QByteArray& i) { b.put(i, sonameEntry + 16 + 8, 0x7fff0000, 8); });
        QVERIFY(f && f->soname.isEmpty());
        QCOMPARE(f->neededCount, 2);
        // A string table that ends inside the soname: its terminator is not the table's.
        const int sonameAt = 1 + 10 + 10;
        f = broken([&](QByteArray& i) { b.put(i, sonameEntry + 2 * 16 + 8, sonameAt + 4, 8); });
        QVERIFY(f && f->soname.isEmpty());
        f = broken([&](QByteArray& i) { b.put(i, sonameEntry + 2 * 16 + 8, sonameAt + 12, 8); });
        QCOMPARE(f->soname, QByteArray("libvok.so.7"));
        // Note sizes that overrun the segment.
        f = broken([&](QByteArray& i) { b.put(i, b.noteOffset, 0xFFFFFFFF, 4); });
        QVERIFY(f && f->buildId.isEmpty());
        f = broken([&](QByteArray& i) { b.put(i, b.noteOffset + 4, 0xFFFFFFF0, 4); });
        QVERIFY(f && f->buildId.isEmpty());
        QCOMPARE(f->soname, QByteArray("libvok.so.7"));
    }

    void fileTypesAndNames() {
        ElfFacts f;
        f.type = 3;
        f.soname = "libc.so.6";
        f.hasInterpreter = true; // libc can be run, yet is a library
        QCOMPARE(elfFileTypeText(f), QString("Dynamic-Link Library"));
        f.soname.clear();
        QCOMPARE(elfFileTypeText(f), QString("Application"));
        f.hasInterpreter = false; // a plugin
        QCOMPARE(elfFileTypeText(f), QString("Dynamic-Link Library"));
        f.pieFlag = true; // a static PIE
        QCOMPARE(elfFileTypeText(f), QString("Application"));
        f.type = 4;
        QCOMPARE(elfFileTypeText(f), QString("Core Dump"));
        f.type = 0xFE00;
        QCOMPARE(elfFileTypeText(f), QString("Unknown"));

        // "name=version" rows.
        for (const QString& row : QString("libz.so.1.2.13=1.2.13 libc.so.6=6 libfoo-2.0.so.0.3=0.3 "
                                          "libz.so= libz.so.1.debug= libz.so.= bash=")
                                      .split(' '))
            QCOMPARE(versionInSoName(row.section('=', 0, 0)), row.section('=', 1));
    }
};

QTEST_GUILESS_MAIN(ElfReaderTest)
#include "elf_reader_test.moc"
