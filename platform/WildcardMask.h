#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vok {

// A DOS-style file mask: "*" any run of characters, "?" one character, letters matched without
// regard to case. "*.*" matches every name; a mask ending in "." matches only names without a
// dot; a mask ending in ".*" also matches names without a dot, as if they ended in one.
class WildcardMask {
public:
    explicit WildcardMask(const QString& mask); // empty means "*.*"

    bool matches(const QString& name) const;
    // The same for a name as stored (see decodeFileName); plain ASCII names need no decoding.
    bool matchesFileName(QByteArrayView rawName) const;
    bool matchesEverything() const { return all_; }

private:
    template <typename Text> static bool glob(Text pattern, Text name);

    QString pattern_; // case-folded, with the trailing "." of a no-dot mask removed
    bool all_ = false;
    bool noDot_ = false;
    bool dotStar_ = false;
    QByteArray asciiPattern_; // pattern_ when it is plain ASCII, else empty
};

} // namespace vok
