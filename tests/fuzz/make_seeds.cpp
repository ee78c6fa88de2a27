// Writes the made-up seeds of the version fuzz corpus: well-formed PE and ELF images and
// malformed ones.
#include "support/ElfImageBuilder.h"
#include "support/PeImageBuilder.h"
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdio>

using namespace vok;
using namespace vok::test;

namespace {

void put16(QByteArray& b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}
void put32(QByteArray& b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

QByteArray fullBlock(quint16 lang, quint16 cp) {
    const QString table = QString("%1%2").arg(lang, 4, 16, QChar('0')).arg(cp, 4, 16, QChar('0'));
    return versionBlock(fixedInfo(2, 0, 0, 0, 0x40004, 2), {{table.toUpper(),
                                                             {{"Comments", "c"},
                                                              {"CompanyName", "Vok"},
                                                              {"FileDescription", "Sample"},
                                                              {"FileVersion", "2.0"},
                                                              {"InternalName", "sample"},
                                                              {"LegalCopyright", "(c)"},
                                                              {"LegalTradeMarks", ""},
                                                              {"OriginalFileName", "sample.dll"},
                                                              {"PrivateBuild", "p"},
                                                              {"ProductName", "Vok"},
                                                              {"ProductVersion", "2.0 beta"},
                                                              {"SpecialBuild", "s"}}}});
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: version_fuzz_seeds DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(out.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    };
    PeImageBuilder pe;
    pe.versions = {{0x0409, fullBlock(0x0409, 1252)}};
    const QByteArray good = pe.build();
    const int block = int(good.indexOf(pe.versions[0].second));
    write("made-pe32.dll", good);
    PeImageBuilder plus;
    plus.pe32Plus = true;
    plus.versions = {{0x0407, fullBlock(0x0407, 1200)}, {0x0409, fullBlock(0x0409, 1200)}};
    write("made-pe32plus-two-languages.dll", plus.build());
    PeImageBuilder neutral;
    neutral.versions = {{0x0409, fullBlock(0x0409, 1252)}, {0x0000, fullBlock(0x0000, 1200)}};
    write("made-neutral-language.dll", neutral.build());

    auto patched = [&](const char* name, auto change) {
        QByteArray b = good;
        change(b);
        write(name, b);
    };
    write("bad-truncated-headers.exe", good.left(0x90));
    write("bad-truncated-block.exe", good.left(block + 100));
    patched("bad-section-table-past-end.exe",
            [](QByteArray& b) { put16(b, PeImageBuilder::peOffset + 6, 0xFFFF); });
    patched("bad-directory-points-at-itself.exe",
            [](QByteArray& b) { put32(b, PeImageBuilder::rsrcFileOffset + 20, 0x80000000u); });
    patched("bad-name-directory-loop.exe", [](QByteArray& b) {
        put32(b, PeImageBuilder::rsrcFileOffset + PeImageBuilder::nameDir + 20,
              0x80000000u | PeImageBuilder::nameDir);
    });
    patched("bad-block-length-lies.exe", [&](QByteArray& b) { put16(b, block, 0xFFFF); });
    patched("bad-child-lengths-lie.exe", [&](QByteArray& b) {
        // StringFileInfo and its table claim more than the block holds.
        put16(b, block + 40 + 52, 0xFFF0);
        put16(b, block + 40 + 52 + 36, 0xFFF0);
    });
    patched("bad-strings-without-terminators.exe", [&](QByteArray& b) {
        for (int i = block + 40 + 52; i + 1 < b.size(); i += 2)
            if (b[i] == 0 && b[i + 1] == 0)
                b[i] = 'x';
    });
    patched("bad-zero-length-child.exe", [&](QByteArray& b) { put16(b, block + 40 + 52, 0); });
    patched("bad-data-size.exe", [&](QByteArray& b) { put32(b, pe.dataEntryAt(0) + 4, ~0u); });

    for (bool is64 : {false, true})
        for (bool big : {false, true}) {
            ElfImageBuilder elf;
            elf.is64 = is64;
            elf.bigEndian = big;
            elf.interpreter = !is64;
            elf.pieFlag = !is64 && big;
            elf.soname = "libseed.so.1";
            elf.needed = {"libc.so.6"};
            elf.buildId = QByteArray(20, '\x5a');
            elf.noteAlign = big ? 8 : 4;
            const QByteArray image = elf.build();
            const QByteArray name =
                QByteArray("made-elf") + (is64 ? "64" : "32") + (big ? "-msb" : "-lsb");
            write((name + ".so").constData(), image);
            if (is64 && !big) {
                QByteArray b = image;
                elf.put(b, elf.dynamicOffset + 8, ~0ull, 8); // a needed name far outside
                elf.put(b, elf.noteOffset + 4, 0xFFFFFFF0u, 4);
                write("bad-elf-offsets.so", b);
                b = image;
                elf.put(b, 56, 0xFFFF, 2); // more program headers than the file holds
                write("bad-elf-segment-count.so", b);
            }
        }
    return 0;
}
