#pragma once
#include <QByteArray>

namespace vok {

// A maps text of n one-page mappings, each of its own file /fN on device 0:N. Colliding
// chooses the inodes so that (device * 0x9E3779B97F4A7C15) ^ inode is the same for every
// line: one bucket for a fixed hash of that form, as another user could choose them.
inline QByteArray mapsOfManyFiles(int n, bool colliding) {
    QByteArray text;
    for (quint64 i = 1; i <= quint64(n); ++i) {
        const quint64 inode = colliding ? (i * 0x9E3779B97F4A7C15ull) ^ 0x5EEDull : i;
        text += QByteArray::number(i << 12, 16) + '-' + QByteArray::number((i + 1) << 12, 16) +
                " r--p 00000000 00:" + QByteArray::number(i, 16) + ' ' + QByteArray::number(inode) +
                " /f" + QByteArray::number(i) + '\n';
    }
    return text;
}

} // namespace vok
