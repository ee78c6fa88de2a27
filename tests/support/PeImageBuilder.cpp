#include "PeImageBuilder.h"
#include <QtEndian>

namespace vok::test {

namespace {

void put16(QByteArray& b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}
void put32(QByteArray& b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}
void pad4(QByteArray& b) {
    while (b.size() % 4)
        b.append('\0');
}

} // namespace

QByteArray utf16z(const QString& text) {
    QByteArray out;
    for (QChar c : text) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    out.append(2, '\0');
    return out;
}

QByteArray versionNode(const QString& key, const QByteArray& value, bool text,
                       const QList<QByteArray>& children, int valueLength) {
    QByteArray n(6, '\0');
    n += utf16z(key);
    pad4(n);
    n += value;
    for (const QByteArray& child : children) {
        pad4(n);
        n += child;
    }
    put16(n, 0, quint16(n.size()));
    put16(n, 2, quint16(valueLength >= 0 ? valueLength : text ? value.size() / 2 : value.size()));
    put16(n, 4, text ? 1 : 0);
    return n;
}

FixedFileInfo fixedInfo(quint16 a, quint16 b, quint16 c, quint16 d, quint32 os, quint32 type,
                        quint32 subtype) {
    FixedFileInfo f;
    f.signature = 0xFEEF04BD;
    f.strucVersion = 0x10000;
    f.fileVersionMS = f.productVersionMS = quint32(a) << 16 | b;
    f.fileVersionLS = f.productVersionLS = quint32(c) << 16 | d;
    f.fileOS = os;
    f.fileType = type;
    f.fileSubtype = subtype;
    return f;
}

QByteArray fixedInfoBytes(const FixedFileInfo& f) {
    const quint32 fields[] = {
        f.signature,        f.strucVersion,  f.fileVersionMS, f.fileVersionLS, f.productVersionMS,
        f.productVersionLS, f.fileFlagsMask, f.fileFlags,     f.fileOS,        f.fileType,
        f.fileSubtype,      f.fileDateMS,    f.fileDateLS};
    QByteArray out(sizeof fields, '\0');
    for (int i = 0; i < 13; ++i)
        put32(out, 4 * i, fields[i]);
    return out;
}

QByteArray versionBlock(const FixedFileInfo& fixed, const QList<StringTable>& tables) {
    QList<QByteArray> tableNodes;
    for (const StringTable& t : tables) {
        QList<QByteArray> strings;
        for (const auto& [name, value] : t.strings)
            strings.append(versionNode(name, utf16z(value), true));
        tableNodes.append(versionNode(t.key, {}, true, strings));
    }
    QList<QByteArray> children;
    if (!tableNodes.isEmpty())
        children.append(versionNode("StringFileInfo", {}, true, tableNodes));
    return versionNode("VS_VERSION_INFO", fixedInfoBytes(fixed), false, children);
}

int PeImageBuilder::dataEntryAt(int i) const {
    return rsrcFileOffset + langDir + 16 + 8 * int(versions.size()) + 16 * i;
}

QByteArray PeImageBuilder::build() const {
    // The resource section: three directory levels, the data entries, then the blocks.
    QByteArray rsrc(langDir + 16 + 24 * int(versions.size()), '\0');
    put16(rsrc, typeDir + 14, 1);
    put32(rsrc, typeDir + 16, 16);
    put32(rsrc, typeDir + 20, 0x80000000u | nameDir);
    put16(rsrc, nameDir + 14, 1);
    put32(rsrc, nameDir + 16, resourceId);
    put32(rsrc, nameDir + 20, 0x80000000u | langDir);
    put16(rsrc, langDir + 14, quint16(versions.size()));
    for (int i = 0; i < versions.size(); ++i) {
        const int entry = langDir + 16 + 8 * i;
        const int data = dataEntryAt(i) - rsrcFileOffset;
        put32(rsrc, entry, versions[i].first);
        put32(rsrc, entry + 4, quint32(data));
        while (rsrc.size() % 16)
            rsrc.append('\0');
        put32(rsrc, data, quint32(rsrcRva + rsrc.size()));
        put32(rsrc, data + 4, quint32(versions[i].second.size()));
        rsrc += versions[i].second;
    }
    pad4(rsrc);

    QByteArray img(rsrcFileOffset, '\0');
    img[0] = 'M';
    img[1] = 'Z';
    put32(img, 0x3C, peOffset);
    img.replace(peOffset, 4, QByteArray("PE\0\0", 4));
    put16(img, peOffset + 4, pe32Plus ? 0x8664 : 0x14C);
    put16(img, peOffset + 6, 1); // sections
    put16(img, peOffset + 20, quint16(optionalHeaderSize()));
    put16(img, peOffset + 22, 0x2102); // executable DLL
    const int opt = peOffset + 24;
    put16(img, opt, pe32Plus ? 0x20B : 0x10B);
    const int dirs = opt + (pe32Plus ? 112 : 96);
    put32(img, dirs - 4, 16);
    put32(img, dirs + 16, rsrcRva);
    put32(img, dirs + 20, quint32(rsrc.size()));
    const int sec = sectionHeaderAt();
    img.replace(sec, 5, ".rsrc");
    put32(img, sec + 8, quint32(rsrc.size()));
    put32(img, sec + 12, rsrcRva);
    put32(img, sec + 16, quint32(rsrc.size()));
    put32(img, sec + 20, rsrcFileOffset);
    return img + rsrc;
}

} // namespace vok::test
