#pragma once
#include "controls/Job.h"
#include "controls/WorkPacer.h"
#include "platform/DirEntry.h"
#include <QString>
#include <functional>

namespace vok {

// Called for each file found with the directory that holds it (ending in "/") and the entry;
// false stops the whole walk at once.
using FileFoundCallback = std::function<bool(const QString& dir, const DirEntry& rec)>;

// Walks startDir (the current directory when empty) and every subdirectory on the same file
// system, depth-first and pre-order: a directory's files matching mask (empty: "*.*") in the
// order the file system gives them, then its subdirectories. Hidden subdirectories are not
// entered; hidden files in the directories visited are reported. This variant cannot be
// cancelled.
void FindFiles(const QString& startDir, const QString& mask, const FileFoundCallback& callback,
               const ProgressHook& progress = {});

// The walk of the file search and directory tree screens: the same, stopping after the entry
// during which the job was asked to stop (by Esc while the progress hook lets input through).
JobOutcome FindFiles(const Job& job, const QString& startDir, const QString& mask,
                     const FileFoundCallback& callback, const ProgressHook& progress = {});
// The same, paced by the operation's own pacer, so that the walk and what follows it keep one
// clock.
JobOutcome FindFiles(const Job& job, const QString& startDir, const QString& mask,
                     const FileFoundCallback& callback, WorkPacer& pacer);

} // namespace vok
