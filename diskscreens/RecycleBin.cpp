#include "diskscreens/RecycleBin.h"
#include "controls/GridRows.h"
#include "platform/DirectoryReader.h"
#include "platform/Drive.h"
#include "platform/FileNames.h"
#include "platform/Services.h"
#include "platform/Trash.h"
#include <QCoreApplication>
#include <QWidget>

namespace vok {

namespace {

// Disables the grid for the length of a delete, also when something on the way throws.
class DisabledWhile {
public:
    explicit DisabledWhile(QWidget* w) : w_(w) {
        if (w_)
            w_->setEnabled(false);
    }
    ~DisabledWhile() {
        if (w_)
            w_->setEnabled(true);
    }
    DisabledWhile(const DisabledWhile&) = delete;
    DisabledWhile& operator=(const DisabledWhile&) = delete;

private:
    QWidget* w_;
};

} // namespace

TrashAccess trashAccessOf(const Services& services) {
    return {*services.directories, *services.drives, *services.trash, *services.dialogs};
}

bool SendToRecycleBin(const TrashAccess& to, const QString& path) {
    if (path.isEmpty() || !to.files.fileExists(path))
        return false;
    const QString full = path.startsWith(u'/') ? path : joinPath(to.drives.currentPath(), path);
    return to.trash.moveToTrash(full, to.dialogs);
}

void DeleteClickedFile(const TrashAccess& to, GridRows& rows, QWidget* grid,
                       const std::function<void(const QString&)>& setStatus, int selectedRow,
                       const QString& baseDir) {
    DisabledWhile disabled(grid);
    if (selectedRow < 0 || selectedRow >= rows.rows())
        return;
    // Names are kept exactly, so a file may well be called " " or "Deleted "; only a row with a
    // size names a file, never a blank or marked one.
    if (rows.cell(1, selectedRow).trimmed().isEmpty())
        return;
    const QString name = rows.cell(0, selectedRow);
    const QString path = baseDir.isEmpty() ? name : joinPath(baseDir, name);
    if (!to.files.fileExists(path))
        return;
    // Only a move that happened is a success: a file that vanished or changed while the user
    // was asked has not gone to the trash.
    if (!SendToRecycleBin(to, path)) {
        //: %1 is the file's name or path
        setStatus(
            QCoreApplication::translate("vok::RecycleBin", "Unable to delete file %1").arg(name));
        return;
    }
    setStatus(QCoreApplication::translate("vok::RecycleBin", "File Sent to the recycle bin "));
    //: Takes the name's place in the row of a file sent to the trash
    rows.setCell(0, selectedRow, QCoreApplication::translate("vok::RecycleBin", "Deleted "));
    rows.setCell(1, selectedRow, QStringLiteral(" "));
}

} // namespace vok
