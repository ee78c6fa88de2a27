#pragma once
#include "diskscreens/ScanState.h"
#include "diskscreens/WalkProgress.h"
#include "platform/DirEntry.h"
#include <QString>
#include <functional>

namespace vok {

class GridRows;

// Called for each file found with the directory that holds it (ending in "/") and the entry;
// false stops the whole walk at once.
using FileFoundCallback = std::function<bool(const QString& dir, const DirEntry& rec)>;

// Walks startDir (the current directory when empty) and every subdirectory on the same file
// system, depth-first and pre-order: a directory's files matching mask (empty: "*.*") in the
// order the file system gives them, then its subdirectories. Hidden subdirectories are not
// entered; hidden files in the directories visited are reported. This is the directory tree
// screen's walk: it cannot be cancelled.
void FindFiles(const QString& startDir, const QString& mask, const FileFoundCallback& callback,
               const WalkProgress& progress = {});

// The file search screen's walk: the same, with state.SearchBusy set while it runs, cell
// (2, 0) of the search grid set to "0", and state.CancelRequested (set by Esc during the
// progress hook) honoured after each entry with the message "Vok File Seach Cancelled".
void FindFiles(ScanState& state, GridRows& searchGrid, const QString& startDir, const QString& mask,
               const FileFoundCallback& callback, const WalkProgress& progress = {});

} // namespace vok
