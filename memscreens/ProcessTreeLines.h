#pragma once
#include "platform/ProcessSnapshot.h"
#include <QString>
#include <vector>

namespace vok {

// One line of the process tree: level 1 is a root, level 2 the last child of the last root.
struct TreeLine {
    int level = 1;
    QString text;
};

struct ProcessTreeTotals {
    qint64 processes = 0;
    qint64 modules = 0;
    quint64 bytes = 0;
};

struct ProcessTreeLines {
    std::vector<TreeLine> lines;
    ProcessTreeTotals totals;
};

// The title, then per process its line, module list and total; the no-processes line when the
// snapshot could not be taken.
ProcessTreeLines processTreeLines(const ProcessSnapshot& snapshot);

// "Vok found N Processes M Modules using NMb".
QString processTreeSummary(const ProcessTreeTotals& totals);

// The file a process or module line names, in the language the lines are shown in: in English
// the text in front of the " * has been used N times" or " * size is N bytes has been used N
// times" the line ends with, so a "*" inside the path itself is kept. Empty for every other line.
QString lineFilePath(const QString& text);

} // namespace vok
