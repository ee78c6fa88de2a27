#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace vok {

struct Services;
class DialogService;
class DirectoryReader;
class DriveTable;
class GridRows;
class Trash;

// The file system and the trash a delete reaches.
struct TrashAccess {
    DirectoryReader& files;
    DriveTable& drives; // the working directory, for a relative path
    Trash& trash;
    DialogService& dialogs; // the question before the move
};
// A screen's services, as a delete reaches them.
TrashAccess trashAccessOf(const Services& services);

// Sends the file at path (relative paths against the working directory) to the trash after
// the user's confirmation. False when there is no file there (a directory does not count) or
// it was not moved, for whatever reason.
bool SendToRecycleBin(const TrashAccess& to, const QString& path);

// A click on a grid row: sends the row's file to the trash and marks the row "Deleted " with a
// blank size, or shows "Unable to delete file " and the name when it did not move (declined,
// failed, or no longer the file asked about). Column 0 holds a bare name in the
// directory grids (give the listed directory as baseDir) or a full path in the search grid
// (empty baseDir). The grid widget is disabled meanwhile, so a second click cannot start
// another delete. setStatus shows a text in the screen's status panel (which takes a 10 point
// font for it). Rows without a size (blank or already deleted) name no file and do nothing.
void DeleteClickedFile(const TrashAccess& to, GridRows& rows, QWidget* grid,
                       const std::function<void(const QString&)>& setStatus, int selectedRow,
                       const QString& baseDir);

} // namespace vok
