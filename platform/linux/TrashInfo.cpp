#include "platform/linux/TrashInfo.h"

namespace vok::linuxfs {

QByteArray trashInfoText(const QByteArray& originalPath, std::time_t deletedAt) {
    char date[32] = {};
    std::tm local{};
    if (::localtime_r(&deletedAt, &local))
        std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + originalPath.toPercentEncoding("/") + "\nDeletionDate=" + date +
           '\n';
}

QByteArray trashedName(const QByteArray& baseName, int attempt, long nameMax) {
    static constexpr qsizetype kInfoSuffix = 10; // ".trashinfo"
    const QByteArray suffix = attempt == 0 ? QByteArray() : '.' + QByteArray::number(attempt + 1);
    const qsizetype room = qsizetype(nameMax) - kInfoSuffix - suffix.size();
    if (baseName.size() <= room)
        return baseName + suffix;
    qsizetype cut = qMax<qsizetype>(room, 1);
    // Back off continuation bytes so that a character is not split.
    for (int i = 0; i < 3 && cut > 1 && (uchar(baseName[cut]) & 0xC0) == 0x80; ++i)
        --cut;
    return baseName.left(cut) + suffix;
}

} // namespace vok::linuxfs
