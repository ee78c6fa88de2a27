#pragma once
#include <QByteArray>

namespace vok {

// A maps text of n one-page mappings of files /fN on device 0:N; colliding chooses inodes that
// make (device * 0x9E3779B97F4A7C15) ^ inode one value, as another user could for such a hash.
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
