#pragma once
#include <QString>

namespace vok {

// Sends files to the desktop's trash. Vok never deletes a file outright.
class Trash {
public:
    virtual ~Trash() = default;

    // Asks the user first (Yes/No, naming the file) through the dialog service; No moves
    // nothing. True when the file was moved.
    bool moveToTrash(const QString& path);

    // The confirmation's text for path.
    static QString confirmationText(const QString& path);

protected:
    // Moves the file once the user has agreed.
    virtual bool move(const QString& path) = 0;
};

} // namespace vok
