#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>

namespace vok {

class DialogService;

// What a directory entry is: its device, inode and type (the S_IFMT bits).
struct EntryIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    quint32 type = 0;
    friend bool operator==(const EntryIdentity&, const EntryIdentity&) = default;
};

// The file the user was asked about and the folder that held it, taken before the question.
struct TrashSubject {
    EntryIdentity file;
    EntryIdentity folder;
};

// Sends files to the desktop's trash. Vok never deletes a file outright.
class Trash {
public:
    virtual ~Trash() = default;

    // Asks the user first (Yes/No, naming the file) through dialogs; No moves
    // nothing. Nothing is asked when there is no file at path (a directory does not count).
    // After Yes the file moves only if the file and its folder are still the entries asked
    // about. True when the file was moved.
    bool moveToTrash(const QString& path, DialogService& dialogs);

    // The confirmation's text for path.
    static QString confirmationText(const QString& path);

protected:
    // The file at path and its folder; nullopt when there is no file there.
    virtual std::optional<TrashSubject> identify(const QString& path) = 0;
    // Moves the file once the user has agreed, provided it is still asked.
    virtual bool move(const QString& path, const TrashSubject& asked) = 0;
};

} // namespace vok
