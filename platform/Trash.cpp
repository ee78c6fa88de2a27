#include "platform/Trash.h"
#include "platform/DialogService.h"
#include <QCoreApplication>

namespace vok {

QString Trash::confirmationText(const QString& path) {
    //: %1 is the file's path
    return QCoreApplication::translate("vok::Trash", "Do you want to move \"%1\" to the trash?")
        .arg(path);
}

bool Trash::moveToTrash(const QString& path, DialogService& dialogs) {
    const std::optional<TrashSubject> asked = identify(path);
    if (!asked)
        return false;
    if (dialogs.confirm(confirmationText(path), Buttons::YesNo) != Answer::Yes)
        return false;
    return move(path, *asked);
}

} // namespace vok
