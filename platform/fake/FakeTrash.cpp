#include "platform/fake/FakeTrash.h"
#include "platform/fake/FakeDirectoryReader.h"

namespace vok {

bool FakeTrash::move(const QString& path) {
    if (fails || (tree && !tree->remove(path)))
        return false;
    moved << path;
    return true;
}

} // namespace vok
