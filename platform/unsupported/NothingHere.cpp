#include "platform/unsupported/NothingHere.h"
#include "platform/VokError.h"
#include <QCoreApplication>

namespace vok {

int NoResourceLimits::freeResourcePercent(ResourceKind) {
    throw VokError(QCoreApplication::translate("vok::NoResourceLimits", "Cannot load USER.EXE"));
}

QString NoTrash::refusal() {
    return QCoreApplication::translate(
        "vok::NoTrash", "This system has no trash that Vok can use; nothing was moved.");
}

std::optional<TrashSubject> NoTrash::identify(const QString&) {
    throw VokError(refusal());
}

QString NoSettingsFile::location() const {
    //: Completes "Vok could not save its settings to %1."
    return QCoreApplication::translate("vok::NoSettingsFile",
                                       "nowhere (this system has no settings file for Vok)");
}

} // namespace vok
