#include "memscreens/ProcessTreeLines.h"
#include <QCoreApplication>
#include <QRegularExpression>

namespace vok {

namespace {

// The two lines that name a file, as their file is found again in them.
//: %1 is the process's program file, %2 how many times it is in use.
constexpr char kProcessLine[] =
    QT_TRANSLATE_NOOP("vok::ProcessTreeLines", "%1 * has been used %2 times");
//: %1 is the module's file, %2 its size in bytes, %3 how many times it is in use.
constexpr char kModuleLine[] =
    QT_TRANSLATE_NOOP("vok::ProcessTreeLines", "%1 * size is %2 bytes has been used %3 times");

QString translated(const char* line) {
    return QCoreApplication::translate("vok::ProcessTreeLines", line);
}

QString fileName(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// What the lines made from `line` match, in the language they were made in: %1 is the file,
// captured whole (so a "*" inside it is kept), every other placeholder a figure.
QRegularExpression linePattern(const QString& line, const QString& figure) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    QString pattern = QStringLiteral("^");
    bool fileSeen = false;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pattern += QRegularExpression::escape(line.mid(from, m.capturedStart() - from));
        if (m.captured(1) == QLatin1String("1")) {
            pattern += fileSeen ? QStringLiteral("\\k<file>") : QStringLiteral("(?<file>.+)");
            fileSeen = true;
        } else {
            pattern += figure;
        }
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(line.mid(from)) + QStringLiteral("\\z");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

ProcessTreeLines processTreeLines(const ProcessSnapshot& snapshot) {
    ProcessTreeLines tree;
    auto& lines = tree.lines;
    auto& totals = tree.totals;
    lines.push_back({1, QCoreApplication::translate(
                            "vok::ProcessTreeLines",
                            "My Windows 95 Tree. Whats Running and where it was loaded from.")});
    if (!snapshot.taken) {
        lines.push_back(
            {2, QCoreApplication::translate("vok::ProcessTreeLines",
                                            "Unable to retrieve Windows 95 Processes")});
        return tree;
    }
    size_t count = 1;
    for (const ProcessRecord& p : snapshot.processes)
        count += p.modules.size() + 4;
    lines.reserve(count);
    // Looked up once: a tree has up to some hundred thousand lines.
    const QString processLine = translated(kProcessLine);
    const QString moduleLine = translated(kModuleLine);
    const QString noModules = QCoreApplication::translate(
        "vok::ProcessTreeLines", "Unable to retrieve Windows 95 Modules for this process");
    //: %1 is the process's program name.
    const QString moduleList =
        QCoreApplication::translate("vok::ProcessTreeLines", "*** Module list for process %1 ***");
    const QString listEnd =
        QCoreApplication::translate("vok::ProcessTreeLines", "***** End of Module List ****");
    //: %1 is how many modules the process has, %2 the process's number in the tree, %3 their
    //: total size; Kb = kilobytes.
    const QString processTotal = QCoreApplication::translate(
        "vok::ProcessTreeLines", "%1 Modules found for process %2 total size = %3Kb");
    for (const ProcessRecord& p : snapshot.processes) {
        ++totals.processes;
        lines.push_back({1, processLine.arg(p.exePath, QString::number(p.usageCount))});
        quint64 processBytes = 0;
        if (p.modules.empty())
            lines.push_back({2, noModules});
        else
            lines.push_back({2, moduleList.arg(fileName(p.exePath))});
        for (const ModuleRecord& m : p.modules) {
            ++totals.modules;
            processBytes += m.size;
            lines.push_back({2, moduleLine.arg(m.path, QString::number(m.size),
                                               QString::number(m.globalUsage))});
        }
        totals.bytes += processBytes;
        lines.push_back({2, listEnd});
        lines.push_back({2, processTotal.arg(QString::number(p.modules.size()),
                                             QString::number(totals.processes),
                                             QString::number(processBytes / 1024))});
    }
    return tree;
}

QString processTreeSummary(const ProcessTreeTotals& totals) {
    //: %1 and %2 are how many processes and modules were found, %3 their size; Mb = megabytes.
    return QCoreApplication::translate("vok::ProcessTreeLines",
                                       "Vok found %1 Processes %2 Modules using %3Mb")
        .arg(QString::number(totals.processes), QString::number(totals.modules),
             QString::number(totals.bytes / 1048576));
}

QString lineFilePath(const QString& text) {
    // Matched against the lines in the language they are shown in, never against English.
    for (const QRegularExpression& line :
         {linePattern(translated(kProcessLine), QStringLiteral("-?\\d+")),
          linePattern(translated(kModuleLine), QStringLiteral("\\d+"))}) {
        const QRegularExpressionMatch m = line.match(text);
        if (m.hasMatch())
            return m.captured(QStringLiteral("file"));
    }
    return QString();
}

} // namespace vok
