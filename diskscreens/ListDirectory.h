#pragma once
#include "controls/WorkPacer.h"
#include "diskscreens/ScanState.h"
#include "diskscreens/SortKeyPart.h"
#include <QString>
#include <functional>

namespace vok {

class DirectoryReader;
class GridRows;

enum class ListingVariant {
    DirectorySpace, // three columns: name, size, position
    DirectoryTree,  // two columns: name, size; always sorted by size, largest first
};

// The first sort of a directory space listing of more than one file; the screen derives it from
// its Sort and Sort Order menus.
struct ListingSort {
    SortKey key = SortByColumn1;
    bool descending = true;
};

// Lists the files (hidden and system ones too, no directories) of dir into grid, one row each
// with the name exactly as stored and its size; replaces the previous listing in full (a
// directory without files leaves the former rows, all blank); sets state.ScanFileCount,
// state.ScanByteTotal and state.LastListedDir; gives the caption "Directory " + dir; then sorts
// the rows when there are two or more, paced by pacer throughout. Column widths are the screen's to
// set.
void ListDirectory(DirectoryReader& files, ScanState& state, GridRows& grid, const QString& dir,
                   ListingVariant variant, WorkPacer& pacer, ListingSort firstSort = {},
                   const std::function<void(const QString&)>& setCaption = {});

} // namespace vok
