#include "platform/Drive.h"
#include <QDir>

namespace vok {

QList<DriveSpace> DriveTable::spaces(const QList<QChar>& letters) {
    QList<DriveSpace> result;
    for (QChar letter : letters)
        result.append(space(letter));
    return result;
}

bool DriveTable::find(QChar letter, Drive* out) {
    const QChar upper = letter.toUpper();
    const QList<Drive> all = drives(); // const: iterating makes no copy, which could fail
    for (const Drive& d : all) {
        if (d.letter == upper) {
            if (out)
                *out = d;
            return true;
        }
    }
    return false;
}

bool isAtOrBelow(const QString& path, const QString& dir) {
    return path == dir || dir == "/" || path.startsWith(dir + '/');
}

QChar DriveTable::driveOfPath(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    QChar best;
    qsizetype bestLength = -1;
    const QList<Drive> all = drives(); // const: iterating makes no copy, which could fail
    for (const Drive& d : all) {
        if (isAtOrBelow(clean, d.mountPoint) && d.mountPoint.size() > bestLength) {
            best = d.letter;
            bestLength = d.mountPoint.size();
        }
    }
    return best;
}

DriveType DriveTable::typeOf(QChar letter) {
    Drive d;
    return find(letter, &d) ? d.type : DriveType::None;
}

} // namespace vok
