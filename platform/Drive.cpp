#include "platform/Drive.h"

namespace vok {

bool DriveTable::find(QChar letter, Drive* out) {
    const QChar upper = letter.toUpper();
    for (const Drive& d : drives()) {
        if (d.letter == upper) {
            if (out)
                *out = d;
            return true;
        }
    }
    return false;
}

DriveType DriveTable::typeOf(QChar letter) {
    Drive d;
    return find(letter, &d) ? d.type : DriveType::None;
}

} // namespace vok
