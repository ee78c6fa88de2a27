#pragma once
#include "controls/Job.h"
#include "controls/WorkPacer.h"
#include "platform/DirEntry.h"
#include <QString>
#include <functional>

namespace vok {

class DirectoryReader;
class DriveTable;

// Called for each file found with the directory that holds it (ending in "/") and the entry;
// false stops the whole walk at once.
using FileFoundCallback = std::function<bool(const QString& dir, const DirEntry& rec)>;

// Walks startDir (the drive table's current path when empty) and every subdirectory on the same
// file system, depth-first and pre-order: a directory's files matching mask (empty: "*.*") in the
// order the file system gives them, then its subdirectories. Hidden subdirectories are not
// entered; hidden files in the directories visited are reported. The walk stops after the entry
// during which the job was asked to stop (by Esc while the pacer's hook lets input through).
JobOutcome FindFiles(DirectoryReader& files, DriveTable& drives, const Job& job,
                     const QString& startDir, const QString& mask,
                     const FileFoundCallback& callback, WorkPacer& pacer);

} // namespace vok
