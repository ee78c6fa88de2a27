#include "platform/linux/MountInfo.h"
#include "platform/FileNames.h"
#include "platform/linux/BoundedFile.h"

namespace vok {

static bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

QByteArray decodeMountEscapes(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
            isOctal(field[i + 3])) {
            const int value =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value <= 0xff) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

static QString pathField(const QByteArray& field) {
    // Paths are bytes: kept byte for byte, so that a mount point can be found again by its text.
    return decodeFileName(decodeMountEscapes(field));
}

static bool toInt(const QByteArray& text, int* out) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0)
        *out = value;
    return ok && value >= 0;
}

static bool parseLine(const QByteArray& line, MountEntry* e) {
    const QList<QByteArray> f = line.split(' ');
    // Six fixed fields, optional tags, the "-" separator, then type, source and options.
    if (f.size() < 10)
        return false;
    const qsizetype dash = f.indexOf(QByteArray("-"), 6);
    if (dash < 0 || dash + 2 >= f.size())
        return false;
    const QList<QByteArray> device = f[2].split(':');
    if (device.size() != 2)
        return false;
    if (!toInt(f[0], &e->mountId) || !toInt(f[1], &e->parentId) || !toInt(device[0], &e->major) ||
        !toInt(device[1], &e->minor))
        return false;
    if (!f[3].startsWith('/') || !f[4].startsWith('/'))
        return false;
    e->root = pathField(f[3]);
    e->mountPoint = pathField(f[4]);
    e->options = QString::fromLatin1(f[5]);
    e->fsType = QString::fromLatin1(decodeMountEscapes(f[dash + 1]));
    e->source = pathField(f[dash + 2]);
    return !e->fsType.isEmpty();
}

QList<MountEntry> parseMountInfo(const QByteArray& text) {
    QList<MountEntry> entries;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        MountEntry e;
        if (!line.isEmpty() && parseLine(line, &e))
            entries.append(e);
    }
    return entries;
}

QByteArray readMountInfo() {
    return readMountInfoUnder("/proc");
}

QByteArray readMountInfoUnder(const QByteArray& procRoot) {
    return linuxfs::readRegularFile(procRoot + "/self/mountinfo", linuxfs::kTableFileLimit)
        .value_or(QByteArray());
}

} // namespace vok
