#include "memscreens/ProcessTreeLines.h"
#include <QRegularExpression>

namespace vok {

namespace {

QString fileName(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

ProcessTreeLines processTreeLines(const ProcessSnapshot& snapshot) {
    ProcessTreeLines tree;
    auto& lines = tree.lines;
    auto& totals = tree.totals;
    lines.push_back({1, "My Windows 95 Tree. Whats Running and where it was loaded from."});
    if (!snapshot.taken) {
        lines.push_back({2, "Unable to retrieve Windows 95 Processes"});
        return tree;
    }
    size_t count = 1;
    for (const ProcessRecord& p : snapshot.processes)
        count += p.modules.size() + 4;
    lines.reserve(count);
    for (const ProcessRecord& p : snapshot.processes) {
        ++totals.processes;
        lines.push_back(
            {1, p.exePath + " * has been " + "used " + QString::number(p.usageCount) + " times"});
        quint64 processBytes = 0;
        if (p.modules.empty())
            lines.push_back({2, "Unable to retrieve Windows 95 Modules for this process"});
        else
            lines.push_back({2, "*** Module list for process " + fileName(p.exePath) + " ***"});
        for (const ModuleRecord& m : p.modules) {
            ++totals.modules;
            processBytes += m.size;
            lines.push_back({2, m.path + " * size is " + QString::number(m.size) + " bytes " +
                                    "has been used " + QString::number(m.globalUsage) + " times"});
        }
        totals.bytes += processBytes;
        lines.push_back({2, "***** End of Module List ****"});
        lines.push_back({2, QString::number(p.modules.size()) + " Modules found for process " +
                                QString::number(totals.processes) +
                                " total size = " + QString::number(processBytes / 1024) + "Kb"});
    }
    return tree;
}

QString processTreeSummary(const ProcessTreeTotals& totals) {
    return "Vok found " + QString::number(totals.processes) + " Processes " +
           QString::number(totals.modules) + " Modules using " +
           QString::number(totals.bytes / 1048576) + "Mb";
}

QString lineFilePath(const QString& text) {
    static const QRegularExpression ownSuffix(
        R"(^(.+) \* (?:has been used -?\d+ times|size is \d+ bytes has been used \d+ times)\z)",
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = ownSuffix.match(text);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace vok
