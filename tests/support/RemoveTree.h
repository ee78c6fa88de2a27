#pragma once
#include <QProcess>
#include <QString>

namespace vok {

// Removes a test's tree whatever it holds: names that are not UTF-8 (which QDir cannot address)
// and nesting deeper than PATH_MAX. rm walks by descriptors, as Vok does.
inline bool removeTree(const QString& path) {
    return QProcess::execute(QStringLiteral("rm"),
                             {QStringLiteral("-rf"), QStringLiteral("--"), path}) == 0;
}

} // namespace vok
