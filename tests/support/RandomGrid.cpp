#include "support/RandomGrid.h"
#include "controls/GridRows.h"
#include <QRandomGenerator>
#include <QString>
#include <array>

namespace vok {

void fillRandomRows(GridRows& grid, int n, quint32 seed) {
    static const std::array<const char*, 8> dirs = {
        "documents", "projects.old", "build", "photos", "music", "src", "cache", "downloads"};
    static const std::array<const char*, 7> exts = {".txt", ".cpp", ".jpg", ".tar.gz",
                                                    "",     ".h",   ".o"};
    QRandomGenerator random(seed);
    grid.setRows(1);
    for (int r = 0; r < n; ++r) {
        QString path = QStringLiteral("/home/someone");
        const int depth = 2 + int(random.bounded(4));
        for (int d = 0; d < depth; ++d)
            path += QLatin1Char('/') + QLatin1String(dirs[random.bounded(quint32(dirs.size()))]);
        path += QStringLiteral("/file_%1%2")
                    .arg(random.bounded(100000))
                    .arg(QLatin1String(exts[random.bounded(quint32(exts.size()))]));
        // A few equal sizes on purpose: ties are where selection sorts differ.
        const qint64 size = random.bounded(4) == 0 ? 4096 : qint64(random.bounded(1u << 30));
        const QString sizeText = QString::number(size).rightJustified(12, QLatin1Char(' '));
        if (r == 0) {
            grid.setCell(0, 0, path);
            grid.setCell(1, 0, sizeText);
            grid.setCell(2, 0, QStringLiteral("0"));
        } else {
            grid.appendRow({path, sizeText, QString::number(r)});
        }
    }
    grid.flush();
}

} // namespace vok
