#pragma once
#include <QByteArrayView>

namespace vok {

// The sort keys a screen can pass; the number is the code its menus use.
enum SortKey : int {
    SortByColumn0 = 0,   // column 0: name or full path
    SortByColumn1 = 1,   // column 1: the size, right-aligned in 12 characters
    SortByFileName = 2,  // column 0 after the last "/"
    SortByExtension = 3, // column 0 from the last "." after the last "/"; empty without one
    SortByPath = 4,      // column 0 up to and including the last "/"; empty without one
};

// The part of a cell's UTF-8 text that a key compares. With trimmed, bytes 0 to 32 are removed
// from both ends before a part is taken (keys 2 to 4 only); keys 0 and 1 use the text as it is.
QByteArrayView sortKeyPart(QByteArrayView text, SortKey key, bool trimmed);

// Ordinal order: byte by byte on unsigned codes (code point order for UTF-8), a proper prefix
// first.
int compareOrdinal(QByteArrayView a, QByteArrayView b);

} // namespace vok
