#pragma once
#include "controls/TextArena.h"
#include <QByteArrayView>
#include <array>

namespace vok {

// The sort keys a screen can pass; the number is the code its menus use.
enum SortKey : int {
    SortByColumn0 = 0,   // column 0: name or full path
    SortByColumn1 = 1,   // column 1: the size, compared by its figure (sizeSortKey)
    SortByFileName = 2,  // column 0 after the last "/"
    SortByExtension = 3, // column 0 from the last "." after the last "/"; empty without one
    SortByPath = 4,      // column 0 up to and including the last "/"; empty without one
};

// The part of a cell's UTF-8 text that a key compares. With trimmed, bytes 0 to 32 are removed
// from both ends before a part is taken (keys 2 to 4 only); keys 0 and 1 use the text as it is.
QByteArrayView sortKeyPart(QByteArrayView text, SortKey key, bool trimmed);
// The same for a text in two pieces (a directory and a name); the part may span both.
TextArena::Parts sortKeyPart(const TextArena::Parts& text, SortKey key, bool trimmed);

// Room for a size key: every figure a 64-bit size can have, right-aligned.
constexpr int SizeKeyWidth = 20;

// The key of a size cell (blanks, then digits): its figure right-aligned in SizeKeyWidth
// characters, written into room, so that text order is numeric order also past the 12
// characters a size cell is padded to (1 TB and more). Any other text, such as the blank of an
// empty or deleted row, is its own key; a blank still comes before every size.
QByteArrayView sizeSortKey(QByteArrayView text, std::array<char, SizeKeyWidth>& room);

// Ordinal order: byte by byte on unsigned codes (code point order for UTF-8), a proper prefix
// first.
int compareOrdinal(QByteArrayView a, QByteArrayView b);

} // namespace vok
