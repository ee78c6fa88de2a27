#include "support/ElfImageBuilder.h"

namespace vok::test {

void ElfImageBuilder::put(QByteArray& image, quint64 at, quint64 value, int bytes) const {
    if (qsizetype(at) + bytes > image.size())
        image.resize(qsizetype(at) + bytes, '\0');
    for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
        image[qsizetype(at) + i] = char((value >> shift) & 0xFF);
    }
}

QByteArray ElfImageBuilder::build() {
    const int word = is64 ? 8 : 4;
    const int headerSize = is64 ? 64 : 52;
    phentsize = is64 ? 56 : 32;
    dynentsize = 2 * word;
    const int segments = 4;
    phoff = quint64(headerSize);

    QByteArray strtab("\0", 1);
    QList<quint64> neededAt;
    for (const QByteArray& n : needed) {
        neededAt << quint64(strtab.size());
        strtab += n + '\0';
    }
    const quint64 sonameAt = quint64(strtab.size());
    if (!soname.isEmpty())
        strtab += soname + '\0';
    const QByteArray interp("/lib/ld-vok.so.1\0", 17);

    const quint64 interpOffset = phoff + quint64(segments * phentsize);
    strtabOffset = interpOffset + quint64(interp.size());
    dynamicOffset = (strtabOffset + quint64(strtab.size()) + 7) & ~quint64(7);
    QList<QPair<quint64, quint64>> dynamic;
    for (quint64 at : neededAt)
        dynamic.append({1, at});
    if (!soname.isEmpty())
        dynamic.append({14, sonameAt});
    dynamic.append({5, loadAddress + strtabOffset});
    dynamic.append({10, quint64(strtab.size())});
    if (pieFlag)
        dynamic.append({0x6ffffffb, 0x08000000});
    dynamic.append({0, 0});
    const quint64 dynamicSize = quint64(dynamic.size() * dynentsize);
    noteOffset = (dynamicOffset + dynamicSize + 7) & ~quint64(7);
    const auto pad = [this](quint64 n) { return (n + noteAlign - 1) / noteAlign * noteAlign; };
    const quint64 noteSize = buildId.isEmpty() ? 0 : 12 + pad(4) + pad(quint64(buildId.size()));
    const quint64 total = noteOffset + noteSize;

    QByteArray image(qsizetype(total), '\0');
    image.replace(0, 4,
                  QByteArray("\x7f"
                             "ELF"));
    image[4] = char(is64 ? 2 : 1);
    image[5] = char(bigEndian ? 2 : 1);
    image[6] = 1;
    image[7] = char(osAbi);
    put(image, 16, type, 2);
    put(image, 18, machine, 2);
    put(image, 20, 1, 4);
    const quint64 rest = is64 ? 32 : 28;
    put(image, rest, phoff, word);
    put(image, rest + 2 * word + 4, quint64(headerSize), 2);
    put(image, rest + 2 * word + 6, quint64(phentsize), 2);
    put(image, rest + 2 * word + 8, quint64(segments), 2);

    // type, offset, size, alignment
    const quint64 table[segments][4] = {
        {interpreter ? 3u : 6u, interpOffset, quint64(interp.size()), 1},
        {1, 0, total, 0x1000},
        {2, dynamicOffset, dynamicSize, 8},
        {4, noteOffset, noteSize, noteAlign}};
    for (int i = 0; i < segments; ++i) {
        const quint64 at = phoff + quint64(i * phentsize);
        const quint64 vaddr = loadAddress + table[i][1];
        put(image, at, table[i][0], 4);
        if (is64) {
            put(image, at + 8, table[i][1], 8);
            put(image, at + 16, vaddr, 8);
            put(image, at + 24, vaddr, 8);
            put(image, at + 32, table[i][2], 8);
            put(image, at + 40, table[i][2], 8);
            put(image, at + 48, table[i][3], 8);
        } else {
            put(image, at + 4, table[i][1], 4);
            put(image, at + 8, vaddr, 4);
            put(image, at + 12, vaddr, 4);
            put(image, at + 16, table[i][2], 4);
            put(image, at + 20, table[i][2], 4);
            put(image, at + 28, table[i][3], 4);
        }
    }
    image.replace(qsizetype(interpOffset), interp.size(), interp);
    image.replace(qsizetype(strtabOffset), strtab.size(), strtab);
    for (int i = 0; i < dynamic.size(); ++i) {
        put(image, dynamicOffset + quint64(i * dynentsize), dynamic[i].first, word);
        put(image, dynamicOffset + quint64(i * dynentsize + word), dynamic[i].second, word);
    }
    if (!buildId.isEmpty()) {
        put(image, noteOffset, 4, 4);
        put(image, noteOffset + 4, quint64(buildId.size()), 4);
        put(image, noteOffset + 8, 3, 4);
        image.replace(qsizetype(noteOffset + 12), 4, QByteArray("GNU\0", 4));
        image.replace(qsizetype(noteOffset + 12 + pad(4)), buildId.size(), buildId);
    }
    return image;
}

} // namespace vok::test
