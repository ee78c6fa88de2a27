#pragma once
#include "platform/Trash.h"
#include <QStringList>

namespace vok {

class FakeDirectoryReader;

// Records what was moved; with a fake file tree attached, a moved file leaves that tree.
class FakeTrash : public Trash {
public:
    QStringList moved;
    bool fails = false; // the move itself fails (after the confirmation)
    FakeDirectoryReader* tree = nullptr;

protected:
    bool move(const QString& path) override;
};

} // namespace vok
