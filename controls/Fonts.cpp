#include "controls/Fonts.h"
#include <QStringList>
#include <cstdlib>

namespace vok {

QFont designFont(const QString& family, int height) {
    QFont f(family);
    f.setPixelSize(qMax(1, std::abs(height)));
    return f;
}

void installFontSubstitutions() {
    // fonts-liberation is metric-compatible with Arial; the rest map onto the desktop's sans.
    QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Ariel", QStringList{"Arial", "Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Sans Serif", QStringList{"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("System", QStringList{"Liberation Sans", "DejaVu Sans"});
}

} // namespace vok
