#pragma once
#include "platform/Trash.h"
#include <QStringList>

namespace vok {

class FakeDirectoryReader;

// Records what was moved; with a fake file tree attached, only files of that tree are asked
// about and a moved file leaves the tree.
class FakeTrash : public Trash {
public:
    QStringList moved;
    bool fails = false; // the move itself fails (after the confirmation)
    FakeDirectoryReader* tree = nullptr;

protected:
    std::optional<TrashSubject> identify(const QString& path) override;
    bool move(const QString& path, const TrashSubject& asked) override;
};

} // namespace vok
