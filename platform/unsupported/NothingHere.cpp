#include "platform/unsupported/NothingHere.h"
#include "platform/VokError.h"

namespace vok {

int NoResourceLimits::freeResourcePercent(ResourceKind) {
    throw VokError(QStringLiteral("Cannot load USER.EXE"));
}

QString NoTrash::refusal() {
    return QStringLiteral("This system has no trash that Vok can use; nothing was moved.");
}

std::optional<TrashSubject> NoTrash::identify(const QString&) {
    throw VokError(refusal());
}

QString NoSettingsFile::location() const {
    return QStringLiteral("nowhere (this system has no settings file for Vok)");
}

} // namespace vok
