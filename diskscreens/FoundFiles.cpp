#include "diskscreens/FoundFiles.h"
#include "controls/GridRows.h"
#include "diskscreens/SizeCellText.h"
#include <charconv>

namespace vok {

bool AddFoundFile(GridRows& grid, qint64& searchTotalBytes, const QString& dir,
                  const DirEntry& rec) {
    // Every path here is a directory ending in "/" and a name, so even "/a" in the root is a
    // real file and a reason to go on, not to stop.
    const int row = grid.rows();
    grid.appendRow({dir + rec.name(), SizeCellText(rec.size), QString::number(row)});
    searchTotalBytes += rec.size;
    return true;
}

FoundFileRows::FoundFileRows(GridRows& grid, qint64& searchTotalBytes)
    : grid_(grid), total_(searchTotalBytes) {
    // Two million rows before a column is ever copied to grow; beyond, they double.
    grid_.reserveRows(grid_.rows() + (1 << 21));
}

bool FoundFileRows::add(const QString& dir, const DirEntry& rec) {
    if (!haveHead_ || dir != dir_) {
        head_ = grid_.addHead(dir.toUtf8());
        dir_ = dir;
        haveHead_ = true;
    }
    bool ascii = true;
    for (const char c : rec.rawName)
        ascii = ascii && !(c & 0x80);
    // Any other name may need its bytes kept as characters of their own (decodeFileName).
    const QByteArray decoded = ascii ? QByteArray() : rec.name().toUtf8();
    std::array<char, 24> size;
    std::array<char, 16> number;
    const auto [end, ec] =
        std::to_chars(number.data(), number.data() + number.size(), grid_.rows());
    grid_.appendRow(head_,
                    {ascii ? rec.rawName : QByteArrayView(decoded), SizeCellUtf8(rec.size, size),
                     QByteArrayView(number.data(), qsizetype(end - number.data()))});
    total_ += rec.size;
    return true;
}

} // namespace vok
