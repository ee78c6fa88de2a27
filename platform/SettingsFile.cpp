#include "platform/SettingsFile.h"

namespace vok {

int findSettingName(const QStringList& names, const QString& name) {
    const int exact = names.indexOf(name);
    if (exact >= 0)
        return exact;
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace vok
