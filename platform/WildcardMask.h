#pragma once
#include <QString>

namespace vok {

// A DOS-style file mask: "*" any run of characters, "?" one character, letters matched without
// regard to case. "*.*" matches every name; a mask ending in "." matches only names without a
// dot; a mask ending in ".*" also matches names without a dot, as if they ended in one.
class WildcardMask {
public:
    explicit WildcardMask(const QString& mask); // empty means "*.*"

    bool matches(const QString& name) const;
    bool matchesEverything() const { return all_; }

private:
    static bool glob(QStringView pattern, QStringView name);

    QString pattern_; // case-folded, with the trailing "." of a no-dot mask removed
    bool all_ = false;
    bool noDot_ = false;
    bool dotStar_ = false;
};

} // namespace vok
