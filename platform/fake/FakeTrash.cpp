#include "platform/fake/FakeTrash.h"
#include "platform/fake/FakeDirectoryReader.h"

namespace vok {

std::optional<TrashSubject> FakeTrash::identify(const QString& path) {
    if (tree && !tree->fileExists(path))
        return std::nullopt;
    return TrashSubject{};
}

bool FakeTrash::move(const QString& path, const TrashSubject&) {
    if (fails || (tree && !tree->remove(path)))
        return false;
    moved << path;
    return true;
}

} // namespace vok
