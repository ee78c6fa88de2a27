#pragma once
#include <QString>
#include <functional>
#include <vector>

namespace vok {

// One file mapped into a process.
struct ModuleRecord {
    QString path;
    quint64 size = 0;    // from the lowest start to the highest end of the file's mappings
    int globalUsage = 0; // processes in the snapshot that map the same file
};

struct ProcessRecord {
    qint64 pid = 0;
    QString exePath;    // the executable, or the process name in brackets when unknown
    int usageCount = 0; // threads
    std::vector<ModuleRecord> modules; // executable first, then by address; empty when unreadable
};

struct ProcessSnapshot {
    bool taken = false;                   // false when the process list itself could not be read
    std::vector<ProcessRecord> processes; // ascending pid
};

// The running processes with the files each has mapped.
class ProcessSnapshots {
public:
    virtual ~ProcessSnapshots() = default;
    // pace runs between processes, so a caller can let the window repaint while it takes long.
    virtual ProcessSnapshot take(const std::function<void()>& pace = {}) = 0;
};

} // namespace vok
