#include "bench/BenchReport.h"
#include "controls/GridRows.h"
#include "controls/Version.h"
#include "diskscreens/DirectoryTally.h"
#include "diskscreens/FindFiles.h"
#include "diskscreens/FoundFiles.h"
#include "diskscreens/GridSort.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/RandomGrid.h"
#include "platform/FileNames.h"
#include "platform/Services.h"
#include "platform/linux/LinuxVersionFiles.h"
#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <cstdio>

// vok-bench: times the walk, the listing and the sort on the code the screens run.
using namespace vok;
using vok::bench::BenchReport;

namespace {

int usage() {
    std::fprintf(stderr, "usage: vok-bench search DIR MASK [--print FILE]\n"
                         "       vok-bench tree DIR\n"
                         "       vok-bench list DIR\n"
                         "       vok-bench sort N\n"
                         "       vok-bench version FILE [LANGID CODEPAGE]\n");
    return 2;
}

// Size, a tab and the path, one row a line, bytes exactly as the names are stored.
bool printRows(const GridRows& grid, const QString& file) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int r = 0; r < grid.rows(); ++r) {
        const QByteArray size = QByteArrayView(grid.cellUtf8(1, r)).trimmed().toByteArray();
        if (size.isEmpty())
            continue; // the placeholder row
        out.write(size + '\t' + encodeFileName(grid.cell(0, r)) + '\n');
    }
    return true;
}

int search(const QString& dir, const QString& mask, const QString& printTo) {
    BenchReport report(QStringLiteral("search %1 %2").arg(dir, mask));
    GridRows grid(4);
    ScanState state;
    qint64 total = 0;
    grid.fillColumn(0, QStringLiteral(" "));
    grid.fillColumn(1, QStringLiteral(" "));
    FindFiles(state, grid, dir, mask, [&](const QString& d, const DirEntry& rec) {
        return AddFoundFile(grid, total, d, rec);
    });
    grid.flush();
    SortSearchGrid(grid, SortByColumn1, true, state.SearchBusy, state.CancelRequested);
    report.stop();
    report.print(grid.rows() - 1, qint64(grid.bytesUsed()));
    std::printf("bytes            %lld\n", static_cast<long long>(total));
    if (!printTo.isEmpty() && !printRows(grid, printTo)) {
        std::fprintf(stderr, "vok-bench: cannot write %s\n", qPrintable(printTo));
        return 1;
    }
    return 0;
}

int tree(const QString& dir) {
    BenchReport report(QStringLiteral("tree %1").arg(dir));
    qint64 checksum = 0;
    DirectoryTally tally(
        [&](const QString&, qint64 bytes, int files) { checksum += bytes ^ files; });
    FindFiles(dir, QStringLiteral("*.*"),
              [&](const QString& d, const DirEntry& rec) { return tally.add(d, rec); });
    tally.finish();
    report.stop();
    report.print(tally.fileCount(), -1);
    std::printf("directories      %d\n", tally.directoryCount());
    std::printf("bytes            %lld\n", static_cast<long long>(tally.grandTotal()));
    return checksum == -1 ? 1 : 0;
}

int list(const QString& dir) {
    BenchReport report(QStringLiteral("list %1").arg(dir));
    GridRows grid(3);
    ScanState state;
    ListDirectory(state, grid, dir, ListingVariant::DirectorySpace);
    report.stop();
    report.print(state.ScanFileCount, qint64(grid.bytesUsed()));
    std::printf("bytes            %lld\n", static_cast<long long>(state.ScanByteTotal));
    return 0;
}

int sort(int n) {
    GridRows grid(3);
    fillRandomRows(grid, n, 20261208);
    BenchReport report(QStringLiteral("sort %1").arg(n));
    SortGrid(grid, SortByColumn1, true);
    report.stop();
    report.print(n, qint64(grid.bytesUsed()));
    return 0;
}

// One line, whatever the text holds.
QByteArray escaped(const QString& text) {
    QString t = text;
    t.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
    return t.toUtf8();
}

// What the version reader gives for a file, as the file information screen gets it.
int version(const QString& file, const QString& langText, const QString& codePageText) {
    bool langOk = false, pageOk = false;
    TLanguage language{};
    TCharacterSet charset{};
    if (!languageOfCode(langText.toUShort(&langOk, 0), language) || !langOk ||
        !characterSetOfCode(codePageText.toUShort(&pageOk, 0), charset) || !pageOk) {
        std::fprintf(stderr, "vok-bench: %s %s is no language and code page of the reader\n",
                     qPrintable(langText), qPrintable(codePageText));
        return 2;
    }
    LinuxVersionFiles files;
    TVersionResource reader(files);
    reader.setLanguage(language);
    reader.setCharacterSet(charset);
    reader.setFileName(file);
    std::printf("size\t%u\n", files.versionInfoSize(file));
    const TVersionInfo& info = reader.VersionInfo();
    const QMetaObject& meta = TVersionInfo::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        std::printf("%s\t%s\n", p.name(), escaped(p.readOnGadget(&info).toString()).constData());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    installLinuxServices();
    const QStringList args = app.arguments().mid(1);
    const QString cmd = args.value(0);
    if (cmd == QLatin1String("search") && (args.size() == 3 || args.size() == 5)) {
        QString printTo;
        if (args.size() == 5) {
            if (args[3] != QLatin1String("--print"))
                return usage();
            printTo = args[4];
        }
        return search(args[1], args[2], printTo);
    }
    if (cmd == QLatin1String("tree") && args.size() == 2)
        return tree(args[1]);
    if (cmd == QLatin1String("version") && (args.size() == 2 || args.size() == 4))
        return version(args[1], args.value(2, QStringLiteral("1033")),
                       args.value(3, QStringLiteral("1252")));
    if (cmd == QLatin1String("list") && args.size() == 2)
        return list(args[1]);
    bool ok = false;
    const int n = args.value(1).toInt(&ok);
    if (cmd == QLatin1String("sort") && args.size() == 2 && ok && n > 0)
        return sort(n);
    return usage();
}
