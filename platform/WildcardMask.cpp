#include "platform/WildcardMask.h"

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
}

bool WildcardMask::matches(const QString& name) const {
    if (all_)
        return true;
    const QString folded = name.toCaseFolded();
    const bool hasDot = folded.contains(u'.');
    if (noDot_)
        return !hasDot && glob(pattern_, folded);
    if (glob(pattern_, folded))
        return true;
    // "con*.*" finds "config" too: a name without a dot counts as ending in one.
    return dotStar_ && !hasDot && glob(QStringView(pattern_).chopped(2), folded);
}

// Iterative matcher with one backtrack point: linear for the common masks, never exponential.
bool WildcardMask::glob(QStringView p, QStringView s) {
    qsizetype pi = 0, si = 0, star = -1, mark = 0;
    while (si < s.size()) {
        if (pi < p.size() && (p[pi] == u'?' || p[pi] == s[si])) {
            ++pi;
            ++si;
        } else if (pi < p.size() && p[pi] == u'*') {
            star = pi++;
            mark = si;
        } else if (star >= 0) {
            pi = star + 1;
            si = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == u'*')
        ++pi;
    return pi == p.size();
}

} // namespace vok
