#include "platform/FileNames.h"

namespace vok {

namespace {

constexpr char16_t kEscapeBase = 0xEF00; // byte b >= 0x80 is kept as U+EF00 + b
constexpr char32_t kEscapeFirst = 0xEF80;
constexpr char32_t kEscapeLast = 0xEFFF;

// Length of the valid UTF-8 sequence at p (1..4) and its code point, or 0 when the bytes there
// are not one.
int validSequence(const unsigned char* p, qsizetype left, char32_t& cp) {
    const unsigned char c = p[0];
    cp = c;
    if (c < 0x80)
        return 1;
    int len = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (left < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    static constexpr char32_t minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0; // overlong forms and encoded surrogates would not round-trip
    if (cp >= kEscapeFirst && cp <= kEscapeLast)
        return 0; // taken byte by byte, so that decoding stays one-to-one
    if (cp == 0xFEFF)
        return 0; // a byte order mark: UTF-8 readers drop it from the start of a text
    return len;
}

} // namespace

QString decodeFileName(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n && p[i] < 0x80)
        ++i;
    if (i == n)
        return QString::fromLatin1(bytes.data(), n); // plain ASCII, the common case
    QString out;
    out.reserve(n);
    out.append(QLatin1StringView(bytes.data(), i));
    while (i < n) {
        char32_t cp = 0;
        const int len = validSequence(p + i, n - i, cp);
        if (len == 0) {
            out.append(QChar(char16_t(kEscapeBase + p[i])));
            ++i;
        } else {
            const char16_t units[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
            if (QChar::requiresSurrogates(cp))
                out.append(QStringView(units, 2));
            else
                out.append(QChar(char16_t(cp)));
            i += len;
        }
    }
    return out;
}

QByteArray encodeFileName(const QString& name) {
    QByteArray out;
    out.reserve(name.size() * 3);
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = name.at(i).unicode();
        if (u >= kEscapeFirst && u <= kEscapeLast) {
            out.append(char(u - kEscapeBase));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && name.at(i + 1).isLowSurrogate()) {
            out.append(QStringView(name).mid(i, 2).toUtf8());
            ++i;
            continue;
        }
        out.append(QStringView(name).mid(i, 1).toUtf8());
    }
    return out;
}

QString joinPath(const QString& dir, const QString& name) {
    if (dir.isEmpty())
        return name;
    return dir.endsWith(u'/') ? dir + name : dir + u'/' + name;
}

QString withTrailingSlash(const QString& dir) {
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

} // namespace vok
