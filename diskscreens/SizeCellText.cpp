#include "diskscreens/SizeCellText.h"
#include <charconv>
#include <cstring>

namespace vok {

QString SizeCellText(qint64 size) {
    std::array<char, 24> room;
    return QString::fromLatin1(SizeCellUtf8(size, room));
}

QByteArrayView SizeCellUtf8(qint64 size, std::array<char, 24>& room) {
    constexpr std::size_t Width = 12;
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, size);
    const std::size_t n = std::size_t(end - digits);
    const std::size_t pad = n < Width ? Width - n : 0;
    std::memset(room.data(), ' ', pad);
    std::memcpy(room.data() + pad, digits, n);
    return QByteArrayView(room.data(), qsizetype(pad + n));
}

} // namespace vok
