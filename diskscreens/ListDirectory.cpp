#include "diskscreens/ListDirectory.h"
#include "controls/GridRows.h"
#include "diskscreens/GridSort.h"
#include "diskscreens/SizeCellText.h"
#include "platform/DirectoryReader.h"
#include "platform/FileNames.h"
#include <QCoreApplication>

namespace vok {

void ListDirectory(DirectoryReader& files, ScanState& state, GridRows& grid, const QString& dir,
                   ListingVariant variant, WorkPacer& pacer, ListingSort firstSort,
                   const std::function<void(const QString&)>& setCaption) {
    const bool withPosition = variant == ListingVariant::DirectorySpace;
    state.LastListedDir = dir;
    // Every cell is blanked, in both variants: a stale name left below a shorter listing would
    // be resolved against the new directory by a click and could send another file away.
    for (int c = 0; c < grid.columns(); ++c)
        grid.fillColumn(c, QStringLiteral(" "));
    state.ScanFileCount = 0;
    state.ScanByteTotal = 0;

    pacer.setPhase(WorkPacer::Phase::Walk);
    int count = 0;
    qint64 total = 0;
    files.list(withTrailingSlash(dir), IncludeFiles, [&](const DirEntry& e) {
        total += e.size;
        const QString position = QString::number(count + 1);
        if (count == 0) {
            grid.setRows(1);
            grid.setCell(0, 0, e.name());
            grid.setCell(1, 0, SizeCellText(e.size));
            if (withPosition)
                grid.setCell(2, 0, position);
        } else if (withPosition) {
            grid.appendRow({e.name(), SizeCellText(e.size), position});
        } else {
            grid.appendRow({e.name(), SizeCellText(e.size)});
        }
        ++count;
        pacer.step();
        return true;
    });
    grid.flush();
    state.ScanFileCount = count;
    state.ScanByteTotal = total;
    if (setCaption)
        //: The window title; %1 is the listed directory
        setCaption(QCoreApplication::translate("vok::ListDirectory", "Directory %1").arg(dir));
    if (count < 2)
        return;
    if (variant == ListingVariant::DirectoryTree)
        SortGrid(grid, SortByColumn1, true, false, pacer);
    else
        SortGrid(grid, firstSort.key, firstSort.descending, true, pacer);
}

} // namespace vok
