#include "platform/WildcardMask.h"
#include "platform/FileNames.h"
#include <QVarLengthArray>

namespace vok {

WildcardMask::WildcardMask(const QString& mask) {
    QString m = mask.isEmpty() ? QStringLiteral("*.*") : mask.toCaseFolded();
    // Any run of stars is one star; it also makes "**.*" mean "*.*".
    while (m.contains(QLatin1String("**")))
        m.replace(QLatin1String("**"), QLatin1String("*"));
    all_ = m == QLatin1String("*.*") || m == QLatin1String("*");
    if (m.size() > 1 && m.endsWith(u'.') && !m.endsWith(QLatin1String("*."))) {
        noDot_ = true;
        m.chop(1);
    } else if (m.endsWith(QLatin1String("*."))) {
        noDot_ = true;
        m.chop(1);
    }
    dotStar_ = !noDot_ && m.endsWith(QLatin1String(".*"));
    pattern_ = m;
    bool ascii = true;
    for (QChar c : pattern_)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        asciiPattern_ = pattern_.toLatin1();
}

bool WildcardMask::matchesFileName(QByteArrayView rawName) const {
    if (all_)
        return true;
    QVarLengthArray<char, 256> folded(rawName.size());
    for (qsizetype i = 0; i < rawName.size(); ++i) {
        const char c = rawName[i];
        if ((c & 0x80) || asciiPattern_.isEmpty())
            return matches(decodeFileName(rawName)); // beyond ASCII, folding is Unicode's
        folded[i] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    const QByteArrayView name(folded.data(), folded.size());
    const bool hasDot = name.contains('.');
    const QByteArrayView pattern(asciiPattern_);
    if (noDot_)
        return !hasDot && glob(pattern, name);
    if (glob(pattern, name))
        return true;
    return dotStar_ && !hasDot && glob(pattern.chopped(2), name);
}

bool WildcardMask::matches(const QString& name) const {
    if (all_)
        return true;
    const QString folded = name.toCaseFolded();
    const bool hasDot = folded.contains(u'.');
    if (noDot_)
        return !hasDot && glob(QStringView(pattern_), QStringView(folded));
    if (glob(QStringView(pattern_), QStringView(folded)))
        return true;
    // "con*.*" finds "config" too: a name without a dot counts as ending in one.
    return dotStar_ && !hasDot && glob(QStringView(pattern_).chopped(2), QStringView(folded));
}

// Iterative matcher with one backtrack point: linear for the common masks, never exponential.
template <typename Text> bool WildcardMask::glob(Text p, Text s) {
    qsizetype pi = 0, si = 0, star = -1, mark = 0;
    while (si < s.size()) {
        if (pi < p.size() && (p[pi] == '?' || p[pi] == s[si])) {
            ++pi;
            ++si;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            mark = si;
        } else if (star >= 0) {
            pi = star + 1;
            si = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*')
        ++pi;
    return pi == p.size();
}

} // namespace vok
